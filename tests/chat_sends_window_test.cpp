#include "player/chat_sends_window.h"

#include <gtest/gtest.h>

#include "fakes/fake_form.h"
#include "player/chat_sends_switch.h"

namespace orv {
namespace {

using testing::FakeForm;
using testing::FakeFormFactory;

class ChatSendsWindowTest : public ::testing::Test {
  protected:
    // The frmChatSends that lives now.
    FakeForm& Window() { return *forms.Latest("frmChatSends"); }
    int Made() { return forms.created["frmChatSends"]; }

    FakeFormFactory forms;
    ChatSendsWindow chatSends{forms};
    ChatSendsSwitch announcementSwitch{chatSends};
};

TEST_F(ChatSendsWindowTest, ReadingASettingCreatesTheWindowHiddenOnce) {
    EXPECT_FALSE(chatSends.Exists());
    EXPECT_TRUE(announcementSwitch.IsClear());
    ASSERT_EQ(Made(), 1);
    EXPECT_FALSE(Window().IsVisible());
    chatSends.Text1().SetText(L"<b>");
    EXPECT_EQ(Made(), 1);
    EXPECT_EQ(Window().TextBoxNamed("Text1").GetText(), L"<b>");
}

TEST_F(ChatSendsWindowTest, TheChatSendsButtonShowsTheOneWindow) {
    chatSends.Show();
    ASSERT_EQ(Made(), 1);
    EXPECT_TRUE(Window().IsVisible());
    chatSends.Show();
    EXPECT_EQ(Made(), 1);
    EXPECT_EQ(Window().shows, 1) << "a visible window is not shown (activated) again";
}

TEST_F(ChatSendsWindowTest, OkHidesTheWindowAndKeepsWhatWasEntered) {
    chatSends.Show();
    Window().TextBoxNamed("Text1").SetText(L"Now: ");
    Window().CheckBoxNamed("Check1").SetValue(1);
    ASSERT_TRUE(Window().Press("XPButton1"));
    EXPECT_FALSE(Window().IsVisible());
    EXPECT_FALSE(announcementSwitch.IsClear());
    EXPECT_EQ(chatSends.Text1().GetText(), L"Now: ");
    chatSends.Show();
    EXPECT_EQ(Made(), 1);
    EXPECT_EQ(Window().CheckBoxNamed("Check1").Value(), 1);
}

TEST_F(ChatSendsWindowTest, TheCloseBoxDiscardsTheSettings) {
    chatSends.Show();
    Window().TextBoxNamed("Text1").SetText(L"before");
    Window().TextBoxNamed("Text2").SetText(L"after");
    Window().CheckBoxNamed("Check1").SetValue(1);
    Window().CloseBox();
    EXPECT_FALSE(chatSends.Exists());

    EXPECT_TRUE(announcementSwitch.IsClear());
    ASSERT_EQ(Made(), 2);
    EXPECT_FALSE(Window().IsVisible());
    EXPECT_EQ(chatSends.Text1().GetText(), L"");
    EXPECT_EQ(chatSends.Text2().GetText(), L"");
}

TEST_F(ChatSendsWindowTest, AClosedWindowIsDestroyedOnlyAfterItsOwnHandlerReturns) {
    chatSends.Show();
    FakeForm* closed = &Window();
    closed->CloseBox();
    EXPECT_EQ(forms.living, (std::vector<FakeForm*>{closed}));
    chatSends.Check1();
    ASSERT_EQ(forms.living.size(), 1u);
    EXPECT_EQ(Made(), 2);
}

}  // namespace
}  // namespace orv
