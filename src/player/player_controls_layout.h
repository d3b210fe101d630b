#pragma once
// The player's controls on the main window: the playlist, the now-playing and path lines, the engine's panel
// and the buttons that play, mute, step and open "Chat Sends".
#include <vector>

#include "platform/layout.h"

namespace orv {

std::vector<ControlSpec> PlayerControlsLayout();

}  // namespace orv
