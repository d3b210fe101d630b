#pragma once
// The player's controls on the main window: the playlist, the now-playing and path lines, the engine's panel
// and the buttons that play, mute, step and open "Chat Sends".
#include <vector>

#include "platform/layout.h"

namespace orv {

std::vector<ControlSpec> PlayerControlsLayout();

// One of the twelve push buttons of the main window: 1695 x 255 twips, red face, black Arial 9 pt bold
// caption that turns white under the mouse.
ControlSpec MainWindowButton(const char* name, int left, int top, const wchar_t* caption, int tabIndex);

}  // namespace orv
