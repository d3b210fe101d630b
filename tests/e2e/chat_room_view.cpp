#include "e2e/chat_room_view.h"

#include "e2e/harness.h"

namespace e2e {

std::string ReadHistory() {
    HWND pane = FindHistoryPane();
    return pane ? WindowTextAnsi(pane) : std::string();
}

std::string HistoryLineWith(const std::string& history, const std::string& text) {
    const std::string marker = "<BR>";
    std::size_t found = history.find(text);
    if (found == std::string::npos) {
        return {};
    }
    std::size_t start = history.rfind(marker, found);
    start = start == std::string::npos ? 0 : start + marker.size();
    std::size_t end = history.find(marker, found);
    return history.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::vector<std::string> RoomMessages(const std::string& history) {
    // A line: <BR><!-- (time) --><FONT COLOR="#rrggbb"><B>name</B></FONT>: message
    const std::string lineMarker = "<BR>";
    const std::string nameEnd = "</FONT>: ";
    const std::string conversationEnd = "</HTML>";
    std::vector<std::string> messages;
    std::size_t line = history.find(lineMarker);
    while (line != std::string::npos) {
        const std::size_t start = line + lineMarker.size();
        const std::size_t next = history.find(lineMarker, start);
        std::string text =
            history.substr(start, next == std::string::npos ? std::string::npos : next - start);
        if (next == std::string::npos && text.size() >= conversationEnd.size() &&
            text.compare(text.size() - conversationEnd.size(), conversationEnd.size(), conversationEnd) ==
                0) {
            text.resize(text.size() - conversationEnd.size());
        }
        const std::size_t message = text.find(nameEnd);
        messages.push_back(message == std::string::npos ? text : text.substr(message + nameEnd.size()));
        line = next;
    }
    return messages;
}

}  // namespace e2e
