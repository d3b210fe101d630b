// The whole program on the real window system. The end of the session is the main window's shutdown,
// whichever window hears of it first: frmChatSends may hear first and must keep "Disable ChatSends" for the
// shutdown to read. Form1, Form2 and frmAddDir are one window each, and like the skin chooser a window of its
// own; frmJubo shows its picture, also through its transparent label; its tray icon hides it only once the
// shell has the icon.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/main_window_layout.h"
#include "app/program.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skins_layout.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_tray_icon.h"
#include "platform/win32/dpi.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "platform/win32/win32_tray_icon.h"
#include "win32/engine_test_support.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using orv::testing::FakeChatWindows;

void EndSession(HWND window) {
    SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
}

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment.Result()));
        MakeProgram(tray);
    }
    void TearDown() override { program.reset(); }

    // The program afresh, shown, with this tray icon, which must outlive it.
    void MakeProgram(TrayIcon& trayIcon) {
        program.reset();
        program = std::make_unique<JuboProgram>(ProgramPorts{.forms = forms,
                                                             .enginePanels = panels,
                                                             .folders = folders,
                                                             .dialogs = dialogs,
                                                             .chatWindows = windows,
                                                             .codePage = codePage,
                                                             .files = files,
                                                             .chatTimer = timer,
                                                             .process = process,
                                                             .later = engineEvents,
                                                             .tray = trayIcon});
        program->ShowMainWindow();
    }

    HWND frmJubo() { return Win32Form::Of(&program->frmJubo())->Window().Handle(); }
    // Opens "Chat Sends" with its button and returns the window.
    HWND OpenChatSends() {
        SendMessageW(Win32Form::Of(&program->frmJubo())->Window().Control("XPButton2"), BM_CLICK, 0, 0);
        return FindWindowW(L"OrvJubo.frmChatSends", L"Chat Sends");
    }
    // Opens "Chat Sends", ticks "Disable ChatSends" or not, then ends the session for frmChatSends first and
    // frmJubo second.
    void EndTheSessionChatSendsFirst(bool tick) {
        AnnouncementSwitch& disableChatSends = program->Player().DisableChatSends();
        const HWND chatSends = OpenChatSends();
        ASSERT_NE(chatSends, nullptr);
        if (tick) {
            SendMessageW(testing::FindChild(chatSends, L"Button", L"Disable ChatSends"), BM_SETCHECK,
                         BST_CHECKED, 0);
            ASSERT_FALSE(disableChatSends.IsClear());
        }
        EndSession(chatSends);
        EXPECT_EQ(process.ends, 0) << "only the main window ends the program";
        EXPECT_TRUE(IsWindow(chatSends));
        EXPECT_EQ(disableChatSends.IsClear(), !tick) << "frmChatSends lost its settings";
        EndSession(frmJubo());
        EXPECT_EQ(process.ends, 1);
    }
    std::vector<AnsiText> SentToRoom() const {
        std::vector<AnsiText> texts;
        for (const auto& sent : windows.SentTo(room.entry)) {
            if (sent.kind == FakeChatWindows::Kind::SetText) {
                texts.push_back(sent.text);
            }
        }
        return texts;
    }

    orv::testing::ComApartment apartment;
    orv::testing::FakeDialogs dialogs;
    FakeChatWindows windows;
    orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(windows);
    orv::testing::FakeCodePage codePage;
    orv::testing::FakeFiles files;
    orv::testing::FakeTimer timer;
    orv::testing::FakeProcess process;
    Win32FormFactory forms;
    Win32EnginePanels panels;
    Win32Folders folders;
    Win32HandlerQueue engineEvents;
    orv::testing::FakeTrayIcon tray;
    std::unique_ptr<JuboProgram> program;
};

TEST_F(Program, SessionEndWithDisableChatSendsTickedNothingIsSentWhicheverWindowHearsFirst) {
    EndTheSessionChatSendsFirst(true);
    EXPECT_TRUE(SentToRoom().empty());
}

TEST_F(Program, SessionEndWithTheSwitchClearTheGoodbyeIsSentOnce) {
    EndTheSessionChatSendsFirst(false);
    EXPECT_EQ(SentToRoom(), (std::vector<AnsiText>{"Orv Jubo - Unloaded."}));
}

int TopLevelWindowsCaptioned(const wchar_t* caption) {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, caption)) != nullptr;) {
        ++count;
    }
    return count;
}

TEST_F(Program, Form1Form2AndFrmAddDirAreOneModelessToolWindowEachAndComeBackFreshAfterTheCloseBox) {
    const auto choose = [this](const char* menu, const char* item) {
        const Menu bound = program->Menus().Bound(menu);
        return [this, bound, item] { FindMenuItem(bound.items, item)->onClick(); };
    };
    struct Case {
        const wchar_t* caption;
        std::function<void()> show;
        const wchar_t *controlClass, *designText;  // a control that the close box forgets
    };
    const std::vector<Case> cases = {
        {L"Ccoms",
         [this] {
             SendMessageW(Win32Form::Of(&program->frmJubo())->Window().Control("XPButton12"), BM_CLICK, 0, 0);
         },
         L"Edit", L"p?"},
        {L"Credits", choose("sysmenu", "mnuCredits"), L"Static", L"Credits"},
        {L"Add Directory", choose("addfile", "mnuAddDir"), L"Button", L"OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.caption);
        c.show();
        c.show();
        ASSERT_EQ(TopLevelWindowsCaptioned(c.caption), 1);
        const HWND window = FindWindowW(nullptr, c.caption);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(IsWindowEnabled(frmJubo())) << "modeless";
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "a window of its own";
        EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0) << "no taskbar button";
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
                  0);
        EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
        SetWindowTextW(testing::FindChild(window, c.controlClass, c.designText), L"changed");
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(TopLevelWindowsCaptioned(c.caption), 0);
        c.show();
        EXPECT_NE(testing::FindChild(FindWindowW(nullptr, c.caption), c.controlClass, c.designText), nullptr);
    }
}

// Whether `upper` lies above `lower` among the top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) {
            return true;
        }
    }
    return false;
}

TEST_F(Program, ToTaskbarLeavesTheSmallWindowsOnScreenAndTheMainWindowComesInFrontOfThem) {
    const HWND chatSends = OpenChatSends();
    SendMessageW(Win32Form::Of(&program->frmJubo())->Window().Control("XPButton12"), BM_CLICK, 0, 0);
    const HWND ccoms = FindWindowW(nullptr, L"Ccoms");
    program->Form3().Show();
    for (const HWND window : {chatSends, ccoms, FindWindowW(nullptr, L"                -- Skins --")}) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << testing::TextOf(window);
    }
    FindMenuItem(program->Menus().Bound("mnuMinimize").items, "mnuMinTask")->onClick();
    EXPECT_TRUE(IsIconic(frmJubo()));
    EXPECT_TRUE(IsWindowVisible(chatSends) && IsWindowVisible(ccoms));
    // Restored from the taskbar the main window comes in front of them, and so it does when it is raised
    // after one of them, as a click on it raises it.
    ShowWindow(frmJubo(), SW_RESTORE);
    EXPECT_TRUE(IsAbove(frmJubo(), chatSends) && IsAbove(frmJubo(), ccoms));
    BringWindowToTop(ccoms);
    ASSERT_TRUE(IsAbove(ccoms, frmJubo()));
    BringWindowToTop(frmJubo());
    EXPECT_TRUE(IsAbove(frmJubo(), ccoms));
}

// The icon on the test desktop's shell, which refuses it at the first tries or at every try: the main
// window goes to the tray only behind an icon that can bring it back.
TEST_F(Program, ToSystemTrayHidesTheWindowsOnlyOnceTheShellHasTheIcon) {
    const struct {
        int refusedTries;
        bool toTray;
    } cases[] = {{0, true}, {2, true}, {1000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.refusedTries << " tries refused");
        int tries = 0;
        Win32TrayIcon shellTray(LoadIconW(nullptr, IDI_APPLICATION), L"Orv Jubo",
                                [&](DWORD message, NOTIFYICONDATAW* data) -> BOOL {
                                    tries += message == NIM_ADD ? 1 : 0;
                                    return tries > c.refusedTries && Shell_NotifyIconW(message, data);
                                });
        MakeProgram(shellTray);
        const HWND chatSends = OpenChatSends();
        FindMenuItem(program->Menus().Bound("mnuMinimize").items, "mnuMinTray")->onClick();
        EXPECT_EQ(shellTray.InTray(), c.toTray);
        EXPECT_EQ(IsWindowVisible(frmJubo()) == FALSE, c.toTray);
        EXPECT_EQ(IsWindowVisible(chatSends) == FALSE, c.toTray);
        if (c.toTray) {
            // A double-click on the icon, as the shell reports it: the main window comes back, active.
            PostMessageW(shellTray.Handle(), Win32TrayIcon::kCallbackMessage, 0,
                         MAKELPARAM(WM_LBUTTONDBLCLK, Win32TrayIcon::kIconId));
            EXPECT_TRUE(testing::PumpUntil([&] { return IsWindowVisible(frmJubo()) != FALSE; }));
            EXPECT_EQ(GetForegroundWindow(), frmJubo());
            EXPECT_FALSE(shellTray.InTray());
        }
        program.reset();
    }
}

// What a window paints in its client area (WM_PRINTCLIENT), in a bitmap.
struct Painted {
    explicit Painted(HWND window) {
        GetClientRect(window, &client);
        const HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap.reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
        ReleaseDC(nullptr, screen);
        SelectObject(dc, bitmap.get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    }
    ~Painted() { DeleteDC(dc); }
    RECT client{};
    HDC dc = nullptr;
    UniqueBitmap bitmap;
};

TEST_F(Program, TheRedPictureLiesTopLeftOverTheBackgroundColourAndShowsThroughTheTransparentLabel) {
    const Painted painted(frmJubo());
    const COLORREF background = GetSysColor(COLOR_MENUTEXT);
    const int pictureBottom = MulDiv(323, WindowDpi(frmJubo()), 96);
    int red = 0;
    for (int x = 0; x < painted.client.right; ++x) {
        const COLORREF p = GetPixel(painted.dc, x, pictureBottom / 2);
        red += GetRValue(p) > GetGValue(p) + 32;
        for (int y = pictureBottom; y < painted.client.bottom; ++y) {
            ASSERT_EQ(GetPixel(painted.dc, x, y), background) << x << "," << y;
        }
    }
    EXPECT_GT(red, painted.client.right / 10) << "the picture's red swirl";

    // A short caption leaves the label's left third without letters: the picture shows there.
    const HWND label = testing::FindChild(frmJubo(), L"Static", L"Options");
    SetWindowTextW(label, L"O");
    const Painted face(label);
    const RECT at = testing::RectInParent(label);
    for (int x = 0; x < face.client.right / 3; ++x) {
        for (int y = 0; y < face.client.bottom; ++y) {
            ASSERT_EQ(GetPixel(face.dc, x, y), GetPixel(painted.dc, at.left + x, at.top + y))
                << x << "," << y;
        }
    }
}

// A key pressed on the focused control, posted and then routed as the program's message loop routes it.
void PressKey(HWND focus, UINT key, bool shift = false) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    const bool system = key == VK_F10;
    PostMessageW(focus, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    PostMessageW(focus, system ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchWithKeyboardNavigation(msg);
    }
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

bool menuOpened = false;
int menuChecks = 0;

// Closes a pop-up menu that is open, and remembers that one was; ends any menu mode after two seconds.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
        menuOpened = true;
        EndMenu();
    } else if (++menuChecks > 40) {
        EndMenu();
    }
}

// Whether a pop-up menu opened while the action ran; the menu is closed again at once.
bool MenuOpensDuring(const std::function<void()>& action) {
    menuOpened = false;
    menuChecks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseOpenMenu);
    action();
    KillTimer(nullptr, timer);
    return menuOpened;
}

TEST_F(Program, TheKeysDoWhatTheMouseDoesAndEscapeClosesOnlyAnAuxiliaryWindow) {
    FormListBox& list1 = program->frmJubo().ListBoxNamed("List1");
    list1.AddItem(L"one.mp3");
    ASSERT_TRUE(list1.SetListIndex(0));
    const HWND list = Win32Form::Of(&program->frmJubo())->Window().Control("List1");
    SetFocus(list);
    const struct {
        const char* what;
        UINT key;
        bool shift;
        bool opensMenu;
    } menuKeys[] = {{"Enter", VK_RETURN, false, false},
                    {"the context-menu key", VK_APPS, false, true},
                    {"Shift+F10", VK_F10, true, true},
                    {"F10 alone", VK_F10, false, false}};
    for (const auto& k : menuKeys) {
        EXPECT_EQ(MenuOpensDuring([&] { PressKey(list, k.key, k.shift); }), k.opensMenu) << k.what;
    }
    // Enter played the selected entry, as a double-click does.
    EXPECT_EQ(program->frmJubo().TextBoxNamed("Text1").GetText(), L"one.mp3");

    const HWND chatSends = OpenChatSends();
    ASSERT_NE(chatSends, nullptr);
    PressKey(testing::FindChild(chatSends, L"Button", L"Disable ChatSends"), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(chatSends)) << "Escape did not close \"Chat Sends\"";
    PressKey(list, VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(frmJubo())) << "Escape closed the main window";
    EXPECT_EQ(process.ends, 0);

    // Each row presses its keys on the focused control and counts the presses they gave: the push buttons'
    // and options' clicks and the changes of "Disable ChatSends". The options keep their own handlers: the
    // room hears of each switch as after a click.
    Form& ccoms = program->Form1().Window();
    Form& sends = program->Player().frmChatSends().Window();
    int presses = 0;
    program->frmJubo().PushButtonNamed("XPButton2").onClick = [&presses] { ++presses; };
    for (const char* name : {"Option1", "Option2"}) {
        FormOptionButton& option = ccoms.OptionButtonNamed(name);
        option.onClick = [&presses, click = option.onClick] { ++presses, click(); };
    }
    constexpr UINT kShiftTab = 0x100 | VK_TAB;
    const AnsiText on = "Ccoms Enabled", off = "Ccoms Disabled";
    const struct {
        const char* what;
        Form& form;
        const char *focus, *focusAfter;
        std::vector<UINT> keys;
        int presses;
        std::vector<AnsiText> roomHears;
    } pressKeys[] = {
        {"Space on a button", program->frmJubo(), "XPButton2", "XPButton2", {VK_SPACE}, 1},
        {"Enter on a button", program->frmJubo(), "XPButton2", "XPButton2", {VK_RETURN}, 1},
        {"Space on a check box", sends, "Check1", "Check1", {VK_SPACE}, 1},
        {"Space twice on a check box", sends, "Check1", "Check1", {VK_SPACE, VK_SPACE}, 2},
        {"Enter on a check box", sends, "Check1", "Check1", {VK_RETURN}, 0},
        {"Right", ccoms, "Option2", "Option1", {VK_RIGHT}, 1, {on}},
        {"Left round the group", ccoms, "Option1", "Option2", {VK_LEFT}, 1, {off}},
        {"Down, Up", ccoms, "Option2", "Option2", {VK_DOWN, VK_UP}, 2, {on, off}},
        {"Space on the selected option", ccoms, "Option2", "Option2", {VK_SPACE}, 1, {off}},
        {"Tab into the group", ccoms, "XPButton1", "Option2", {VK_TAB}, 0},
        {"Left, Tab, back", ccoms, "Option2", "Option1", {VK_LEFT, VK_TAB, kShiftTab}, 1, {on}},
        {"Tab out of the group", ccoms, "Option1", "Text2", {VK_TAB}, 0},
    };
    ccoms.Show();
    sends.Show();
    for (const auto& c : pressKeys) {
        SCOPED_TRACE(c.what);
        const FormWindow& window = Win32Form::Of(&c.form)->Window();
        SetFocus(window.Control(c.focus));
        presses = 0;
        const std::size_t heard = SentToRoom().size();
        for (const UINT key : c.keys) {
            const int ticked = sends.CheckBoxNamed("Check1").Value();
            PressKey(GetFocus(), key & 0xFF, key == kShiftTab);
            presses += sends.CheckBoxNamed("Check1").Value() != ticked ? 1 : 0;
        }
        EXPECT_EQ(GetFocus(), window.Control(c.focusAfter));
        EXPECT_EQ(presses, c.presses);
        const std::vector<AnsiText> sent = SentToRoom();
        EXPECT_EQ(std::vector<AnsiText>(sent.begin() + static_cast<std::ptrdiff_t>(heard), sent.end()),
                  c.roomHears);
    }
}

// The window's own controls that Tab stops at, in the order of the layout's tab indexes.
std::vector<HWND> TabStopsInLayoutOrder(const FormWindow& window, const WindowSpec& layout) {
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& control : layout.controls) {
        const HWND child = window.Control(control.name);
        if (child != nullptr && (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0 &&
            IsWindowVisible(child) && IsWindowEnabled(child)) {
            stops.push_back(&control);
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    std::vector<HWND> windows;
    for (const ControlSpec* control : stops) {
        windows.push_back(window.Control(control->name));
    }
    return windows;
}

const FormWindow& WindowOf(Form& form) {
    form.Show();
    return Win32Form::Of(&form)->Window();
}

TEST_F(Program, TabAndShiftTabFollowTheLayoutsTabOrder) {
    const struct {
        const char* window;
        const FormWindow& form;
        WindowSpec layout;
    } windows[] = {
        {"frmJubo", WindowOf(program->frmJubo()), MainWindowSpec()},
        {"frmChatSends", WindowOf(program->Player().frmChatSends().Window()), ChatSendsWindowSpec()},
        {"Form1", WindowOf(program->Form1().Window()), CcomsWindowSpec()},
        {"frmAddDir", WindowOf(program->Player().frmAddDir().Window()), AddDirWindowSpec()},
        {"Form3", WindowOf(program->Form3().Window()), SkinsWindowSpec()},
        {"Form2", WindowOf(program->Form2().Get()), CreditsWindowSpec()},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.window);
        std::vector<HWND> stops = TabStopsInLayoutOrder(w.form, w.layout);
        if (stops.empty()) {
            stops.push_back(w.form.Handle());  // only labels: the focus stays with the window
        }
        SetFocus(stops.front());
        for (std::size_t i = 1; i <= stops.size(); ++i) {
            PressKey(GetFocus(), VK_TAB);
            EXPECT_EQ(GetFocus(), stops[i % stops.size()]) << "Tab from stop " << i - 1;
        }
        PressKey(GetFocus(), VK_TAB, true);
        EXPECT_EQ(GetFocus(), stops.back()) << "Shift+Tab from the first stop";
    }
}

}  // namespace
}  // namespace orv::win32
