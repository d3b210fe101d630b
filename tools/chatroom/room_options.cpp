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

// "host", "host:port", "[v6 address]:port" or a bare v6 address; a port, when given, is 1 to 65535.
bool SplitServer(const std::wstring& server, std::wstring& host, std::wstring& port) {
    std::optional<std::wstring> portText;
    if (server.front() == L'[') {
        const std::size_t close = server.find(L']');
        if (close == std::wstring::npos) {
            return false;
        }
        host = server.substr(1, close - 1);
        const std::wstring rest = server.substr(close + 1);
        if (!rest.empty()) {
            if (rest[0] != L':') {
                return false;
            }
            portText = rest.substr(1);
        }
    } else if (const std::size_t colon = server.find(L':');
               colon != std::wstring::npos && server.find(L':', colon + 1) == std::wstring::npos) {
        host = server.substr(0, colon);
        portText = server.substr(colon + 1);
    } else {
        host = server;
    }
    if (portText) {
        const std::optional<std::size_t> number = ParseNumber(*portText, 5, 65535);
        if (!number || *number == 0) {
            return false;
        }
        port = *portText;
    }
    return !host.empty();
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
        } else if (option == L"--irc" && valuesLeft >= 1 && !arguments[i + 1].empty()) {
            if (!SplitServer(arguments[++i], options.ircHost, options.ircPort)) {
                return std::nullopt;
            }
        } else if (option == L"--channel" && valuesLeft >= 1) {
            options.ircChannel = arguments[++i];
        } else if (option == L"--nick" && valuesLeft >= 1) {
            options.ircNick = arguments[++i];
        } else {
            return std::nullopt;
        }
    }
    const bool linked = !options.ircHost.empty() || !options.ircChannel.empty() || !options.ircNick.empty();
    const auto validName = [](const std::wstring& name) {
        return !name.empty() && name.find_first_of(L" ,\r\n\a") == std::wstring::npos;
    };
    if (linked && (options.ircHost.empty() || !validName(options.ircChannel) || !validName(options.ircNick) ||
                   (options.ircChannel[0] != L'#' && options.ircChannel[0] != L'&'))) {
        return std::nullopt;
    }
    return options;
}

}  // namespace chatroom
