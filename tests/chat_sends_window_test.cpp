#include "player/chat_sends_window.h"

#include <gtest/gtest.h>

#include "fakes/fake_chat_sends_form.h"
#include "player/chat_sends_switch.h"

namespace orv {
namespace {

using testing::FakeChatSendsFormFactory;

class ChatSendsWindowTest : public ::testing::Test {
  protected:
    FakeChatSendsFormFactory factory;
    ChatSendsWindow chatSends{factory};
    ChatSendsSwitch announcementSwitch{chatSends};
};

TEST_F(ChatSendsWindowTest, ReadingASettingCreatesTheWindowHiddenOnce) {
    EXPECT_FALSE(chatSends.Exists());
    EXPECT_TRUE(announcementSwitch.IsClear());
    ASSERT_EQ(factory.created.size(), 1u);
    EXPECT_FALSE(factory.Latest().visible);
    chatSends.Settings().Text1().SetText(L"<b>");
    EXPECT_EQ(factory.created.size(), 1u);
    EXPECT_EQ(factory.Latest().text1.text, L"<b>");
}

TEST_F(ChatSendsWindowTest, TheChatSendsButtonShowsTheOneWindow) {
    chatSends.Show();
    ASSERT_EQ(factory.created.size(), 1u);
    EXPECT_TRUE(factory.Latest().visible);
    chatSends.Show();
    EXPECT_EQ(factory.created.size(), 1u);
    EXPECT_TRUE(factory.Latest().visible);
    EXPECT_EQ(factory.Latest().shows, 1) << "a visible window is shown (and activated) again";
}

TEST_F(ChatSendsWindowTest, OkHidesTheWindowAndKeepsWhatWasEntered) {
    chatSends.Show();
    auto& form = factory.Latest();
    form.text1.SetText(L"Now: ");
    form.check1.SetValue(1);
    form.onOk();
    EXPECT_FALSE(form.visible);
    EXPECT_FALSE(announcementSwitch.IsClear());
    EXPECT_EQ(chatSends.Settings().Text1().GetText(), L"Now: ");
    chatSends.Show();
    EXPECT_EQ(factory.created.size(), 1u);
    EXPECT_EQ(factory.Latest().check1.value, 1);
}

TEST_F(ChatSendsWindowTest, TheCloseBoxDiscardsTheSettings) {
    chatSends.Show();
    auto& form = factory.Latest();
    form.text1.SetText(L"before");
    form.text2.SetText(L"after");
    form.check1.SetValue(1);
    form.CloseBox();
    EXPECT_FALSE(chatSends.Exists());

    EXPECT_TRUE(announcementSwitch.IsClear());
    ASSERT_EQ(factory.created.size(), 2u);
    EXPECT_FALSE(factory.Latest().visible);
    EXPECT_EQ(chatSends.Settings().Text1().GetText(), L"");
    EXPECT_EQ(chatSends.Settings().Text2().GetText(), L"");
}

TEST_F(ChatSendsWindowTest, AClosedWindowIsDestroyedOnlyAfterItsOwnHandlerReturns) {
    chatSends.Show();
    factory.Latest().CloseBox();
    EXPECT_EQ(factory.destroyed, 0);
    chatSends.Settings();
    EXPECT_EQ(factory.destroyed, 1);
}

}  // namespace
}  // namespace orv
