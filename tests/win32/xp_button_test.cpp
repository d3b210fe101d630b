// XPButton, the skinnable push button, as a real window: clicked by the mouse, by space and by Enter when it
// has the focus, never while disabled; named by its caption; painted in its face and caption colours.
#include "platform/win32/xp_button.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/form_window.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::ClassOf;
using testing::TextOf;

const OleColour kFace = OleColour::Hex(0xFF0000);
const OleColour kCaption = OleColour::Hex(0x0000FF);
const OleColour kHoverCaption = OleColour::Hex(0x00FF00);

ControlSpec Button(const char* name, int left, const wchar_t* caption, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::PushButton,
            .left = left,
            .top = 300,
            .width = 1695,
            .height = 375,
            .caption = caption,
            .fore = kCaption,
            .back = kFace,
            .tabIndex = tabIndex,
            .font = {.face = L"Arial", .points = 12, .bold = true},
            .hoverFore = kHoverCaption};
}

class XPButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form.Create(
            {.name = "frmButtons",
             .caption = L"Buttons",
             .clientWidth = 6000,
             .clientHeight = 1500,
             .controls = {Button("XPButton1", 120, L"Play", 0), Button("XPButton2", 2040, L"Chat Sends", 1)}},
            {.visible = true}));
        for (const char* name : {"XPButton1", "XPButton2"}) {
            XPButton* button = form.Controls().Button(name);
            ASSERT_NE(button, nullptr) << name;
            button->onClick = [this, name] { clicks.push_back(name); };
        }
        play = form.Control("XPButton1");
    }

    void MouseClick(HWND button, int x, int y) {
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // As the program's message loop hands keys on: through the window's dialog navigation first.
    void Deliver(HWND target, UINT message, WPARAM key, LPARAM lParam) {
        MSG msg{.hwnd = target, .message = message, .wParam = key, .lParam = lParam};
        if (!IsDialogMessageW(form.Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    void Key(HWND target, WPARAM key) {
        Deliver(target, WM_KEYDOWN, key, kFirstDown);
        Deliver(target, WM_KEYUP, key, kRelease);
    }

    // lParam of a key message: the repeat count, bit 30 when the key was down before, bit 31 on release.
    static constexpr LPARAM kFirstDown = 1, kRepeat = 0x40000001, kRelease = static_cast<LPARAM>(0xC0000001u);

    FormWindow form;
    HWND play = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(XPButtonTest, IsAPushButtonWindowNamedByItsCaptionWithATabStop) {
    EXPECT_EQ(ClassOf(play), L"Button");
    EXPECT_EQ(TextOf(play), L"Play");
    const LONG style = GetWindowLongW(play, GWL_STYLE);
    EXPECT_NE(style & WS_TABSTOP, 0);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(XPButtonTest, AMouseClickInsideClicksOnceAndAReleaseOutsideDoesNot) {
    MouseClick(play, 10, 5);
    EXPECT_EQ(clicks, (std::vector<std::string>{"XPButton1"}));
    clicks.clear();
    MouseClick(play, 2000, 5);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(XPButtonTest, AQuickSecondClickIsAClickToo) {
    MouseClick(play, 10, 5);
    SendMessageW(play, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(play, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(XPButtonTest, SpaceAndEnterClickTheFocusedButtonOnly) {
    SetFocus(play);
    ASSERT_EQ(GetFocus(), play);
    Key(play, VK_SPACE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"XPButton1"}));
    Key(play, VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"XPButton1", "XPButton1"}));

    const HWND other = form.Control("XPButton2");
    SetFocus(other);
    clicks.clear();
    Key(other, VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"XPButton2"}));
}

TEST_F(XPButtonTest, AKeyHeldDownClicksOncePerPressWhateverItsAutoRepeat) {
    const struct {
        WPARAM key;
        std::vector<std::pair<UINT, LPARAM>> messages;
        std::size_t clicks;
    } cases[] = {
        {VK_RETURN,
         {{WM_KEYDOWN, kFirstDown}, {WM_KEYDOWN, kRepeat}, {WM_KEYDOWN, kRepeat}, {WM_KEYUP, kRelease}},
         1},
        {VK_RETURN, {{WM_KEYDOWN, kRepeat}, {WM_KEYUP, kRelease}}, 0},  // held down before the focus came
        {VK_SPACE,
         {{WM_KEYDOWN, kFirstDown}, {WM_KEYDOWN, kRepeat}, {WM_KEYDOWN, kRepeat}, {WM_KEYUP, kRelease}},
         1},
        {VK_SPACE, {{WM_KEYUP, kRelease}}, 0},
    };
    SetFocus(play);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key == VK_RETURN ? "Enter" : "space");
        clicks.clear();
        for (const auto& [message, lParam] : c.messages) {
            Deliver(play, message, c.key, lParam);
        }
        EXPECT_EQ(clicks.size(), c.clicks);
    }
}

TEST_F(XPButtonTest, ADisabledButtonTakesNoClickFromMouseKeysOrMessages) {
    SetFocus(play);
    form.Controls().Button("XPButton1")->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(play));
    MouseClick(play, 10, 5);
    SendMessageW(play, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(play, WM_KEYUP, VK_SPACE, 0);
    SendMessageW(play, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(play, BM_CLICK, 0, 0);
    EXPECT_TRUE(clicks.empty());

    form.Controls().Button("XPButton1")->SetEnabled(true);
    SendMessageW(play, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks.size(), 1u);
}

// Paints the button into a bitmap and counts the pixels where one colour channel clearly leads.
struct Painted {
    int redLed = 0, greenLed = 0, blueLed = 0, grey = 0;
};

Painted Paint(const XPButton& button, UINT state) {
    RECT rect{};
    GetClientRect(button.Handle(), &rect);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const DRAWITEMSTRUCT item{.CtlType = ODT_BUTTON,
                              .itemAction = ODA_DRAWENTIRE,
                              .itemState = state,
                              .hwndItem = button.Handle(),
                              .hDC = dc,
                              .rcItem = rect};
    button.Draw(item);
    Painted painted;
    // Inside the edge only.
    for (int y = 2; y < rect.bottom - 2; ++y) {
        for (int x = 2; x < rect.right - 2; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
            if (r > g + 60 && r > b + 60) {
                ++painted.redLed;
            } else if (g > r + 60 && g > b + 60) {
                ++painted.greenLed;
            } else if (b > r + 60 && b > g + 60) {
                ++painted.blueLed;
            } else if (std::abs(r - g) < 30 && std::abs(g - b) < 30) {
                ++painted.grey;
            }
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return painted;
}

TEST_F(XPButtonTest, PaintsItsFaceAndTheCaptionColourThatTheMouseSelects) {
    XPButton& button = *form.Controls().Button("XPButton1");
    const Painted resting = Paint(button, 0);
    EXPECT_GT(resting.redLed, resting.blueLed) << "the face fills the button";
    EXPECT_GT(resting.blueLed, 0) << "the caption is drawn in fcol";
    EXPECT_EQ(resting.greenLed, 0);

    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.IsHovered());
    const Painted hovered = Paint(button, 0);
    EXPECT_GT(hovered.greenLed, 0) << "the caption turns fcolo under the mouse";
    EXPECT_EQ(hovered.blueLed, 0);

    SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.IsHovered());

    const Painted disabled = Paint(button, ODS_DISABLED);
    EXPECT_EQ(disabled.blueLed, 0) << "a disabled caption is grey";
    EXPECT_EQ(disabled.greenLed, 0);
    EXPECT_GT(disabled.grey, 0);
}

TEST_F(XPButtonTest, ANewFaceColourIsPaintedAtOnce) {
    XPButton& button = *form.Controls().Button("XPButton1");
    button.SetFaceColour(OleColour::Hex(0x00C000));
    const Painted green = Paint(button, 0);
    EXPECT_GT(green.greenLed, green.redLed);
}

}  // namespace
}  // namespace orv::win32
