#pragma once
// The chat room seen from outside, through the same windows the player uses: the room window of class
// "aim_chatwnd" and its conversation pane (the first "wndate32class" child's "ate32class" child).
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

inline HWND FindChatRoom() {
    return FindWindowA("aim_chatwnd", nullptr);
}

inline HWND FindHistoryPane() {
    HWND room = FindChatRoom();
    if (!room) {
        return nullptr;
    }
    HWND frame = FindWindowExA(room, nullptr, "wndate32class", nullptr);
    return frame ? FindWindowExA(frame, nullptr, "ate32class", nullptr) : nullptr;
}

// The conversation as ANSI HTML, one "<BR>" line per message; empty when there is no room.
std::string ReadHistory();

// The "<BR>" line of the conversation that contains the text, without its "<BR>"; empty when none does.
std::string HistoryLineWith(const std::string& history, const std::string& text);

// The messages of the conversation's lines in order, each as it was sent (the markup after the sender's name
// and its colon).
std::vector<std::string> RoomMessages(const std::string& history);

}  // namespace e2e
