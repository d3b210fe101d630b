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

}  // namespace e2e
