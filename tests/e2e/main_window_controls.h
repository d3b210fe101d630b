#pragma once
// The player's main window frmJubo seen from outside, as a person at the desktop meets it: the playlist List1
// (its only list box), its own push buttons, and the media engine's panel MediaPlayer1 with the open file's
// name and a line with the playback state and time.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The window class of MediaPlayer1, the engine's panel on the main window.
inline constexpr wchar_t kEnginePanelClass[] = L"OrvJuboMediaPlayerPanel";

// The main window's own push button with this caption (not a button of the engine's panel, which has a
// "Play" button too); null when there is none.
HWND MainWindowButton(HWND mainWindow, const std::wstring& caption);
// The playlist List1; null when the window has no list box.
HWND Playlist(HWND mainWindow);
// Adds the texts at the end of the playlist, as the add-directory window adds bare file names; false when
// the list did not take one of them.
bool AddToPlaylist(HWND playlist, const std::vector<std::wstring>& entries);
// Selects the entry at the index; false when the list refused.
bool SelectEntry(HWND playlist, int index);
int SelectedEntry(HWND playlist);

// Opens the subfolder in "Add Directory"'s folder list Dir1 (the window's first list box) as a double-click
// does; false when the list does not show it. With post, the double-click is posted and the call returns before
// the folder opens.
bool OpenFolderInAddDirectory(HWND addDir, const std::wstring& folder, bool post = false);

// What MediaPlayer1's display shows: the open file's name, and its state followed by the time (e.g.
// "Playing  0:01 / 0:02").
struct EngineDisplay {
    std::wstring fileName;
    std::wstring status;
};
EngineDisplay ReadEngineDisplay(HWND mainWindow);
// True when the display names this file and its state line starts with the state (e.g. L"Stopped").
bool DisplayShows(const EngineDisplay& display, const std::wstring& fileName, const std::wstring& state);

}  // namespace e2e
