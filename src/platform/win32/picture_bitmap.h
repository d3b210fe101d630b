#pragma once
// A picture the program drew, as a GDI bitmap: a 32-bit top-down DIB section holding a copy of its pixels.
#include <windows.h>

#include "platform/picture.h"
#include "platform/win32/unique_handles.h"

namespace orv::win32 {

// An empty handle when the picture is empty or the system has no memory for it.
UniqueBitmap MakeBitmap(const Picture& picture);

}  // namespace orv::win32
