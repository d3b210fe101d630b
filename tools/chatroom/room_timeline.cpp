#include "room_timeline.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace chatroom {

namespace {

HANDLE timelineFile = INVALID_HANDLE_VALUE;
std::vector<std::pair<HWND, std::string>> windowNames;

const char* ArrivalName(Arrival arrival) {
    switch (arrival) {
        case Arrival::Sent:
            return "sent";
        case Arrival::Notified:
            return "notified";
        case Arrival::Callback:
            return "callback";
        case Arrival::Posted:
            return "posted";
        case Arrival::Own:
            break;
    }
    return "own";
}

// The messages noted, by name; nullptr for any other.
const char* MessageName(UINT message) {
    switch (message) {
        case WM_SETTEXT:
            return "WM_SETTEXT";
        case WM_GETTEXT:
            return "WM_GETTEXT";
        case WM_GETTEXTLENGTH:
            return "WM_GETTEXTLENGTH";
        case WM_CLOSE:
            return "WM_CLOSE";
        case WM_COMMAND:
            return "WM_COMMAND";
        case WM_KEYDOWN:
            return "WM_KEYDOWN";
        case WM_KEYUP:
            return "WM_KEYUP";
        case WM_CHAR:
            return "WM_CHAR";
        case WM_SYSKEYDOWN:
            return "WM_SYSKEYDOWN";
        case WM_SYSKEYUP:
            return "WM_SYSKEYUP";
        case WM_LBUTTONDOWN:
            return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP:
            return "WM_LBUTTONUP";
        case WM_LBUTTONDBLCLK:
            return "WM_LBUTTONDBLCLK";
        case WM_RBUTTONDOWN:
            return "WM_RBUTTONDOWN";
        case WM_RBUTTONUP:
            return "WM_RBUTTONUP";
        case WM_MBUTTONDOWN:
            return "WM_MBUTTONDOWN";
        case WM_MBUTTONUP:
            return "WM_MBUTTONUP";
        case BM_CLICK:
            return "BM_CLICK";
        default:
            return nullptr;
    }
}

const std::string* NameOf(HWND window) {
    for (const auto& [named, role] : windowNames) {
        if (named == window) {
            return &role;
        }
    }
    return nullptr;
}

std::string Hex(unsigned long long value) {
    char text[24] = {};
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

// The text in UTF-8 between double quotes; a quote, a backslash and control characters are escaped.
std::string QuotedText(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 1u, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.find('\0'));
    std::string quoted = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            char escaped[8] = {};
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// WM_SETTEXT's lParam is its text; WM_GETTEXT's a buffer whose address says nothing; any other is a number.
std::string LParamOf(UINT message, LPARAM lParam) {
    if ((message == WM_SETTEXT || message == WM_GETTEXT) && lParam == 0) {
        return "null";
    }
    if (message == WM_SETTEXT) {
        return QuotedText(reinterpret_cast<const wchar_t*>(lParam));
    }
    if (message == WM_GETTEXT) {
        return "buffer";
    }
    return Hex(static_cast<ULONG_PTR>(lParam));
}

}  // namespace

bool IsTimelineMessage(UINT message) {
    return MessageName(message) != nullptr;
}

bool OpenTimeline(const std::wstring& path) {
    timelineFile =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return timelineFile != INVALID_HANDLE_VALUE;
}

void NameTimelineWindow(HWND window, const char* role) {
    windowNames.emplace_back(window, role);
}

void RecordMessage(Arrival arrival, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (timelineFile == INVALID_HANDLE_VALUE || arrival == Arrival::Own) {
        return;
    }
    const char* name = MessageName(message);
    const std::string* role = NameOf(window);
    if (name == nullptr || role == nullptr) {
        return;
    }
    // Written at once, unbuffered: a program that reads the file after its message was answered finds the
    // message's line in it.
    const std::string line = std::string(ArrivalName(arrival)) + " " + *role + " " + name + " " +
                             Hex(static_cast<unsigned long long>(wParam)) + " " + LParamOf(message, lParam) +
                             "\r\n";
    DWORD written = 0;
    WriteFile(timelineFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace chatroom
