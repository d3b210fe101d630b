// What the player says in the room when it starts and when it is closed, and the copy it keeps in
// "test.html".
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

// The colour of the lines the person at this desktop sent, in the stand-in room's conversation.
const std::string kOwnLineColour = "#0000ff";

TEST_F(PlayerBesideRoom, AnnouncesLoadingAndUnloadingInTheRoomAndInTheLog) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));

    const std::string loaded = LoadedAnnouncement(L"Rosa");
    std::string history = WaitForRoomToShow(loaded);
    ASSERT_NE(history.find(loaded), std::string::npos) << "the room shows:\n" << history;
    EXPECT_NE(HistoryLineWith(history, loaded).find(kOwnLineColour), std::string::npos)
        << "not sent as the person at this desktop:\n"
        << history;
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(loaded));

    HWND mainWindow = WaitForMainWindow();
    ASSERT_NE(mainWindow, nullptr);
    AskToClose(mainWindow);

    history = WaitForRoomToShow(kUnloadedAnnouncement);
    EXPECT_NE(history.find(kUnloadedAnnouncement), std::string::npos) << "the room shows:\n" << history;
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs)) << "the player did not end after saying goodbye";
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(loaded) + SentMessagesLine(kUnloadedAnnouncement));
}

TEST_F(PlayerBesideRoom, AnnouncesTheNameExactlyAsTyped) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    const std::wstring name = L" <i>Zed</i> & co ";
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, name));

    const std::string loaded = LoadedAnnouncement(name);
    std::string history = WaitForRoomToShow(loaded);
    EXPECT_NE(history.find(loaded), std::string::npos) << "the room shows:\n" << history;
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(loaded));
}

}  // namespace
}  // namespace e2e
