#pragma once
// The program's 16 x 16 icon, also shown in the tray: a note on a black disc ringed by a red swirl.
#include "platform/picture.h"

namespace orv {

constexpr int kProgramIconSize = 16;

// Transparent outside the disc.
Picture DrawProgramIcon();

}  // namespace orv
