// Every window as the real builder makes it from its layout data, at 96 and at 144 DPI: each control is a
// child window of its class with its caption at its pixel rectangle, the client size and border are right,
// and the tab key reaches the controls in the order of their tab indexes. Places are checked twice: every
// control of the layout data (the builder), and a hand-written set of rows per window in twips (the layout
// data).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skins_layout.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::ChildrenInZOrder;
using testing::ClassOf;
using testing::RectInParent;
using testing::TextOf;

int Px(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A control as the user sees it; a null caption matches any text. Places are in twips.
struct Row {
    const wchar_t* windowClass;
    const wchar_t* caption;
    int left, top, width, height;
};

// The window itself: its caption, its client size in twips, and whether it is a tool window.
struct Frame {
    const wchar_t* caption;
    int clientWidth, clientHeight;
    bool toolWindow;
};

struct Window {
    WindowSpec (*layout)();
    Frame frame;
    std::vector<Row> rows;
    // "class:caption" of the controls the tab key reaches, from the first.
    std::vector<std::wstring> tabOrder;
};

const Window kWindows[] = {
    {MainWindowSpec,
     {L"Orv Jubo 2.1", 5880, 5160, false},
     {{L"ListBox", L"", 120, 120, 5655, 1785},
      {L"Edit", L"", 0, 3840, 5895, 285},
      {L"Edit", L"Text2", 0, 3480, 5895, 285},
      {L"Edit", L"Text3", 1560, 1920, 2535, 285},
      {L"Static", L"Options", 600, 2040, 975, 255},
      {L"Button", L"Play", 360, 2280, 1695, 255},
      {L"Button", L"Clear Playlist", 2040, 2520, 1695, 255},
      {L"Button", L"Skins", 3720, 2760, 1695, 255},
      {L"Button", L"Minimize", 360, 3000, 1695, 255},
      {L"Button", L"Chat Sends", 3720, 3000, 1695, 255},
      {L"Static", L"", 0, 4080, 5895, 1095}},
     {L"ListBox:", L"Button:Play", L"Button:Chat Sends", L"Button:Clear Playlist", L"Button:Remove File",
      L"Button:Save", L"Button:Add", L"Button:Next Song", L"Button:Mute", L"Button:Previous Song",
      L"Button:Ccoms", L"Button:Minimize", L"Button:Skins"}},
    {AddDirWindowSpec,
     {L"Add Directory", 2745, 5040, true},
     {{L"ComboBox", L"", 120, 120, 2535, 315},
      {L"ListBox", L"", 120, 600, 2535, 3240},
      {L"ListBox", L"", 120, 3960, 2535, 615},
      {L"Button", L"OK", 120, 4680, 1095, 255},
      {L"Button", L"Cancel", 1560, 4680, 1095, 255}},
     {L"ComboBox:", L"ListBox:", L"ListBox:", L"Button:OK", L"Button:Cancel"}},
    {ChatSendsWindowSpec,
     {L"Chat Sends", 4680, 2715, true},
     {{L"Static", L"Text before song", 120, 120, 1215, 255},
      {L"Edit", L"", 1560, 120, 2895, 735},
      {L"Static", L"Text before song", 120, 1200, 1215, 255},
      {L"Edit", L"", 1560, 1200, 2895, 735},
      {L"Button", L"OK", 2280, 2040, 1095, 255},
      {L"Button", L"Disable ChatSends", 1560, 2400, 3015, 255}},
     {L"Edit:", L"Edit:", L"Button:OK", L"Button:Disable ChatSends"}},
    {CcomsWindowSpec,
     {L"Ccoms", 3555, 7245, true},
     {{L"Edit", L"", 120, 120, 615, 285},
      {L"Static", L"Trigger", 960, 120, 3015, 255},
      {L"Button", L"No Trigger", 1560, 120, 1815, 255},
      {L"Edit", L"p?", 120, 600, 615, 285},
      {L"Static", L"Sends current song to chat.", 960, 600, 3015, 255},
      {L"Edit", L"Prev", 120, 3840, 615, 285},
      {L"Static", L"Plays previous song.", 960, 3840, 3015, 255},
      {L"Edit", L"Ref", 120, 6360, 615, 285},
      {L"Static", L"Updates playlist", 960, 6360, 3015, 255},
      {L"Button", L"OK", 1080, 6720, 1095, 255},
      {L"Button", L"Enable Ccoms", 240, 6960, 1575, 255},
      {L"Button", L"Disable Ccoms", 1800, 6960, 1575, 255}},
     // "No Trigger" (16) is disabled; the two options are one stop, at the selected one.
     {L"Edit:",      L"Button:OK",   L"Button:Disable Ccoms",
      L"Edit:p?",    L"Edit:Min",    L"Edit:Cpl",
      L"Edit:Res",   L"Edit:Pause",  L"Edit:Stop",
      L"Edit:End",   L"Edit:Unmute", L"Edit:Mute",
      L"Edit:Vol-",  L"Edit:Vol+",   L"Edit:Info",
      L"Edit:Clear", L"Edit:Exit",   L"Edit:Next",
      L"Edit:Prev",  L"Edit:Ref"}},
    {CreditsWindowSpec,
     {L"Credits", 4335, 2055, true},
     {{L"Static", L"Credits", 0, 0, 4695, 375},
      {L"Static", nullptr, 0, 480, 4695, 495},
      {L"Static", nullptr, 0, 840, 4695, 375},
      {L"Static", nullptr, 0, 1200, 4695, 255},
      {L"Static", nullptr, 0, 1560, 4695, 375}},
     {}},
    {SkinsWindowSpec,
     {L"                -- Skins --", 2430, 3600, true},
     {{L"ListBox", L"", 120, 120, 2175, 2790}, {L"Button", L"OK", 360, 3120, 1695, 375}},
     {L"ListBox:", L"Button:OK"}},
};

const wchar_t* ClassOfKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return L"Edit";
        case ControlKind::ListBox:
            return L"ListBox";
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::PushButton:
            return L"Button";
        case ControlKind::DriveList:
            return L"ComboBox";
        default:
            return L"Static";
    }
}

// A drop-down list is as tall as its font makes it, whatever the layout says.
bool HasHeight(HWND child, int height) {
    const RECT rect = RectInParent(child);
    const int actual = rect.bottom - rect.top;
    if (ClassOf(child) != L"ComboBox") {
        return actual == height;
    }
    TEXTMETRICW metrics{};
    const HDC dc = GetDC(child);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(child, dc);
    return actual >= metrics.tmHeight;
}

// Expects a child of the class with the caption at the rectangle (twips converted at the DPI).
void ExpectControl(HWND window, const Row& row, int dpi) {
    for (HWND child : ChildrenInZOrder(window)) {
        const RECT rect = RectInParent(child);
        if (_wcsicmp(ClassOf(child).c_str(), row.windowClass) == 0 &&
            (row.caption == nullptr || TextOf(child) == row.caption) && rect.left == Px(row.left, dpi) &&
            rect.top == Px(row.top, dpi) && rect.right - rect.left == Px(row.width, dpi) &&
            HasHeight(child, Px(row.height, dpi))) {
            return;
        }
    }
    ADD_FAILURE() << "no " << row.windowClass << " \"" << (row.caption ? row.caption : L"*") << "\" at "
                  << row.left << ", " << row.top << ", " << row.width << " x " << row.height << " twips";
}

// "class:caption" of each control the tab key reaches, starting from the first.
std::vector<std::wstring> TabOrder(HWND window) {
    std::vector<std::wstring> order;
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    for (HWND item = first; item != nullptr && order.size() < 64;) {
        order.push_back(ClassOf(item) + L":" + TextOf(item));
        item = GetNextDlgTabItem(window, item, FALSE);
        if (item == first) {
            break;
        }
    }
    return order;
}

TEST(WindowLayouts, EveryControlSitsAtItsPlaceWithItsTabOrderAt96And144Dpi) {
    for (const Window& expected : kWindows) {
        for (const int dpi : {96, 144}) {
            SCOPED_TRACE(::testing::Message() << expected.layout().name << " at " << dpi << " DPI");
            const WindowSpec layout = expected.layout();
            FormWindow form;
            ASSERT_TRUE(form.Create(layout));
            const HWND window = form.Handle();
            if (WindowDpi(window) != dpi) {
                RECT suggested{};
                GetWindowRect(window, &suggested);
                SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            EXPECT_EQ(TextOf(window), expected.frame.caption);
            RECT client{};
            GetClientRect(window, &client);
            EXPECT_EQ(client.right, Px(expected.frame.clientWidth, dpi));
            EXPECT_EQ(client.bottom, Px(expected.frame.clientHeight, dpi));

            // Fixed borders with a close box; only the main window has a taskbar button.
            const LONG style = GetWindowLongW(window, GWL_STYLE);
            const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
            EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                      WS_CAPTION | WS_SYSMENU);
            EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, expected.frame.toolWindow);
            EXPECT_EQ((exStyle & WS_EX_APPWINDOW) != 0, !expected.frame.toolWindow);

            for (const Row& row : expected.rows) {
                ExpectControl(window, row, dpi);
            }
            size_t windows = 0;
            for (const ControlSpec& control : layout.controls) {
                if (control.kind != ControlKind::Line) {
                    ++windows;
                    ExpectControl(window,
                                  {ClassOfKind(control.kind), control.caption.c_str(), control.left,
                                   control.top, control.width, control.height},
                                  dpi);
                }
            }
            EXPECT_EQ(ChildrenInZOrder(window).size(), windows);
            for (HWND child : ChildrenInZOrder(window)) {
                if (ClassOf(child) == L"Static") {
                    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP, 0) << TextOf(child);
                }
            }
            EXPECT_EQ(TabOrder(window), expected.tabOrder);
        }
    }
}

// Form1's "No Trigger" is set by the program alone, and its two options are one group.
TEST(WindowLayouts, CcomsTriggerBoxStaysGrayedAndItsOptionsAreOneGroup) {
    FormWindow form;
    ASSERT_TRUE(form.Create(CcomsWindowSpec()));
    const auto state = [&](const char* name) { return SendMessageW(form.Control(name), BM_GETCHECK, 0, 0); };
    EXPECT_EQ(state("Check1"), BST_INDETERMINATE);
    SendMessageW(form.Control("Check1"), BM_CLICK, 0, 0);
    EXPECT_EQ(state("Check1"), BST_INDETERMINATE);
    EXPECT_FALSE(IsWindowEnabled(form.Control("Check1")));

    struct Click {
        const char* option;
        LRESULT enable, disable;
    };
    EXPECT_EQ(state("Option2"), BST_CHECKED);
    for (const Click& click :
         {Click{"Option1", BST_CHECKED, BST_UNCHECKED}, Click{"Option2", BST_UNCHECKED, BST_CHECKED},
          Click{"Option1", BST_CHECKED, BST_UNCHECKED}}) {
        SCOPED_TRACE(click.option);
        SendMessageW(form.Control(click.option), BM_CLICK, 0, 0);
        EXPECT_EQ(state("Option1"), click.enable);
        EXPECT_EQ(state("Option2"), click.disable);
    }
}

}  // namespace
}  // namespace orv::win32
