// A chat room whose program has stopped answering must not take the player down with it.
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

TEST_F(PlayerBesideRoom, StartsAndClosesBesideARoomThatNoLongerAnswers) {
    ASSERT_NO_FATAL_FAILURE(StartRoom(L"--stall"));
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));

    HWND mainWindow = WaitForMainWindow();
    ASSERT_NE(mainWindow, nullptr) << "the player hangs on the stalled room";
    EXPECT_TRUE(Answers(mainWindow, kWindowTimeoutMs)) << "the main window does not answer";
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(LoadedAnnouncement(L"Rosa")))
        << "the announcement is logged even when the room does not take it";

    AskToClose(mainWindow);
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs)) << "the player did not end beside the stalled room";
}

}  // namespace
}  // namespace e2e
