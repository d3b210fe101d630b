// The small windows that the whole-program tests cannot open from the main window, as the real form factory
// makes them from their layouts: each shows its labels' text in their colour at their places. With
// ORVJUBO_SCREENS_DIR set, each is also saved as a picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_form.h"
#include "screens/screenshot.h"
#include "shell/credits_layout.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

// Text of a colour inside a rectangle of the client area, in twips; the window's edge cuts what lies beyond.
struct Text {
    const char* control;
    int left, top, width, height;
    std::uint32_t rgb;
};

struct Window {
    WindowSpec (*layout)();
    const wchar_t* picture;
    std::vector<Text> texts;
};

const Window kWindows[] = {
    // Form2 opens from the tray menu only.
    {CreditsWindowSpec,
     L"Form2",
     {{"Label5", 0, 0, 4335, 375, 0x0000FF},
      {"Label1", 0, 480, 4335, 360, 0x0000FF},
      {"Label2", 0, 840, 4335, 360, 0x0000FF},
      {"Label3", 0, 1200, 4335, 255, 0x0000FF},
      {"Label4", 0, 1560, 4335, 375, 0x0000FF}}},
};

bool Shows(const screens::Screenshot& shot, const Text& text, int dpi) {
    const int right = screens::TwipsToPixels(text.left + text.width, dpi);
    const int bottom = screens::TwipsToPixels(text.top + text.height, dpi);
    for (int y = screens::TwipsToPixels(text.top, dpi); y < bottom; ++y) {
        for (int x = screens::TwipsToPixels(text.left, dpi); x < right; ++x) {
            if (shot.At(x, y) == text.rgb) {
                return true;
            }
        }
    }
    return false;
}

TEST(WindowPictures, SmallWindowsShowTheirTextInItsColourAtItsPlace) {
    for (const Window& expected : kWindows) {
        SCOPED_TRACE(expected.layout().name);
        const std::unique_ptr<Form> form = Win32FormFactory().Create(expected.layout());
        ASSERT_TRUE(form->Exists());
        form->Show();
        const HWND window = Win32Form::Of(form.get())->Window().Handle();
        const int dpi = screens::DpiOf(window);
        screens::Screenshot shot, previous;
        // Painted once two captures in a row are alike.
        testing::PumpUntil([&] {
            previous = std::move(shot);
            shot = screens::CaptureWindow(window);
            return !shot.Empty() && shot.pixels == previous.pixels;
        });
        ASSERT_FALSE(shot.Empty());
        EXPECT_TRUE(screens::SaveScreenshot(shot, expected.picture));
        for (const Text& text : expected.texts) {
            EXPECT_TRUE(Shows(shot, text, dpi))
                << "no #" << std::hex << text.rgb << " text in " << text.control;
        }
    }
}

}  // namespace
}  // namespace orv::win32
