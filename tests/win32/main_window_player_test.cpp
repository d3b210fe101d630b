// The player on frmJubo: its controls where the layout puts them, the playlist's double-click and right-click
// menu (with frmJubo's menus), and the buttons bound to playing, muting, stepping and "Chat Sends".
#include "app/jubo_player.h"
#include "app/main_window_menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/main_window_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "fakes/fake_chat_sender.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_process.h"
#include "platform/win32/dpi.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "win32/engine_test_support.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::ClassOf;
using testing::PumpUntil;
using testing::RectInParent;
using testing::TextOf;

// What the thread timer saw of a pop-up menu while it was open.
struct MenuWatch {
    bool seen = false;
    std::vector<std::wstring> items;
    std::vector<WPARAM> keys;  // pressed in the menu; none: the menu is closed
};
MenuWatch menuWatch;

// Runs inside the menu's own message loop: reads the open menu's items, then closes it.
void CALLBACK WatchForMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) {
        return;
    }
    if (!menuWatch.seen) {
        menuWatch.seen = true;
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            menuWatch.items.push_back(text);
        }
        for (const WPARAM key : menuWatch.keys) {
            PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
        }
    }
    if (menuWatch.keys.empty()) {
        EndMenu();
    }
}

class MainWindowPlayer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment.Result()));
        form = forms.Create(MainWindowSpec());
        ASSERT_TRUE(form->Exists());
        form->Show();
        player = std::make_unique<JuboPlayer>(*form, forms, *panels, folders, dialogs, chat, engineEvents);
        form1 = std::make_unique<SingleForm>(forms, CcomsWindowSpec(), nullptr);
        form2 = std::make_unique<SingleForm>(forms, CreditsWindowSpec(), nullptr);
        menus = std::make_unique<MainWindowMenus>(*form, *player,
                                                  MainWindowMenus::Windows{*form1, *form2, nullptr}, process);
        menuWatch = {};
    }
    void TearDown() override {
        menus.reset();
        form2.reset();
        form1.reset();
        player.reset();
        panels.reset();
        form.reset();
    }
    FormWindow& frmJubo() { return Win32Form::Of(form.get())->Window(); }
    DirectShowEngine& Engine() { return panels->Panels().front()->Engine(); }

    void Fill(std::initializer_list<const wchar_t*> entries) {
        for (const wchar_t* entry : entries) {
            player->List1().AddItem(entry);
        }
    }
    void Click(const char* button) {
        const HWND window = frmJubo().Control(button);
        ASSERT_NE(window, nullptr) << button;
        SendMessageW(window, BM_CLICK, 0, 0);
    }
    LPARAM PointOnEntry(int index) {
        RECT item{};
        SendMessageW(frmJubo().Control("List1"), LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        return MAKELPARAM(item.left + 5, item.top + 2);
    }
    // Sends the mouse message to List1 with a watch running that closes any menu it opens.
    void MouseOnList(UINT message, LPARAM at) {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &WatchForMenu);
        SendMessageW(frmJubo().Control("List1"), message, message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON,
                     at);
        KillTimer(nullptr, timer);
    }
    Text Field(const char* name) { return TextOf(frmJubo().Control(name)); }
    std::vector<Text> Messages() const {
        std::vector<Text> texts;
        for (const auto& shown : dialogs.shown) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    orv::testing::ComApartment apartment;
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeChatSender chat;
    Win32FormFactory forms;
    std::unique_ptr<Form> form;
    std::unique_ptr<Win32EnginePanels> panels = std::make_unique<Win32EnginePanels>();
    Win32Folders folders;
    Win32HandlerQueue engineEvents;
    std::unique_ptr<JuboPlayer> player;
    orv::testing::FakeProcess process;
    std::unique_ptr<SingleForm> form1;
    std::unique_ptr<SingleForm> form2;
    std::unique_ptr<MainWindowMenus> menus;
};

TEST_F(MainWindowPlayer, ThePlayerControlsSitAtTheirLayoutPositionsWithTheirCaptions) {
    const int dpi = WindowDpi(frmJubo().Handle());
    const WindowSpec layout = MainWindowSpec();
    const std::vector<std::pair<const char*, const wchar_t*>> expected = {
        {"List1", L""},
        {"Text1", L""},
        {"MediaPlayer1", nullptr},
        {"XPButton1", L"Play"},
        {"XPButton9", L"Mute"},
        {"XPButton8", L"Next Song"},
        {"XPButton10", L"Previous Song"},
        {"XPButton2", L"Chat Sends"},
    };
    for (const auto& [name, caption] : expected) {
        SCOPED_TRACE(name);
        const ControlSpec* control = layout.Find(name);
        ASSERT_NE(control, nullptr);
        const HWND window = frmJubo().Control(name);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsWindowVisible(window));
        const RECT rect = RectInParent(window);
        EXPECT_EQ(rect.left, TwipsToPixels(control->left, dpi));
        EXPECT_EQ(rect.top, TwipsToPixels(control->top, dpi));
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(control->width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(control->height, dpi));
        if (caption != nullptr) {
            EXPECT_EQ(TextOf(window), caption);
        }
    }
    EXPECT_EQ(ClassOf(frmJubo().Control("XPButton1")), L"Button");
    EXPECT_EQ(ClassOf(frmJubo().Control("List1")), L"ListBox");
}

TEST_F(MainWindowPlayer, MediaPlayer1IsTheEnginesPanel) {
    EXPECT_EQ(frmJubo().Control("MediaPlayer1"), panels->Panels().front()->Handle());
    EXPECT_EQ(GetParent(panels->Panels().front()->Handle()), frmJubo().Handle());
    EXPECT_EQ(frmJubo().Controls().NameOf(panels->Panels().front()->Handle()), "MediaPlayer1");
}

TEST_F(MainWindowPlayer, ADoubleClickOnAnEntryLoadsItThroughTheCurrentDirectory) {
    Fill({L"one.mp3", L"two.mp3", L"three.mp3"});
    const LPARAM at = PointOnEntry(1);
    SendMessageW(frmJubo().Control("List1"), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(frmJubo().Control("List1"), WM_LBUTTONUP, 0, at);
    SendMessageW(frmJubo().Control("List1"), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(frmJubo().Control("List1"), WM_LBUTTONUP, 0, at);

    EXPECT_EQ(Field("Text1"), L"two.mp3");
    const Text directory = player->frmAddDir().Dir1Path();
    EXPECT_EQ(directory, Win32Folders().CurrentDirectory());
    EXPECT_EQ(Field("Text2"), directory + L"\\two.mp3");
    EXPECT_EQ(player->MediaPlayer1().FileName(), directory + L"\\two.mp3");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowPlayer, PlayWithNothingSelectedEmptiesTheNowPlayingLineAndSaysSo) {
    Fill({L"one.mp3"});
    player->List1().SetListIndex(0);
    Click("XPButton1");
    ASSERT_EQ(Field("Text1"), L"one.mp3");
    player->List1().SetListIndex(-1);
    Click("XPButton1");
    EXPECT_EQ(Messages(), (std::vector<Text>{L"No file to play"}));
    EXPECT_EQ(Field("Text1"), L"");
}

TEST_F(MainWindowPlayer, TheRightButtonOpensThePlaylistMenuAndLeavesTheSelection) {
    Fill({L"one.mp3", L"two.mp3", L"three.mp3"});
    player->List1().SetListIndex(0);
    MouseOnList(WM_RBUTTONDOWN, PointOnEntry(2));
    EXPECT_TRUE(menuWatch.seen);
    EXPECT_EQ(menuWatch.items, (std::vector<std::wstring>{L"Play", L"Pause", L"Refresh"}));
    EXPECT_EQ(player->List1().ListIndex(), 0);
}

TEST_F(MainWindowPlayer, TheRightButtonOpensTheMenuOnAnEmptyPlaylistAndTheLeftButtonOpensNothing) {
    MouseOnList(WM_RBUTTONDOWN, MAKELPARAM(10, 10));
    EXPECT_TRUE(menuWatch.seen);
    menuWatch = {};
    MouseOnList(WM_LBUTTONDOWN, MAKELPARAM(10, 10));
    SendMessageW(frmJubo().Control("List1"), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(menuWatch.seen);
}

TEST_F(MainWindowPlayer, ThePlaylistMenusPlayAndPauseActOnTheSelectedEntry) {
    const Text song = orv::testing::TestMediaFile(L"long_440.mp3");
    ASSERT_FALSE(song.empty());
    Fill({L"one.mp3", song.c_str()});
    player->List1().SetListIndex(1);
    menuWatch.keys = {VK_DOWN, VK_RETURN};  // "Play"
    MouseOnList(WM_RBUTTONDOWN, PointOnEntry(0));
    EXPECT_EQ(Field("Text1"), song);
    EXPECT_EQ(Engine().State(), PlaybackState::Playing);
    menuWatch = {.keys = {VK_DOWN, VK_DOWN, VK_RETURN}};  // "Pause"
    MouseOnList(WM_RBUTTONDOWN, PointOnEntry(0));
    EXPECT_EQ(Engine().State(), PlaybackState::Paused);
    EXPECT_TRUE(dialogs.shown.empty());
    Engine().Stop();
}

TEST_F(MainWindowPlayer, TheSongPlaysBeforeTheRoomIsToldOfIt) {
    const Text song = orv::testing::TestMediaFile(L"long_440.mp3");
    ASSERT_FALSE(song.empty());
    std::vector<PlaybackState> statesWhenSent;
    chat.onSend = [&] { statesWhenSent.push_back(Engine().State()); };
    Fill({song.c_str()});
    player->List1().SetListIndex(0);
    Click("XPButton1");
    EXPECT_TRUE(chat.sent.empty()) << "announced inside the click";
    ASSERT_TRUE(PumpUntil([&] { return !chat.sent.empty(); }));
    EXPECT_EQ(chat.sent, (std::vector<Text>{song}));
    EXPECT_EQ(statesWhenSent, (std::vector<PlaybackState>{PlaybackState::Playing}));
    Engine().Stop();
}

TEST_F(MainWindowPlayer, TheMuteButtonTogglesTheEnginesMute) {
    ASSERT_FALSE(player->MediaPlayer1().Mute());
    Click("XPButton9");
    EXPECT_TRUE(player->MediaPlayer1().Mute());
    Click("XPButton9");
    EXPECT_FALSE(player->MediaPlayer1().Mute());
    EXPECT_EQ(Field("XPButton9"), L"Mute");
}

TEST_F(MainWindowPlayer, NextAndPreviousButtonsStepTheSelection) {
    Click("XPButton8");
    Click("XPButton10");
    EXPECT_EQ(Messages(), (std::vector<Text>{L"No files found."})) << "previous on an empty list is silent";

    Fill({L"one.mp3", L"two.mp3", L"three.mp3"});
    player->List1().SetListIndex(0);
    Click("XPButton8");
    EXPECT_EQ(player->List1().ListIndex(), 1);
    EXPECT_EQ(Field("Text1"), L"two.mp3");
    Click("XPButton10");
    EXPECT_EQ(player->List1().ListIndex(), 0);
    EXPECT_EQ(Field("Text1"), L"one.mp3");
}

TEST_F(MainWindowPlayer, ChatSendsOpensItsWindowModelessAndOnce) {
    Click("XPButton2");
    const HWND chatSends = FindWindowW(L"OrvJubo.frmChatSends", L"Chat Sends");
    ASSERT_NE(chatSends, nullptr);
    EXPECT_TRUE(IsWindowVisible(chatSends));
    EXPECT_TRUE(IsWindowEnabled(frmJubo().Handle()));
    EXPECT_EQ(GetActiveWindow(), chatSends);

    // Pressed again while the window is visible, the button changes nothing, not even which window is active.
    SetActiveWindow(frmJubo().Handle());
    ASSERT_EQ(GetActiveWindow(), frmJubo().Handle());
    Click("XPButton2");
    EXPECT_EQ(FindWindowW(L"OrvJubo.frmChatSends", L"Chat Sends"), chatSends);
    EXPECT_EQ(GetActiveWindow(), frmJubo().Handle());
    EXPECT_TRUE(player->DisableChatSends().IsClear());
}

TEST_F(MainWindowPlayer, TheCurrentDirectoryComesFromAHiddenAddDirectoryWindow) {
    EXPECT_FALSE(player->frmAddDir().Exists());
    const Text directory = player->frmAddDir().Dir1Path();
    EXPECT_TRUE(player->frmAddDir().Exists());
    const HWND addDir = Win32Form::Of(&player->frmAddDir().Window())->Window().Handle();
    EXPECT_EQ(TextOf(addDir), L"Add Directory");
    EXPECT_FALSE(IsWindowVisible(addDir));
    EXPECT_NE(GetWindowLongW(addDir, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(directory, Win32Folders().CurrentDirectory());
    EXPECT_FALSE(directory.empty());
}

// Refuses to make the engine's panel, as a system short of resources would.
LRESULT CALLBACK RefusePanel(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* creation = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(creation->lpszClass) &&
            wcscmp(creation->lpszClass, L"OrvJuboMediaPlayerPanel") == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainWindowWithoutEngine, ThePlayerRunsOnAndWhatNeedsTheEngineDoesNothing) {
    orv::testing::ComApartment apartment;
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeChatSender chat;
    Win32FormFactory forms;
    Win32EnginePanels panels;
    Win32Folders folders;
    Win32HandlerQueue engineEvents;
    const auto frmJubo = forms.Create(MainWindowSpec());
    ASSERT_TRUE(frmJubo->Exists());
    frmJubo->Show();
    const HHOOK hook = SetWindowsHookExW(WH_CBT, &RefusePanel, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    auto player = std::make_unique<JuboPlayer>(*frmJubo, forms, panels, folders, dialogs, chat, engineEvents);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(panels.Panels().empty());

    player->List1().AddItem(L"one.mp3");
    player->List1().SetListIndex(0);
    for (const char* button : {"XPButton1", "XPButton9", "XPButton8"}) {
        SendMessageW(Win32Form::Of(frmJubo.get())->Window().Control(button), BM_CLICK, 0, 0);
    }
    panels.CloseEngines();
    EXPECT_EQ(frmJubo->TextBoxNamed("Text1").GetText(), L"one.mp3");
    EXPECT_FALSE(player->MediaPlayer1().HasOpenFile());
    EXPECT_FALSE(player->MediaPlayer1().Mute());
    EXPECT_TRUE(chat.sent.empty()) << "no engine, so no song opened to announce";
}

}  // namespace
}  // namespace orv::win32
