#pragma once
// The room's timeline: every message worth noting that reached the room's named windows from outside (sent
// by another program, or taken from the room's queue), one line each, written to a file as it arrives
// (--timeline FILE). The line format is in chatroom_protocol.h.
#include <windows.h>

#include <string>

namespace chatroom {

// How a message reached one of the room's windows.
enum class Arrival {
    Own,       // the room's own doing: a call from one of its procedures, or a message it sent itself
    Sent,      // SendMessage or SendMessageTimeout of another program, which waits for the answer
    Notified,  // SendNotifyMessage of another program, which does not wait
    Callback,  // SendMessageCallback of another program, which does not wait
    Posted,    // taken from the room's queue: posted by a program, or input from the mouse or the keyboard
};

// Empties the file (creating it when missing) and writes every later line to it; false when it cannot.
bool OpenTimeline(const std::wstring& path);

// Gives a window its name in the timeline ("room", "history", "button5", ...); only named windows appear.
void NameTimelineWindow(HWND window, const char* role);

// Whether the message is one a program could drive the room with (text, closing, mouse buttons, keys,
// commands), which the timeline notes.
bool IsTimelineMessage(UINT message);

// Writes the message's line when the timeline is open, the window is named, the message came from outside
// and it is one of the timeline's.
void RecordMessage(Arrival arrival, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace chatroom
