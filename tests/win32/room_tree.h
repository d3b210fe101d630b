#pragma once
// The stand-in room's windows found and driven the way the player reaches the messenger's: ANSI lookups by
// class in child order, and ANSI messages sent with a time bound.
#include <windows.h>

#include <cctype>
#include <string>
#include <vector>

namespace orv::testing {

inline constexpr UINT kTestMessageTimeoutMilliseconds = 5000;

struct RoomTree {
    HWND firstHolder = nullptr;
    HWND history = nullptr;
    HWND secondHolder = nullptr;
    HWND entry = nullptr;
    std::vector<HWND> buttons;  // every "_oscar_iconbtn" child, in child order
};

inline RoomTree FindRoomTree(HWND room) {
    RoomTree tree;
    tree.firstHolder = FindWindowExA(room, nullptr, "wndate32class", nullptr);
    tree.history =
        tree.firstHolder ? FindWindowExA(tree.firstHolder, nullptr, "ate32class", nullptr) : nullptr;
    tree.secondHolder =
        tree.firstHolder ? FindWindowExA(room, tree.firstHolder, "wndate32class", nullptr) : nullptr;
    tree.entry =
        tree.secondHolder ? FindWindowExA(tree.secondHolder, nullptr, "ate32class", nullptr) : nullptr;
    HWND button = nullptr;
    while (tree.buttons.size() < 10 &&
           (button = FindWindowExA(room, button, "_oscar_iconbtn", nullptr)) != nullptr) {
        tree.buttons.push_back(button);
    }
    return tree;
}

inline LRESULT SendA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTestMessageTimeoutMilliseconds,
                        &answer);
    return static_cast<LRESULT>(answer);
}

inline void SetTextA(HWND pane, const std::string& text) {
    SendA(pane, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// WM_GETTEXTLENGTH, then WM_GETTEXT with a buffer one longer.
inline std::string GetTextA(HWND pane) {
    const auto length = static_cast<std::size_t>(SendA(pane, WM_GETTEXTLENGTH, 0, 0));
    std::string buffer(length + 1, ' ');
    const auto copied = static_cast<std::size_t>(
        SendA(pane, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data())));
    buffer.resize(copied);
    return buffer;
}

// How the player presses a button: three sent messages, all with lParam 0.
inline void PressLikeThePlayer(HWND button) {
    SendA(button, WM_LBUTTONDOWN, 0, 0);
    SendA(button, WM_KEYUP, VK_SPACE, 0);
    SendA(button, WM_LBUTTONUP, 0, 0);
}

// The conversation's newest line: from its last "<BR>" up to the closing "</HTML>".
inline std::string NewestLine(const std::string& conversation) {
    const std::size_t start = conversation.rfind("<BR>");
    if (start == std::string::npos) {
        return {};
    }
    std::string line = conversation.substr(start);
    const std::string end = "</HTML>";
    if (line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0) {
        line.resize(line.size() - end.size());
    }
    return line;
}

inline std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// What the player's scanner looks for in the lower-cased newest line to take it as someone else's.
inline bool ScannerTakesAsOtherPerson(const std::string& line) {
    return Lowered(line).find("<font color=\"#ff0000\"") != std::string::npos;
}

}  // namespace orv::testing
