// The window framework against real windows: layout data becomes child windows at the window's DPI, in tab
// order, with their captions, states and colours; exceptions stop at the window procedure.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/win32/base_window.h"
#include "platform/win32/colours.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "platform/win32/unique_handles.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::ChildrenInZOrder;
using testing::ClassOf;
using testing::RectInParent;
using testing::TextOf;

// Declared out of tab order on purpose; Line1 and Note take no tab stop.
WindowSpec SampleSpec() {
    return WindowSpec{
        .name = "frmSample",
        .caption = L"Sample form",
        .clientWidth = 6000,
        .clientHeight = 4500,
        .back = OleColour::Hex(0x102030),
        .controls =
            {
                {.name = "Note",
                 .kind = ControlKind::Label,
                 .left = 120,
                 .top = 135,
                 .width = 1500,
                 .height = 255,
                 .caption = L"Options",
                 .fore = OleColour::Hex(0xC00000),
                 .tabIndex = -1,
                 .align = TextAlign::Centre,
                 .font = {.face = L"Tahoma", .points = 9.75, .bold = true}},
                {.name = "List1",
                 .kind = ControlKind::ListBox,
                 .left = 120,
                 .top = 480,
                 .width = 2655,
                 .height = 1785,
                 .fore = OleColour::Hex(0xC00000),
                 .back = OleColour::System(COLOR_WINDOWFRAME),
                 .tabIndex = 2,
                 .flat = true},
                {.name = "Text1",
                 .kind = ControlKind::TextBox,
                 .left = 0,
                 .top = 3840,
                 .width = 5895,
                 .height = 285,
                 .caption = L"now playing",
                 .fore = OleColour::System(COLOR_MENU),
                 .back = OleColour::Hex(0x800000),
                 .tabIndex = 0,
                 .enabled = false,
                 .align = TextAlign::Centre},
                {.name = "Line1",
                 .kind = ControlKind::Line,
                 .left = 1440,
                 .top = 2880,
                 .width = 4200,
                 .height = 0,
                 .fore = OleColour::Hex(0xFF0000),
                 .lineWidth = 2},
                {.name = "Hidden",
                 .kind = ControlKind::TextBox,
                 .left = 1560,
                 .top = 1920,
                 .width = 2535,
                 .height = 285,
                 .caption = L"Text3",
                 .tabIndex = 3,
                 .visible = false},
                {.name = "Play",
                 .kind = ControlKind::PushButton,
                 .left = 3000,
                 .top = 480,
                 .width = 1695,
                 .height = 255,
                 .caption = L"Play",
                 .tabIndex = 1},
                {.name = "Check1",
                 .kind = ControlKind::CheckBox,
                 .left = 3000,
                 .top = 900,
                 .width = 1695,
                 .height = 255,
                 .caption = L"Disable ChatSends",
                 .tabIndex = 4},
            },
    };
}

class SampleForm : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(form.Create(layout)); }
    int Dpi() const { return WindowDpi(form.Handle()); }

    WindowSpec layout = SampleSpec();
    FormWindow form;
};

TEST_F(SampleForm, ControlsSitAtTheirTwipPositionsConvertedAtTheWindowsDpi) {
    const int dpi = Dpi();
    for (const auto& control : layout.controls) {
        if (control.kind == ControlKind::Line) {
            continue;
        }
        SCOPED_TRACE(control.name);
        const HWND child = form.Control(control.name);
        ASSERT_NE(child, nullptr);
        const RECT rect = RectInParent(child);
        EXPECT_EQ(rect.left, TwipsToPixels(control.left, dpi));
        EXPECT_EQ(rect.top, TwipsToPixels(control.top, dpi));
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(control.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(control.height, dpi));
    }
}

TEST_F(SampleForm, TheClientAreaHasTheSizeOfTheLayout) {
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(6000, Dpi()));
    EXPECT_EQ(client.bottom, TwipsToPixels(4500, Dpi()));
}

TEST_F(SampleForm, EachControlIsAChildWindowOfItsKindWithTheCaptionAsWindowText) {
    EXPECT_EQ(ClassOf(form.Control("Note")), L"Static");
    EXPECT_EQ(TextOf(form.Control("Note")), L"Options");
    EXPECT_EQ(ClassOf(form.Control("Text1")), L"Edit");
    EXPECT_EQ(TextOf(form.Control("Text1")), L"now playing");
    EXPECT_EQ(ClassOf(form.Control("List1")), L"ListBox");
    EXPECT_EQ(ClassOf(form.Control("Play")), L"Button");
    EXPECT_EQ(TextOf(form.Control("Play")), L"Play");
    EXPECT_EQ(TextOf(form.Control("Check1")), L"Disable ChatSends");
    EXPECT_EQ(GetWindowLongW(form.Control("Check1"), GWL_STYLE) & BS_TYPEMASK, BS_3STATE);
    EXPECT_EQ(GetWindowLongW(form.Control("Text1"), GWL_STYLE) & ES_CENTER, static_cast<LONG>(ES_CENTER));
    // A line is painted, not a window.
    EXPECT_EQ(form.Control("Line1"), nullptr);
    EXPECT_EQ(ChildrenInZOrder(form.Handle()).size(), layout.controls.size() - 1);
}

TEST_F(SampleForm, ControlsAreFoundByNameAndNamedByWindow) {
    for (const auto& control : layout.controls) {
        if (const HWND child = form.Control(control.name)) {
            EXPECT_EQ(form.Controls().NameOf(child), control.name);
        }
    }
    EXPECT_EQ(form.Control("Nothing"), nullptr);
    EXPECT_EQ(form.Controls().NameOf(form.Handle()), "");
}

TEST_F(SampleForm, TheZOrderIsTheTabOrderWithTabStopsOnlyOnFocusableControls) {
    std::vector<std::string> names;
    for (HWND child : ChildrenInZOrder(form.Handle())) {
        names.push_back(form.Controls().NameOf(child));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Text1", "Play", "List1", "Hidden", "Check1", "Note"}));

    const auto tabStop = [&](const char* name) {
        return (GetWindowLongW(form.Control(name), GWL_STYLE) & WS_TABSTOP) != 0;
    };
    EXPECT_TRUE(tabStop("Play"));
    EXPECT_TRUE(tabStop("List1"));
    EXPECT_FALSE(tabStop("Note"));
}

TEST_F(SampleForm, HiddenAndDisabledControlsAreCreatedSo) {
    const auto style = [&](const char* name) { return GetWindowLongW(form.Control(name), GWL_STYLE); };
    EXPECT_EQ(style("Hidden") & WS_VISIBLE, 0);
    EXPECT_NE(style("Play") & WS_VISIBLE, 0);
    EXPECT_NE(style("Text1") & WS_DISABLED, 0);
    EXPECT_EQ(style("List1") & WS_DISABLED, 0);
    // Flat: a thin border instead of the sunken edge.
    EXPECT_NE(style("List1") & WS_BORDER, 0);
    EXPECT_EQ(GetWindowLongW(form.Control("List1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(GetWindowLongW(form.Control("Hidden"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(SampleForm, ControlsGetTheirFontAtTheWindowsDpi) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(form.Control("Note"), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logFont{};
    ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0);
    EXPECT_STREQ(logFont.lfFaceName, L"Tahoma");
    EXPECT_EQ(logFont.lfHeight, -static_cast<LONG>(std::lround(9.75 * Dpi() / 72.0)));
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    // Without a face: the system's dialog font, not the stock system font.
    EXPECT_NE(SendMessageW(form.Control("Play"), WM_GETFONT, 0, 0), 0);
}

struct PaintedColours {
    COLORREF text;
    COLORREF back;
    COLORREF brush;
};

PaintedColours ColoursFor(HWND parent, UINT message, HWND child) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
    LOGBRUSH logBrush{};
    GetObjectW(brush, sizeof(logBrush), &logBrush);
    const PaintedColours colours{GetTextColor(dc), GetBkColor(dc), logBrush.lbColor};
    DeleteDC(dc);
    return colours;
}

TEST_F(SampleForm, ControlsArePaintedInTheirOleColours) {
    const PaintedColours list = ColoursFor(form.Handle(), WM_CTLCOLORLISTBOX, form.Control("List1"));
    EXPECT_EQ(list.text, RGB(0xC0, 0, 0));
    EXPECT_EQ(list.back, GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(list.brush, GetSysColor(COLOR_WINDOWFRAME));

    // A disabled edit asks for the colours of a static control.
    const PaintedColours line = ColoursFor(form.Handle(), WM_CTLCOLORSTATIC, form.Control("Text1"));
    EXPECT_EQ(line.text, GetSysColor(COLOR_MENU));
    EXPECT_EQ(line.back, RGB(0x80, 0, 0));
    EXPECT_EQ(line.brush, RGB(0x80, 0, 0));
}

TEST_F(SampleForm, TheWindowPaintsItsBackgroundColourAndItsLines) {
    const int dpi = Dpi();
    EXPECT_EQ(testing::PaintedPixel(form.Handle(), TwipsToPixels(3000, dpi), TwipsToPixels(2400, dpi)),
              RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(testing::PaintedPixel(form.Handle(), TwipsToPixels(3000, dpi), TwipsToPixels(2880, dpi)),
              RGB(0xFF, 0, 0));
}

TEST_F(SampleForm, ADpiChangeMovesAndResizesEveryControl) {
    const int dpi = 2 * Dpi();
    RECT suggested{};
    GetWindowRect(form.Handle(), &suggested);
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    const RECT list = RectInParent(form.Control("List1"));
    EXPECT_EQ(list.left, TwipsToPixels(120, dpi));
    EXPECT_EQ(list.top, TwipsToPixels(480, dpi));
    EXPECT_EQ(list.right - list.left, TwipsToPixels(2655, dpi));
    EXPECT_EQ(list.bottom - list.top, TwipsToPixels(1785, dpi));

    LOGFONTW logFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.Control("Note"), WM_GETFONT, 0, 0)), sizeof(logFont),
               &logFont);
    EXPECT_EQ(logFont.lfHeight, -static_cast<LONG>(std::lround(9.75 * dpi / 72.0)));
}

TEST_F(SampleForm, ControlCommandsReachTheirHandler) {
    int clicks = 0;
    form.Controls().OnCommand("Play", [&](int notifyCode) { clicks += notifyCode == BN_CLICKED ? 1 : 0; });
    SendMessageW(form.Control("Play"), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST(FormWindowEvents, ClosingUnloadsThenDestroys) {
    FormWindow form;
    ASSERT_TRUE(form.Create(SampleSpec()));
    std::vector<std::string> events;
    form.onUnload = [&] { events.push_back("unload"); };
    form.onTerminate = [&] { events.push_back("terminate"); };
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"unload", "terminate"}));
    EXPECT_EQ(form.Handle(), nullptr);
}

TEST(FormWindowEvents, TheEndOfTheSessionIsNotTheCloseBoxAndACancelledEndIsNothing) {
    FormWindow form;
    ASSERT_TRUE(form.Create(SampleSpec()));
    std::vector<std::string> events;
    form.onUnload = [&] { events.push_back("unload"); };
    form.onSessionEnd = [&] { events.push_back("session end"); };
    form.onTerminate = [&] { events.push_back("terminate"); };
    EXPECT_NE(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    SendMessageW(form.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(events.empty());
    SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"session end"}));
    EXPECT_TRUE(IsWindow(form.Handle()));

    form.onSessionEnd = nullptr;
    SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"session end"}))
        << "unset, the end of the session does nothing";
}

// A window whose handler throws for WM_APP and answers 42 to WM_APP + 1.
class ThrowingWindow : public BaseWindow {
  public:
    bool Create(bool throwOnCreate = false) {
        throwOnCreate_ = throwOnCreate;
        return CreateBaseWindow({.className = L"OrvJubo.Test.Throwing", .style = WS_OVERLAPPED}) != nullptr;
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP || (message == WM_CREATE && throwOnCreate_)) {
            throw std::runtime_error("handler failed");
        }
        if (message == WM_APP + 1) {
            return 42;
        }
        return BaseWindow::HandleMessage(message, wParam, lParam);
    }

  private:
    bool throwOnCreate_ = false;
};

TEST(ExceptionBarrier, AThrowingHandlerIsAbandonedAndTheWindowGoesOn) {
    ThrowingWindow window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_APP + 1, 0, 0), 42);
    // Also when the message arrives through the message loop.
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
    EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST(ExceptionBarrier, AThrowingCreationFailsTheWindow) {
    ThrowingWindow window;
    EXPECT_FALSE(window.Create(true));
    EXPECT_EQ(window.Handle(), nullptr);
}

TEST(Colours, SystemColoursComeFromTheCurrentScheme) {
    EXPECT_EQ(ToColorRef(OleColour::System(COLOR_HIGHLIGHT)), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ToColorRef(OleColour::System(COLOR_MENUTEXT)), GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(ToColorRef(OleColour::Hex(0xC00000)), RGB(0xC0, 0, 0));
}

}  // namespace
}  // namespace orv::win32
