#pragma once
// The child windows that make the stand-in room look like the messenger's chat room to a window search:
// pane holders ("WndAte32Class"), panes ("Ate32Class", edit controls under the messenger's class name) and
// icon buttons ("_Oscar_IconBtn").
#include <windows.h>

namespace chatroom {

// Posted to the room's top-level window after a pane's text was set (lParam: the pane).
inline constexpr UINT kPaneTextChangedMessage = WM_APP + 1;

// Registers the three classes; false when one of them cannot be registered.
bool RegisterRoomControlClasses(HINSTANCE instance);

}  // namespace chatroom
