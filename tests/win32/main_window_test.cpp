// The main window frmJubo as the layout data builds it.
#include <gtest/gtest.h>

#include "app/main_window_layout.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::TextOf;

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(frmJubo.Create(MainWindowSpec())); }
    FormWindow frmJubo;
};

TEST_F(MainWindow, HasItsCaptionAndAFixedBorderWithoutMinimiseOrMaximise) {
    EXPECT_EQ(TextOf(frmJubo.Handle()), L"Orv Jubo 2.1");
    const LONG style = GetWindowLongW(frmJubo.Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(GetWindowLongW(frmJubo.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetWindow(frmJubo.Handle(), GW_OWNER), nullptr);
}

TEST_F(MainWindow, IsCreatedHiddenWithItsClientAreaSize) {
    EXPECT_FALSE(IsWindowVisible(frmJubo.Handle()));
    RECT client{};
    GetClientRect(frmJubo.Handle(), &client);
    const int dpi = WindowDpi(frmJubo.Handle());
    EXPECT_EQ(client.right, TwipsToPixels(5880, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(5160, dpi));
}

TEST_F(MainWindow, HoldsTheHiddenUserNameAndPathBoxesAndTheDisabledNowPlayingLine) {
    const HWND text3 = frmJubo.Control("Text3");
    ASSERT_NE(text3, nullptr);
    EXPECT_EQ(TextOf(text3), L"Text3");
    EXPECT_EQ(GetWindowLongW(text3, GWL_STYLE) & WS_VISIBLE, 0);

    const HWND text2 = frmJubo.Control("Text2");
    ASSERT_NE(text2, nullptr);
    EXPECT_EQ(TextOf(text2), L"Text2");
    EXPECT_EQ(GetWindowLongW(text2, GWL_STYLE) & WS_VISIBLE, 0);

    const HWND text1 = frmJubo.Control("Text1");
    ASSERT_NE(text1, nullptr);
    EXPECT_EQ(TextOf(text1), L"");
    EXPECT_FALSE(IsWindowEnabled(text1));
}

}  // namespace
}  // namespace orv::win32
