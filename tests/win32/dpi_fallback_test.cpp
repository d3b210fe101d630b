// The DPI code on Windows 7 and 8, which lack the DPI functions of Windows 10: with none of them found, each
// answer equals the one the Windows 10 functions (which Wine has) give at the system's DPI.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/dpi.h"

namespace orv::win32 {
namespace {

const DpiFunctions kWindows7{};

class DpiFallbacks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(present.getDpiForWindow, nullptr) << "the fallbacks would be compared with themselves";
        ASSERT_NE(present.adjustWindowRectExForDpi, nullptr);
        window = CreateWindowExW(0, L"STATIC", L"DPI sample", WS_OVERLAPPEDWINDOW, 40, 40, 300, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    const DpiFunctions& present = DpiFunctions::OfThisWindows();
    HWND window = nullptr;
};

TEST_F(DpiFallbacks, TheWindowAndSystemDpiAreTheScreens) {
    EXPECT_EQ(WindowDpi(window, kWindows7), WindowDpi(window, present));
    EXPECT_EQ(SystemDpi(kWindows7), SystemDpi(present));
}

TEST_F(DpiFallbacks, WindowSizesHaveTheFrameOfTheSystemDpi) {
    const DWORD styles[] = {WS_OVERLAPPEDWINDOW, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            WS_POPUP | WS_BORDER};
    const int dpi = SystemDpi(present);
    for (const DWORD style : styles) {
        SCOPED_TRACE(style);
        const SIZE expected = WindowSizeForClient(400, 300, style, WS_EX_APPWINDOW, dpi, present);
        const SIZE actual = WindowSizeForClient(400, 300, style, WS_EX_APPWINDOW, dpi, kWindows7);
        EXPECT_EQ(actual.cx, expected.cx);
        EXPECT_EQ(actual.cy, expected.cy);
        EXPECT_GT(actual.cy, 300) << "no frame added";
    }
}

}  // namespace
}  // namespace orv::win32
