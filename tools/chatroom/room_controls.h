#pragma once
// The child windows that make the stand-in room look like the messenger's chat room to a window search:
// pane holders ("WndAte32Class"), panes ("Ate32Class", edit controls under the messenger's class name) and
// icon buttons ("_Oscar_IconBtn").
#include <windows.h>

#include "room_options.h"

namespace chatroom {

// Posted to the room's top-level window after a pane's text was set (lParam: the pane).
inline constexpr UINT kPaneTextChangedMessage = WM_APP + 1;

// Registers the three classes, whose windows treat other programs as the options say (--slow, --lie-length);
// false when one of them cannot be registered.
bool RegisterRoomControlClasses(HINSTANCE instance, const RoomOptions& options);

// Made first thing by every window procedure of the room, for the message it handles. Tells a message that
// another program sent (one from another thread that arrives while no procedure of the room is under way)
// from the room's own doing, and with --slow holds the thread before such a message when it is one of the
// messenger's.
class RoomMessage {
  public:
    explicit RoomMessage(UINT message);
    ~RoomMessage();
    RoomMessage(const RoomMessage&) = delete;
    RoomMessage& operator=(const RoomMessage&) = delete;

    bool FromOtherProgram() const { return fromOtherProgram_; }

  private:
    bool fromOtherProgram_;
};

}  // namespace chatroom
