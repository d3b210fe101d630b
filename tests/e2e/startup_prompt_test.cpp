// Start-up as the person at the desktop meets it: the "UserName" prompt comes before anything else, and
// giving no name earns one reminder and a second chance, after which the player starts anyway.
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

TEST_F(PlayerBesideRoom, AsksForTheUserNameBeforeShowingTheMainWindow) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());

    HWND prompt = WaitForTopWindow({.processId = player_.Id(), .caption = kUserNamePrompt});
    ASSERT_NE(prompt, nullptr) << "no window titled \"UserName\"";
    EXPECT_NE(FindDescendant(prompt, L"", L"UserName"), nullptr) << "the prompt text is not \"UserName\"";
    HWND edit = FindDescendant(prompt, L"Edit", L"");
    ASSERT_NE(edit, nullptr) << "the prompt has no edit";
    EXPECT_EQ(WindowText(edit), L"") << "the prompt offers a default name";
    EXPECT_NE(FindDescendant(prompt, L"", L"OK"), nullptr);
    EXPECT_NE(FindDescendant(prompt, L"", L"Cancel"), nullptr);
    EXPECT_EQ(FindTopWindow({.processId = player_.Id(), .caption = kMainWindowCaption}), nullptr)
        << "the main window is shown before the name is given";
    EXPECT_EQ(ReadHistory().find("Loaded."), std::string::npos) << "announced before the name was given";

    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));
    EXPECT_NE(WaitForMainWindow(), nullptr);
}

TEST_F(PlayerBesideRoom, CancellingBothPromptsStartsWithAnEmptyName) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());

    ASSERT_TRUE(PressButtonOf(player_.Id(), kUserNamePrompt, L"Cancel"))
        << "no \"UserName\" prompt to cancel";

    HWND reminder = WaitForTopWindow({.processId = player_.Id(), .caption = L"Error"});
    ASSERT_NE(reminder, nullptr) << "no \"Error\" message box after Cancel";
    EXPECT_NE(FindDescendant(reminder, L"", L"You must enter a username!"), nullptr);
    EXPECT_EQ(FindDescendant(reminder, L"", L"Cancel"), nullptr) << "the reminder offers more than OK";
    ASSERT_TRUE(PressButtonOf(player_.Id(), L"Error", L"OK"));

    ASSERT_TRUE(PressButtonOf(player_.Id(), kUserNamePrompt, L"Cancel")) << "the prompt was not asked again";

    const std::string announcement = LoadedAnnouncement(L"");
    std::string history = WaitForRoomToShow(announcement);
    EXPECT_NE(history.find(announcement), std::string::npos) << "the room shows:\n" << history;
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(announcement));
    EXPECT_NE(WaitForMainWindow(), nullptr) << "the player did not start after the second Cancel";
    EXPECT_EQ(FindTopWindow({.processId = player_.Id(), .caption = kUserNamePrompt}), nullptr)
        << "asked a third time";
}

}  // namespace
}  // namespace e2e
