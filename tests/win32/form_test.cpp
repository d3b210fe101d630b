// The portable window over real windows: every kind of control reached by name, its values, events and
// colours, the window's picture, showing, menus, the close box and the end of the session.
#include "platform/win32/win32_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/unique_handles.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::TextOf;

WindowSpec SeamSpec() {
    const auto at = [](const char* name, ControlKind kind, int top, const wchar_t* caption, int tab) {
        return ControlSpec{.name = name,
                           .kind = kind,
                           .left = 120,
                           .top = top,
                           .width = 1800,
                           .height = 285,
                           .caption = caption,
                           .tabIndex = tab};
    };
    WindowSpec layout{.name = "frmSeam",
                      .caption = L"Seam",
                      .border = BorderStyle::FixedToolWindow,
                      .clientWidth = 4000,
                      .clientHeight = 4000,
                      .back = OleColour::Hex(0x000000),
                      .taskbarButton = false,
                      .controls = {
                          at("Label1", ControlKind::Label, 120, L"Options", -1),
                          at("Text1", ControlKind::TextBox, 480, L"", 0),
                          at("Option1", ControlKind::OptionButton, 840, L"Enable", 1),
                          at("Check1", ControlKind::CheckBox, 1200, L"No Trigger", 2),
                          at("Option2", ControlKind::OptionButton, 1560, L"Disable", 3),
                          at("XPButton1", ControlKind::PushButton, 1920, L"OK", 4),
                          at("XPButton2", ControlKind::PushButton, 2280, L"Cancel", 5),
                          at("List1", ControlKind::ListBox, 2640, L"", 6),
                          {.name = "Line1",
                           .kind = ControlKind::Line,
                           .left = 2400,
                           .top = 3600,
                           .width = 1200,
                           .fore = OleColour::Hex(0xFF0000),
                           .lineWidth = 2},
                      }};
    layout.controls[6].enabled = false;  // XPButton2
    layout.controls[7].height = 900;
    return layout;
}

COLORREF TextColourOf(HWND parent, HWND child) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

// The keys that a thread timer posts into the open menu's loop, and the captions it saw there.
std::vector<WPARAM> menuKeys;
std::vector<std::wstring> menuCaptions;

void CALLBACK DriveMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow) || !menuCaptions.empty()) {
        return;
    }
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
        wchar_t caption[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
        menuCaptions.push_back(caption);
    }
    for (const WPARAM key : menuKeys) {
        PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
    }
    KillTimer(nullptr, timer);
}

struct Seam {
    std::unique_ptr<Form> form = Win32FormFactory().Create(SeamSpec());
    std::vector<std::string> events;

    FormWindow& Window() { return Win32Form::Of(form.get())->Window(); }
    HWND Child(const char* name) { return Window().Control(name); }
    void Click(const char* name) { SendMessageW(Child(name), BM_CLICK, 0, 0); }
    std::function<void()> Note(std::string event) {
        return [this, event] { events.push_back(event); };
    }
};

struct Case {
    const char* what;
    std::function<void(Seam&)> run;
};

const std::vector<Case> kCases = {
    {"a text box's text is its edit control's",
     [](Seam& s) {
         FormTextBox& text1 = s.form->TextBoxNamed("Text1");
         text1.SetText(L"caf\u00e9 \u00bb");
         EXPECT_EQ(TextOf(s.Child("Text1")), L"caf\u00e9 \u00bb");
         SetWindowTextW(s.Child("Text1"), L"typed");
         EXPECT_EQ(text1.GetText(), L"typed");
         EXPECT_THROW(s.form->TextBoxNamed("List1"), FormError);
         EXPECT_THROW(s.form->ControlNamed("Nothing"), FormError);
     }},
    {"a check box holds three states and the user's click only ticks and clears",
     [](Seam& s) {
         FormCheckBox& check1 = s.form->CheckBoxNamed("Check1");
         check1.SetValue(2);
         EXPECT_EQ(SendMessageW(s.Child("Check1"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
         s.Click("Check1");
         EXPECT_EQ(check1.Value(), 1);
         s.Click("Check1");
         EXPECT_EQ(check1.Value(), 0);
     }},
    {"option buttons are one group for the user and for the program",
     [](Seam& s) {
         FormOptionButton& option1 = s.form->OptionButtonNamed("Option1");
         FormOptionButton& option2 = s.form->OptionButtonNamed("Option2");
         option2.SetValue(true);
         s.Click("Option1");
         EXPECT_TRUE(option1.Value());
         EXPECT_FALSE(option2.Value());
         option2.SetValue(true);
         EXPECT_FALSE(option1.Value());
         EXPECT_EQ(SendMessageW(s.Child("Option2"), BM_GETCHECK, 0, 0), BST_CHECKED);
     }},
    {"a push button raises its click only while enabled",
     [](Seam& s) {
         s.form->PushButtonNamed("XPButton1").onClick = s.Note("ok");
         FormPushButton& cancel = s.form->PushButtonNamed("XPButton2");
         cancel.onClick = s.Note("cancel");
         s.Click("XPButton1");
         s.Click("XPButton2");
         EXPECT_FALSE(cancel.Enabled());
         cancel.SetEnabled(true);
         s.Click("XPButton2");
         EXPECT_EQ(s.events, (std::vector<std::string>{"ok", "cancel"}));
     }},
    {"a list raises its double-click and the right button, which leaves the selection",
     [](Seam& s) {
         FormListBox& list1 = s.form->ListBoxNamed("List1");
         list1.AddItem(L"one.mp3");
         list1.AddItem(L"two.mp3");
         list1.SetListIndex(0);
         list1.onDoubleClick = s.Note("double-click");
         list1.onMouseDown = [&s](MouseButton button) {
             s.events.push_back(button == MouseButton::Right ? "right" : "other");
         };
         RECT second{};
         SendMessageW(s.Child("List1"), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
         SendMessageW(s.Child("List1"), WM_RBUTTONDOWN, MK_RBUTTON,
                      MAKELPARAM(second.left + 4, second.top + 2));
         EXPECT_EQ(list1.ListIndex(), 0);
         const LPARAM at = MAKELPARAM(second.left + 4, second.top + 2);
         for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
             SendMessageW(s.Child("List1"), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
         }
         EXPECT_EQ(list1.SelectedText(), L"two.mp3");
         EXPECT_EQ(s.events, (std::vector<std::string>{"right", "other", "double-click"}));
     }},
    {"the colours the skins change are painted",
     [](Seam& s) {
         const HWND window = s.Window().Handle();
         const int dpi = WindowDpi(window);
         s.form->ControlNamed("Label1").SetForeColour(OleColour::Hex(0x0000C0));
         EXPECT_EQ(TextColourOf(window, s.Child("Label1")), RGB(0, 0, 0xC0));
         s.form->ControlNamed("Line1").SetForeColour(OleColour::Hex(0xC04000));
         EXPECT_EQ(testing::PaintedPixel(window, TwipsToPixels(3000, dpi), TwipsToPixels(3600, dpi)),
                   RGB(0xC0, 0x40, 0));
         FormControl& ok = s.form->ControlNamed("XPButton1");
         ok.SetBackColour(OleColour::Hex(0xFF00FF));
         ok.SetForeColour(OleColour::Hex(0x00FF00));
         const XPButtonLook look = s.Window().Controls().Button("XPButton1")->Look();
         EXPECT_EQ(look.bcol, OleColour::Hex(0xFF00FF));
         EXPECT_EQ(look.fcol, OleColour::Hex(0x00FF00));
         EXPECT_EQ(ok.BackColour(), OleColour::Hex(0xFF00FF));
         s.form->SetBackColour(OleColour::Hex(0x404040));
         EXPECT_EQ(testing::PaintedPixel(window, TwipsToPixels(3000, dpi), TwipsToPixels(3000, dpi)),
                   RGB(0x40, 0x40, 0x40));
     }},
    {"the picture lies at the top-left over the background colour, scaled with the DPI",
     [](Seam& s) {
         const HWND window = s.Window().Handle();
         const int dpi = WindowDpi(window);
         s.form->SetBackPicture(std::make_shared<const Picture>(
             Picture{.width = 40, .height = 20, .pixels = std::vector<std::uint32_t>(40 * 20, 0xFF00C000u)}));
         EXPECT_EQ(testing::PaintedPixel(window, MulDiv(38, dpi, 96), MulDiv(18, dpi, 96)), RGB(0, 0xC0, 0));
         EXPECT_EQ(testing::PaintedPixel(window, MulDiv(38, dpi, 96), MulDiv(22, dpi, 96)), RGB(0, 0, 0));
     }},
    {"showing a visible window leaves the active window as it is; bringing it to the front activates it",
     [](Seam& s) {
         s.form->Show();
         EXPECT_TRUE(s.form->IsVisible());
         const auto other = Win32FormFactory().Create(SeamSpec());
         other->Show();
         SetActiveWindow(Win32Form::Of(other.get())->Window().Handle());
         const HWND active = GetActiveWindow();
         s.form->Show();
         EXPECT_EQ(GetActiveWindow(), active);
         s.form->BringToFront();
         EXPECT_EQ(GetActiveWindow(), s.Window().Handle());
         s.form->Hide();
         EXPECT_FALSE(s.form->IsVisible());
     }},
    {"a chosen menu item runs its handler, also in a submenu",
     [](Seam& s) {
         s.form->Show();
         menuCaptions.clear();
         menuKeys = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN};
         const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DriveMenu);
         s.form->PopUpMenu(
             {.name = "sysmenu",
              .items = {
                  {.name = "mnuNextSong", .caption = L"Next Song", .onClick = s.Note("next")},
                  {.name = "mnuSysAdd",
                   .caption = L"Add",
                   .items = {
                       {.name = "mnuSysAddDir", .caption = L"Directory", .onClick = s.Note("directory")}}}}});
         KillTimer(nullptr, timer);
         EXPECT_EQ(menuCaptions, (std::vector<std::wstring>{L"Next Song", L"Add"}));
         EXPECT_EQ(s.events, (std::vector<std::string>{"directory"}));
         // The menu's owner gets a WM_NULL once the menu has closed, so that a menu of the notification
         // icon's, opened while no window of the program was active, closes on the next click elsewhere.
         bool nullPosted = false;
         for (MSG msg{}; !nullPosted && PeekMessageW(&msg, s.Window().Handle(), 0, 0, PM_REMOVE);) {
             nullPosted = msg.message == WM_NULL;
             DispatchMessageW(&msg);
         }
         EXPECT_TRUE(nullPosted);
     }},
    {"the close box raises close, then destroy",
     [](Seam& s) {
         s.form->Show();
         s.form->onClose = s.Note("close");
         s.form->onDestroy = s.Note("destroy");
         SendMessageW(s.Window().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
         EXPECT_EQ(s.events, (std::vector<std::string>{"close", "destroy"}));
         EXPECT_FALSE(s.form->Exists());
         EXPECT_EQ(s.form->TextBoxNamed("Text1").GetText(), L"");
     }},
    {"only the session's real end raises its event",
     [](Seam& s) {
         s.form->onSessionEnd = s.Note("session end");
         s.form->onClose = s.Note("close");
         SendMessageW(s.Window().Handle(), WM_ENDSESSION, FALSE, 0);
         SendMessageW(s.Window().Handle(), WM_ENDSESSION, TRUE, 0);
         EXPECT_EQ(s.events, (std::vector<std::string>{"session end"}));
         EXPECT_TRUE(s.form->Exists());
     }},
};

TEST(Win32Form, EachKindOfControlAndEachWindowEvent) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Seam seam;
        ASSERT_TRUE(seam.form->Exists());
        EXPECT_EQ(seam.form->Name(), "frmSeam");
        c.run(seam);
    }
}

}  // namespace
}  // namespace orv::win32
