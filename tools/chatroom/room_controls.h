#pragma once
// The child windows that make the stand-in room look like the messenger's chat room to a window search:
// pane holders ("WndAte32Class"), panes ("Ate32Class", edit controls under the messenger's class name) and
// icon buttons ("_Oscar_IconBtn").
#include <windows.h>

#include "room_options.h"
#include "room_timeline.h"

namespace chatroom {

// Posted to the room's top-level window after a pane's text was set (lParam: the pane).
inline constexpr UINT kPaneTextChangedMessage = WM_APP + 1;

// Registers the three classes, whose windows treat other programs as the options say (--slow, --lie-length,
// --history-bytes, --change-between-reads, --close-on-entry);
// false when one of them cannot be registered.
bool RegisterRoomControlClasses(HINSTANCE instance, const RoomOptions& options);

// The pane whose reads by other programs the room answers itself (history_answers.h): the history pane, set
// again whenever the room makes its windows anew. Every other pane is an entry pane.
void SetHistoryPane(HWND pane);
// The next time another program asks the history pane for its length, the pane answers and has the room
// make its windows anew (kRecreateWindowMessage, sent to the room) before the answer goes back.
void RecreateRoomAtNextRead();

// The message loop tells which queued message it is dispatching (nullptr once it is done), so that a window
// procedure can tell a posted message from the room's own call.
void NoteDispatchedMessage(const MSG* message);

// Made first thing by every window procedure of the room, for the message it handles. Tells how the message
// came (another program sent it, or it came from the queue, while no procedure of the room is under way; or
// it is the room's own doing), notes it in the timeline, and with --slow holds the thread before such a
// message from another program when it is one of the messenger's.
class RoomMessage {
  public:
    RoomMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    ~RoomMessage();
    RoomMessage(const RoomMessage&) = delete;
    RoomMessage& operator=(const RoomMessage&) = delete;

    Arrival HowItCame() const { return arrival_; }
    bool FromOtherProgram() const {
        return arrival_ == Arrival::Sent || arrival_ == Arrival::Notified || arrival_ == Arrival::Callback;
    }

  private:
    Arrival arrival_;
};

}  // namespace chatroom
