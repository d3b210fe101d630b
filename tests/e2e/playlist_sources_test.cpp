// Filling the playlist from a folder beside the chat room: "Add", "Directory", a folder opened in frmAddDir's
// directory list, "OK", and the room hears how many files the playlist holds; "Clear Playlist" empties it and
// says so. Nothing is played.
#include <string>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

class PlaylistSourcesBesideRoom : public PlayerBesideRoom {
  protected:
    void StartWithFolder(const std::wstring& folder, const std::vector<std::wstring>& files) {
        const std::wstring path = folder_.File(folder);
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        for (const std::wstring& name : files) {
            const HANDLE file = CreateFileW((path + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
        ASSERT_NO_FATAL_FAILURE(StartRoom());
        ASSERT_NO_FATAL_FAILURE(StartPlayer());
        ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));
        mainWindow_ = WaitForMainWindow();
        ASSERT_NE(mainWindow_, nullptr) << "no main window";
    }

    // Presses "Add" and chooses the first item of the menu that opens, "Directory", with the keyboard.
    void ChooseAddDirectory() {
        HWND add = MainWindowButton(mainWindow_, L"Add");
        ASSERT_NE(add, nullptr) << "no \"Add\" button";
        PressButton(add);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                menu = FindTopWindow({.processId = player_.Id(), .className = L"#32768"});
                return menu != nullptr;
            },
            Scaled(kWindowTimeoutMs)))
            << "\"Add\" opened no menu";
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    }

    HWND mainWindow_ = nullptr;
};

TEST_F(PlaylistSourcesBesideRoom, AFolderPickedInAddDirectoryFillsThePlaylistAndTheRoomHearsTheCount) {
    ASSERT_NO_FATAL_FAILURE(StartWithFolder(L"songs", {L"one.mp3", L"two.mp3", L"three.wmp"}));
    ASSERT_NO_FATAL_FAILURE(ChooseAddDirectory());
    HWND addDir = WaitForTopWindow({.processId = player_.Id(), .caption = L"Add Directory"});
    ASSERT_NE(addDir, nullptr) << "\"Directory\" showed no \"Add Directory\" window";

    // The folder list shows the working folder's subfolders.
    ASSERT_TRUE(OpenFolderInAddDirectory(addDir, L"songs", true))
        << "Dir1 does not list the folder \"songs\"";
    ASSERT_TRUE(PressButtonIn(addDir, L"OK"));

    const std::string loaded = "Dir Loaded - <b> 3</b> Files.";
    const std::string history = WaitForRoomToShow(loaded);
    EXPECT_NE(history.find(loaded), std::string::npos) << "the room shows:\n" << history;
    HWND playlist = Playlist(mainWindow_);
    EXPECT_EQ(SendMessageW(playlist, LB_GETCOUNT, 0, 0), 3);
    EXPECT_TRUE(WaitUntilGone(addDir)) << "\"OK\" hides the window";

    HWND clear = MainWindowButton(mainWindow_, L"Clear Playlist");
    ASSERT_NE(clear, nullptr);
    PressButton(clear);
    const std::string cleared = WaitForRoomToShow("Playlist cleared!");
    EXPECT_NE(cleared.find("Playlist cleared!"), std::string::npos);
    EXPECT_EQ(SendMessageW(playlist, LB_GETCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace e2e
