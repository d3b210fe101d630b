// Chat commands between the player and the stand-in room: the owner sets the trigger in "Ccoms" and switches
// the commands on; another participant's lines are obeyed, the owner's own never are.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chatroom/chatroom_protocol.h"
#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "e2e/test_songs.h"

namespace e2e {
namespace {

using ChatCommandsInRoom = PlayerBesideRoom;

TEST_F(ChatCommandsInRoom, TheTriggerFromCcomsWorksForOthersAndEndSaysGoodbyeOnce) {
    const HWND mainWindow = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow, nullptr);

    PressButton(MainWindowButton(mainWindow, L"Ccoms"));
    const HWND ccoms = WaitForTopWindow({.processId = player_.Id(), .caption = L"Ccoms"});
    ASSERT_NE(ccoms, nullptr) << "\"Ccoms\" did not open";
    const HWND noTrigger = FindDescendant(ccoms, L"Button", L"No Trigger");
    ASSERT_NE(noTrigger, nullptr);
    EXPECT_EQ(SendMessageW(noTrigger, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    // The trigger box is the window's first edit.
    ASSERT_TRUE(SetWindowTextTo(FindDescendant(ccoms, L"Edit", L""), L"!"));
    EXPECT_EQ(SendMessageW(noTrigger, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PressButton(FindDescendant(ccoms, L"Button", L"Enable Ccoms"));
    WaitForRoomToShow("Ccoms Enabled");

    // The owner's own line is never a command, not even "End"; the scanner gets several ticks to prove it.
    ASSERT_TRUE(SayAsOwner(L"!End"));
    WaitForRoomToShow("!End");
    Sleep(Scaled(2000));
    ASSERT_TRUE(SayAsParticipant(L"!Info"));
    const std::string info = ToAnsi(
        L"[Orv Jubo \u00BB Make: 2.1 \u00BB Current User: Rosa \u00BB Current "
        L"Directory: <b>0</b> files. \u00BB Get it at: <font color=blue><u>"
        L"orvjubo.net</u>]");
    std::string history = WaitForRoomToShow(info);
    ASSERT_NE(history.find(info), std::string::npos) << "the room shows:\n" << history;
    EXPECT_FALSE(player_.HasEnded());

    ASSERT_TRUE(SayAsParticipant(L"!End"));
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs)) << "the player did not end";
    const std::vector<std::string> messages = RoomMessages(ReadHistory());
    EXPECT_EQ(std::count(messages.begin(), messages.end(), kUnloadedAnnouncement), 1);
    EXPECT_EQ(messages.back(), kUnloadedAnnouncement);
}

// The player's tray window, which the shell knows its icon by; nullptr when there is none.
HWND TrayWindowOf(DWORD processId) {
    return WindowOfProcess(nullptr, L"OrvJubo.cSysTray", processId);
}

// Whether the shell holds the icon: NIM_MODIFY succeeds only for an icon it has.
bool ShellHasTrayIconOf(DWORD processId) {
    NOTIFYICONDATAW data{
        .cbSize = sizeof(NOTIFYICONDATAW), .hWnd = TrayWindowOf(processId), .uID = 1, .uFlags = NIF_TIP};
    wcscpy_s(data.szTip, L"Orv Jubo");
    return data.hWnd != nullptr && Shell_NotifyIconW(NIM_MODIFY, &data);
}

TEST_F(ChatCommandsInRoom, AParticipantsMinHidesTheMainWindowBehindATrayIconWhichRestoresIt) {
    const HWND mainWindow = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow, nullptr);
    const HWND ccoms = EnableChatCommands(mainWindow);
    ASSERT_NE(ccoms, nullptr);
    EXPECT_FALSE(ShellHasTrayIconOf(player_.Id()));

    ASSERT_TRUE(SayAsParticipant(L"Min"));
    EXPECT_TRUE(
        WaitUntil([&] { return !IsWindowVisible(mainWindow) && !IsWindowVisible(ccoms); }, Scaled(20000)))
        << "the main window and \"Ccoms\" stayed on screen";
    EXPECT_TRUE(WaitUntil([&] { return ShellHasTrayIconOf(player_.Id()); }, Scaled(20000))) << "no tray icon";
    EXPECT_FALSE(player_.HasEnded());

    // The icon's left double-click, as the shell reports it, brings back the main window only.
    PostMessageW(TrayWindowOf(player_.Id()), WM_APP + 20, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 1));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow) != FALSE; }, Scaled(20000)));
    EXPECT_TRUE(WaitUntil([&] { return !ShellHasTrayIconOf(player_.Id()); }, Scaled(20000)));
    EXPECT_FALSE(IsWindowVisible(ccoms));
}

struct MessageBoxSearch {
    DWORD processId;
    const wchar_t* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<MessageBoxSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (owner == search.processId && IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
        WindowText(window) == search.caption) {
        search.found.push_back(window);
    }
    return TRUE;
}

// The visible message boxes of the process with this caption.
std::vector<HWND> MessageBoxesOf(DWORD processId, const wchar_t* caption) {
    MessageBoxSearch search{processId, caption, {}};
    EnumWindows(CollectMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(ChatCommandsInRoom, AParticipantsBoxIsTheMainWindowsAndTheRoomOpensOneAtATime) {
    const HWND mainWindow = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow, nullptr);
    // "Ccoms" stays the player's active window.
    const HWND ccoms = EnableChatCommands(mainWindow);
    ASSERT_NE(ccoms, nullptr);

    // "Next" on the empty playlist.
    ASSERT_TRUE(SayAsParticipant(L"Next"));
    const HWND box =
        WaitForTopWindow({.processId = player_.Id(), .className = L"#32770", .caption = L"Error"});
    ASSERT_NE(box, nullptr) << "no \"No files found.\" box";
    EXPECT_NE(FindDescendant(box, L"", L"No files found."), nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), mainWindow);
    EXPECT_FALSE(IsWindowEnabled(mainWindow)) << "the box holds the main window";

    // The room goes on meanwhile; its "Next" opens no second box.
    const std::string info = ToAnsi(L"Current User: Rosa");
    const auto infos = [&] {
        const std::vector<std::string> messages = RoomMessages(ReadHistory());
        return std::count_if(messages.begin(), messages.end(),
                             [&](const std::string& m) { return m.find(info) != std::string::npos; });
    };
    ASSERT_TRUE(SayAsParticipant(L"Info"));
    EXPECT_TRUE(WaitUntil([&] { return infos() == 1; }, Scaled(20000))) << "no answer while the box is open";
    ASSERT_TRUE(SayAsParticipant(L"Next"));
    Sleep(Scaled(1500));  // a few ticks, so that the next line does not hide this one
    ASSERT_TRUE(SayAsParticipant(L"Info"));
    EXPECT_TRUE(WaitUntil([&] { return infos() == 2; }, Scaled(20000)));
    EXPECT_EQ(MessageBoxesOf(player_.Id(), L"Error").size(), 1u);

    ASSERT_TRUE(PressButtonIn(box, L"OK"));
    EXPECT_TRUE(WaitUntilGone(box));
    Sleep(Scaled(1000));
    EXPECT_TRUE(MessageBoxesOf(player_.Id(), L"Error").empty()) << "another box waited behind the first";
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
}

// "Audible": plays sound, so it is left out where the programs run under an emulator.
using AudibleChatCommandsInRoom = ChatCommandsInRoom;

TEST_F(AudibleChatCommandsInRoom, AParticipantsNextPlaysTheNextSongWhichTheRoomHearsOf) {
    ASSERT_TRUE(CopyTestSong(L"short_660.mp3", folder_.File(L"two.mp3")));
    const HWND mainWindow = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow, nullptr);
    ASSERT_TRUE(AddToPlaylist(Playlist(mainWindow), {L"one.mp3", L"two.mp3"}));
    ASSERT_TRUE(SelectEntry(Playlist(mainWindow), 0));

    ASSERT_TRUE(SayAsParticipant(L"Next"));
    const std::string history = WaitForRoomToShow("two.mp3");
    EXPECT_EQ(RoomMessages(history).back(), "two.mp3") << "the room shows:\n" << history;
    EXPECT_EQ(SelectedEntry(Playlist(mainWindow)), 1);
    EXPECT_TRUE(WaitUntil([&] { return ReadEngineDisplay(mainWindow).fileName == L"two.mp3"; }, 60000));
}

}  // namespace
}  // namespace e2e
