// frmChatSends as a real window behind the portable ChatSendsWindow: made hidden with its initial values,
// "OK" hides it and keeps what was entered, the close box discards it.
#include "player/chat_sends_window.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_form.h"
#include "player/chat_sends_switch.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::FindChild;
using testing::PumpUntil;
using testing::TextOf;

constexpr wchar_t kClass[] = L"OrvJubo.frmChatSends";

HWND FindChatSends() {
    return FindWindowW(kClass, L"Chat Sends");
}

BOOL CALLBACK CountChatSends(HWND window, LPARAM count) {
    if (testing::ClassOf(window) == kClass) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

class ChatSendsFormTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(FindChatSends(), nullptr) << "a window of an earlier test is left"; }
    HWND Control(HWND window, const wchar_t* className, const wchar_t* text) {
        return FindChild(window, className, text);
    }
    // The two multi-line boxes, in tab order.
    HWND Edit(HWND window, int which) {
        HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
        return which == 0 ? edit : FindWindowExW(window, edit, L"Edit", nullptr);
    }
    int WindowCount() {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountChatSends, reinterpret_cast<LPARAM>(&count));
        return count;
    }

    Win32FormFactory factory;
    ChatSendsWindow frmChatSends{factory};
    ChatSendsSwitch disableChatSends{frmChatSends};
};

TEST_F(ChatSendsFormTest, IsMadeHiddenOnFirstReadAsAToolWindowWithItsInitialValues) {
    EXPECT_TRUE(disableChatSends.IsClear());
    const HWND window = FindChatSends();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(frmChatSends.Text1().GetText(), L"");
    EXPECT_EQ(frmChatSends.Text2().GetText(), L"");
    EXPECT_EQ(frmChatSends.Check1().Value(), 0);
}

TEST_F(ChatSendsFormTest, ShowsItsLabelsButtonAndCheckBox) {
    frmChatSends.Window();
    const HWND window = FindChatSends();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(Control(window, L"Static", L"Text before song"), nullptr);
    EXPECT_NE(Control(window, L"Button", L"OK"), nullptr);
    EXPECT_NE(Control(window, L"Button", L"Disable ChatSends"), nullptr);
    EXPECT_NE(GetWindowLongW(Edit(window, 0), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_NE(GetWindowLongW(Edit(window, 1), GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(ChatSendsFormTest, OkHidesTheWindowAndKeepsWhatWasEntered) {
    frmChatSends.Show();
    const HWND window = FindChatSends();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    SetWindowTextW(Edit(window, 0), L"<b>now: ");
    SetWindowTextW(Edit(window, 1), L" :)");
    SendMessageW(Control(window, L"Button", L"Disable ChatSends"), BM_CLICK, 0, 0);

    SendMessageW(Control(window, L"Button", L"OK"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([window] { return !IsWindowVisible(window); }));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(FindChatSends(), window);
    EXPECT_EQ(frmChatSends.Text1().GetText(), L"<b>now: ");
    EXPECT_EQ(frmChatSends.Text2().GetText(), L" :)");
    EXPECT_FALSE(disableChatSends.IsClear());
}

TEST_F(ChatSendsFormTest, TheCloseBoxDiscardsTheWindowAndTheNextReadStartsAfresh) {
    frmChatSends.Show();
    const HWND window = FindChatSends();
    ASSERT_NE(window, nullptr);
    SetWindowTextW(Edit(window, 0), L"before ");
    SendMessageW(Control(window, L"Button", L"Disable ChatSends"), BM_CLICK, 0, 0);
    ASSERT_FALSE(disableChatSends.IsClear());

    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(PumpUntil([window] { return !IsWindow(window); }));
    EXPECT_FALSE(frmChatSends.Exists());

    EXPECT_TRUE(disableChatSends.IsClear());
    const HWND again = FindChatSends();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(IsWindowVisible(again));
    EXPECT_EQ(frmChatSends.Text1().GetText(), L"");
}

TEST_F(ChatSendsFormTest, ShowingTwiceShowsOneWindow) {
    frmChatSends.Show();
    frmChatSends.Show();
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_TRUE(IsWindowVisible(FindChatSends()));
}

}  // namespace
}  // namespace orv::win32
