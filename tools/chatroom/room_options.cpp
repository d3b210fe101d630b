#include "room_options.h"

namespace chatroom {

namespace {

std::optional<int> ParseButtonCount(const std::wstring& text) {
    if (text.size() != 1 || text[0] < L'0' || text[0] > L'5') {
        return std::nullopt;
    }
    return text[0] - L'0';
}

std::optional<unsigned> ParseMilliseconds(const std::wstring& text) {
    constexpr unsigned kLongest = 60000;
    if (text.empty() || text.size() > 5) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    return value <= kLongest ? std::optional<unsigned>(value) : std::nullopt;
}

}  // namespace

std::optional<RoomOptions> ParseRoomOptions(const std::vector<std::wstring>& arguments) {
    RoomOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& option = arguments[i];
        const std::size_t valuesLeft = arguments.size() - i - 1;
        if (option == L"--single-pane") {
            options.singlePane = true;
        } else if (option == L"--stall") {
            options.stall = true;
        } else if (option == L"--lie-length") {
            options.lieLength = true;
        } else if (option == L"--slow" && valuesLeft >= 1) {
            const std::optional<unsigned> milliseconds = ParseMilliseconds(arguments[++i]);
            if (!milliseconds) {
                return std::nullopt;
            }
            options.slowMilliseconds = *milliseconds;
        } else if (option == L"--buttons" && valuesLeft >= 1) {
            const std::optional<int> count = ParseButtonCount(arguments[++i]);
            if (!count) {
                return std::nullopt;
            }
            options.buttonCount = *count;
        } else if (option == L"--local-name" && valuesLeft >= 1 && !arguments[i + 1].empty()) {
            options.localName = arguments[++i];
        } else if (option == L"--fixed-time" && valuesLeft >= 1) {
            options.fixedTime = arguments[++i];
        } else if (option == L"--timeline" && valuesLeft >= 1 && !arguments[i + 1].empty()) {
            options.timelinePath = arguments[++i];
        } else if (option == L"--say" && valuesLeft >= 2 && !arguments[i + 1].empty()) {
            options.sayName = arguments[++i];
            options.sayText = arguments[++i];
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace chatroom
