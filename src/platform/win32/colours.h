#pragma once
// OLE colours on the screen: plain colours as they are, system colours from the current scheme.
#include <windows.h>

#include "platform/layout.h"

namespace orv::win32 {

COLORREF ToColorRef(OleColour colour);

}  // namespace orv::win32
