#include "e2e/main_window_controls.h"

#include "e2e/harness.h"

namespace e2e {

namespace {

// How long one message to the player's windows may take before the window counts as not answering.
constexpr UINT kMessageTimeoutMs = 10000;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs),
                             &answer)) {
        return false;
    }
    result = static_cast<LRESULT>(answer);
    return true;
}

}  // namespace

HWND MainWindowButton(HWND mainWindow, const std::wstring& caption) {
    // Only the main window's direct children: the engine's panel keeps its buttons inside itself.
    return FindWindowExW(mainWindow, nullptr, L"Button", caption.c_str());
}

HWND Playlist(HWND mainWindow) {
    return FindWindowExW(mainWindow, nullptr, L"ListBox", nullptr);
}

bool AddToPlaylist(HWND playlist, const std::vector<std::wstring>& entries) {
    for (const std::wstring& entry : entries) {
        LRESULT index = LB_ERR;
        if (!Send(playlist, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()), index) || index < 0) {
            return false;
        }
    }
    return true;
}

bool SelectEntry(HWND playlist, int index) {
    LRESULT selected = LB_ERR;
    return Send(playlist, LB_SETCURSEL, static_cast<WPARAM>(index), 0, selected) && selected == index;
}

int SelectedEntry(HWND playlist) {
    LRESULT selected = LB_ERR;
    return Send(playlist, LB_GETCURSEL, 0, 0, selected) ? static_cast<int>(selected) : LB_ERR;
}

EngineDisplay ReadEngineDisplay(HWND mainWindow) {
    EngineDisplay display;
    HWND panel = FindWindowExW(mainWindow, nullptr, kEnginePanelClass, nullptr);
    if (!panel) {
        return display;
    }
    // The display's two lines are the panel's first two static controls: the file name, then the state.
    HWND nameLine = FindWindowExW(panel, nullptr, L"Static", nullptr);
    HWND statusLine = nameLine ? FindWindowExW(panel, nameLine, L"Static", nullptr) : nullptr;
    if (nameLine) {
        display.fileName = WindowText(nameLine);
    }
    if (statusLine) {
        display.status = WindowText(statusLine);
    }
    return display;
}

bool DisplayShows(const EngineDisplay& display, const std::wstring& fileName, const std::wstring& state) {
    return display.fileName == fileName && display.status.rfind(state, 0) == 0;
}

}  // namespace e2e
