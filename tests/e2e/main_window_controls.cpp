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

bool OpenFolderInAddDirectory(HWND addDir, const std::wstring& folder, bool post) {
    const HWND dir1 = FindDescendant(addDir, L"ListBox", L"");
    const LRESULT item = dir1 == nullptr ? LB_ERR
                                         : SendMessageW(dir1, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                        reinterpret_cast<LPARAM>(folder.c_str()));
    if (item == LB_ERR) {
        return false;
    }
    SendMessageW(dir1, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    const WPARAM doubleClick = MAKEWPARAM(GetDlgCtrlID(dir1), LBN_DBLCLK);
    if (post) {
        PostMessageW(addDir, WM_COMMAND, doubleClick, reinterpret_cast<LPARAM>(dir1));
    } else {
        SendMessageW(addDir, WM_COMMAND, doubleClick, reinterpret_cast<LPARAM>(dir1));
    }
    return true;
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
