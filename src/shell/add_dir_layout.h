#pragma once
// The layout of frmAddDir ("Add Directory"), as far as the program uses it yet: the directory list Dir1,
// whose path is the playlist's current directory.
#include "platform/layout.h"

namespace orv {

WindowSpec AddDirWindowSpec();

}  // namespace orv
