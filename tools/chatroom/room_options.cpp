#include "room_options.h"

namespace chatroom {

namespace {

std::optional<int> ParseButtonCount(const std::wstring& text) {
    if (text.size() != 1 || text[0] < L'0' || text[0] > L'5') {
        return std::nullopt;
    }
    return text[0] - L'0';
}

// A decimal number from 0 to `largest`, in at most `digits` digits.
std::optional<std::size_t> ParseNumber(const std::wstring& text, std::size_t digits, std::size_t largest) {
    if (text.empty() || text.size() > digits) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(c - L'0');
    }
    return value <= largest ? std::optional<std::size_t>(value) : std::nullopt;
}

std::optional<unsigned> ParseMilliseconds(const std::wstring& text) {
    constexpr std::size_t kLongest = 60000;
    const std::optional<std::size_t> value = ParseNumber(text, 5, kLongest);
    return value ? std::optional<unsigned>(static_cast<unsigned>(*value)) : std::nullopt;
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
        } else if (option == L"--change-between-reads") {
            options.changeBetweenReads = true;
        } else if (option == L"--close-on-entry") {
            options.closeOnEntry = true;
        } else if (option == L"--history-bytes" && valuesLeft >= 1) {
            constexpr std::size_t kLargestHistory = std::size_t{64} * 1024 * 1024;
            const std::optional<std::size_t> bytes = ParseNumber(arguments[++i], 8, kLargestHistory);
            if (!bytes) {
                return std::nullopt;
            }
            options.historyBytes = *bytes;
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
