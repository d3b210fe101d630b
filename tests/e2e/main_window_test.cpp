// The whole program on the desktop: started beside the chat room, it shows its main window and closes.
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

TEST_F(PlayerBesideRoom, ShowsItsMainWindowOnceAskedForTheNameAndBothProgramsClose) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());

    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa")) << "no \"UserName\" prompt to answer";
    HWND mainWindow = WaitForMainWindow();
    ASSERT_NE(mainWindow, nullptr) << "no main window captioned \"Orv Jubo 2.1\"";
    EXPECT_TRUE(Answers(mainWindow, kWindowTimeoutMs)) << "the main window does not answer";

    AskToClose(mainWindow);
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs))
        << "the player did not end when its main window was closed";
    AskToClose(roomWindow_);
    EXPECT_TRUE(room_.WaitForEnd(kEndTimeoutMs)) << "the chat room did not end when its window was closed";
}

}  // namespace
}  // namespace e2e
