// The end of the session may reach the chat-send settings window before the main window: the player still
// ends as when its main window is closed, obeying "Disable ChatSends".
#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

// What the system does at log-off for one window: ask, then tell that the session ends.
void EndSessionFor(HWND window) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &answer);
}

TEST_F(PlayerBesideRoom, TheEndOfTheSessionWithChatSendsDisabledEndsThePlayerWithoutAGoodbye) {
    const HWND mainWindow = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow, nullptr);

    const HWND chatSendsButton = MainWindowButton(mainWindow, L"Chat Sends");
    ASSERT_NE(chatSendsButton, nullptr);
    PressButton(chatSendsButton);
    const HWND chatSends = WaitForTopWindow({.processId = player_.Id(), .caption = L"Chat Sends"});
    ASSERT_NE(chatSends, nullptr) << "\"Chat Sends\" did not open";
    const HWND disable = FindDescendant(chatSends, L"Button", L"Disable ChatSends");
    ASSERT_NE(disable, nullptr);
    // Ticked as a click leaves it (a posted click does not always reach a check box under Wine).
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(disable, BM_SETCHECK, BST_CHECKED, 0, SMTO_ABORTIFHUNG, 5000, &ignored));

    EndSessionFor(chatSends);
    EndSessionFor(mainWindow);
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs)) << "the player did not end with the session";
    EXPECT_EQ(ReadHistory().find(kUnloadedAnnouncement), std::string::npos);
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(LoadedAnnouncement(L"Rosa")));
}

}  // namespace
}  // namespace e2e
