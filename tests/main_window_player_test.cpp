// The bindings on frmJubo: the player's buttons, the playlist's double-click, the engine's panel,
// frmChatSends and frmAddDir, and the four pop-up menus with the buttons that open them, in memory.
#include "app/jubo_player.h"

#include <gtest/gtest.h>

#include "app/main_window_layout.h"
#include "app/main_window_menus.h"
#include "fakes/fake_chat_sender.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_process.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"

namespace orv {
namespace {

using testing::FakeForm;

class MainWindowPlayer : public ::testing::Test {
  protected:
    MainWindowPlayer() { folders.folders[L"C:\\Music"] = {L"Rock", L"Jazz"}; }

    void Fill(std::initializer_list<const wchar_t*> entries, int selected) {
        for (const wchar_t* entry : entries) {
            player.List1().AddItem(entry);
        }
        player.List1().SetListIndex(selected);
    }
    Text Field(const char* name) { return frmJubo.TextBoxNamed(name).GetText(); }
    testing::FakeMediaEngine& Engine() { return panels.engines.front(); }

    testing::FakeFormFactory forms;
    testing::FakeEnginePanels panels;
    testing::FakeFolders folders;
    testing::FakeDialogs dialogs;
    testing::FakeChatSender chat;
    testing::FakeHandlerQueue later;
    FakeForm frmJubo{MainWindowSpec()};
    JuboPlayer player{frmJubo, forms, panels, folders, dialogs, chat, later};
    testing::FakeProcess process;
    SingleForm form1{forms, CcomsWindowSpec(), nullptr};
    SingleForm form2{forms, CreditsWindowSpec(), nullptr};
    MainWindowMenus menus{frmJubo, player, {.Form1 = form1, .Form2 = form2, .showForm3 = nullptr}, process};
};

TEST_F(MainWindowPlayer, MediaPlayer1IsTheEnginesPanelAndItsEventsAreBound) {
    ASSERT_EQ(panels.engines.size(), 1u);
    EXPECT_EQ(&player.MediaPlayer1(), &Engine());
    EXPECT_TRUE(Engine().onNewStream);
    EXPECT_TRUE(Engine().onEndOfStream);
}

TEST_F(MainWindowPlayer, EachButtonReachesItsOperation) {
    struct Case {
        const char* button;
        int selectedBefore;
        std::vector<Text> engineCalls;
        std::vector<Text> messages;
        int selectedAfter;
    };
    const std::vector<Case> cases = {
        {"XPButton1", 1, {L"SetFileName C:\\Music\\two.mp3", L"Play"}, {}, 1},
        {"XPButton1", -1, {}, {L"No file to play"}, -1},
        {"XPButton9", 0, {L"SetMute true"}, {}, 0},
        {"XPButton8", 0, {L"SetFileName C:\\Music\\two.mp3", L"Play"}, {}, 1},
        {"XPButton10", 2, {L"SetFileName C:\\Music\\two.mp3", L"Play"}, {}, 1},
        {"XPButton2", 0, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        player.List1().Clear();
        Fill({L"one.mp3", L"two.mp3", L"three.mp3"}, c.selectedBefore);
        Engine().calls.clear();
        dialogs.shown.clear();
        ASSERT_TRUE(frmJubo.Press(c.button));
        EXPECT_EQ(Engine().calls, c.engineCalls);
        EXPECT_EQ(dialogs.Messages(), c.messages);
        EXPECT_EQ(player.List1().ListIndex(), c.selectedAfter);
    }
    // "Mute" toggles; "Chat Sends" showed its one window, modeless.
    frmJubo.Press("XPButton9");
    EXPECT_FALSE(Engine().Mute());
    FakeForm* chatSends = forms.Latest("frmChatSends");
    ASSERT_NE(chatSends, nullptr);
    EXPECT_TRUE(chatSends->IsVisible());
    EXPECT_EQ(forms.created["frmChatSends"], 1);
}

TEST_F(MainWindowPlayer, StepButtonsOnAnEmptyPlaylist) {
    frmJubo.Press("XPButton8");
    frmJubo.Press("XPButton10");
    EXPECT_EQ(dialogs.Messages(), (std::vector<Text>{L"No files found."}))
        << "previous on an empty list is silent";
}

TEST_F(MainWindowPlayer, ADoubleClickLoadsTheEntryThroughTheHiddenAddDirectoryWindow) {
    Fill({L"one.mp3", L"two.mp3"}, 1);
    frmJubo.DoubleClick("List1");
    EXPECT_EQ(Field("Text1"), L"two.mp3");
    EXPECT_EQ(Field("Text2"), L"C:\\Music\\two.mp3");
    EXPECT_EQ(Engine().FileName(), L"C:\\Music\\two.mp3");
    EXPECT_TRUE(dialogs.shown.empty());

    FakeForm* addDir = forms.Latest("frmAddDir");
    ASSERT_NE(addDir, nullptr);
    EXPECT_FALSE(addDir->IsVisible());
    const FormListBox& dir1 = addDir->ListBoxNamed("Dir1");
    ASSERT_EQ(dir1.Count(), 4) << "the root, the folder, then its subfolders";
    EXPECT_EQ(dir1.Item(3), L"Jazz");
}

// Each row opens its menu (a button, List1's right button, or the tray's sysmenu) and chooses the item, or
// presses the button; "> " marks an item of a submenu. The rows of a menu are all its items, in order.
TEST_F(MainWindowPlayer, EveryMenuItemAndButtonReachesItsOperationOrNothing) {
    struct Case {
        const char* opener;
        const char* item;
        const wchar_t* caption;
        std::vector<Text> engineCalls;
        const char* shows;
    };
    const std::vector<Text> none, playTwo = {L"SetFileName C:\\Music\\two.mp3", L"Play"};
    const std::vector<Case> cases = {
        {"XPButton6", "mnuAddDir", L"Directory", none, "frmAddDir"},
        {"XPButton6", "mnuAddFile", L"File", none, ""},
        {"XPButton6", "mnuAddplaylist", L"Playlist", none, ""},
        {"XPButton7", "mnuMinTask", L"To Taskbar", none, ""},
        {"XPButton7", "mnuMinTray", L"To System Tray", none, ""},
        {"sysmenu", "mnuNextSong", L"Next Song", {L"SetFileName C:\\Music\\three.mp3", L"Play"}, ""},
        {"sysmenu", "mnuPrevious", L"Previous Song", {L"SetFileName C:\\Music\\one.mp3", L"Play"}, ""},
        {"sysmenu", "mnuplaypause", L"Play/Pause", none, ""},
        {"sysmenu", "mnupause", L"> Pause", {L"Pause"}, ""},
        {"sysmenu", "mnuResume", L"> Resume", {L"Play"}, ""},
        {"sysmenu", "mnuMute", L"Mute", {L"SetMute true"}, ""},
        {"sysmenu", "mnuUnmute", L"Unmute", {L"SetMute false"}, ""},
        {"sysmenu", "mnuSysAdd", L"Add", none, ""},
        {"sysmenu", "mnuSysAddDir", L"> Directory", none, "frmAddDir"},
        {"sysmenu", "mnuSysAddFile", L"> File", none, ""},
        {"sysmenu", "mnuSysAddPL", L"> Playlist", none, ""},
        {"sysmenu", "mnuCredits", L"Credits", none, "Form2"},
        {"sysmenu", "mnuClose", L"Close", none, ""},
        {"sysmenu", "mnuRestore", L"Restore", none, ""},
        {"sysmenu", "mnuCancel", L"Cancel", none, ""},
        {"sysmenu", "mnuSkins", L"Skins", none, ""},
        {"List1", "mnuListPlay", L"Play", playTwo, ""},
        {"List1", "mnuListPause", L"Pause", {L"Pause"}, ""},
        {"List1", "mnuRefresh", L"Refresh", none, ""},
        {"", "XPButton12", L"Ccoms", none, "Form1"},
        {"", "XPButton5", L"Save", none, ""},
        {"", "XPButton4", L"Remove File", none, ""},
        {"", "XPButton3", L"Clear Playlist", none, ""},
    };
    std::map<std::string, std::vector<Text>> seen, expected;
    const auto flatten = [&](const auto& self, const std::string& opener, const std::vector<MenuItem>& items,
                             const Text& mark) -> void {
        for (const MenuItem& item : items) {
            seen[opener].push_back(mark + item.caption);
            self(self, opener, item.items, L"> ");
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        player.List1().Clear();
        Fill({L"one.mp3", L"two.mp3", L"three.mp3"}, 1);
        Engine().calls.clear();
        for (testing::FakeForm* window : forms.living) {
            window->Hide();
        }
        const std::string opener = c.opener;
        if (opener.empty()) {
            EXPECT_EQ(frmJubo.PushButtonNamed(c.item).Caption(), c.caption);
            ASSERT_TRUE(frmJubo.Press(c.item));
        } else {
            if (opener == "List1") {
                frmJubo.MouseDown("List1", MouseButton::Right);
            } else if (opener == "sysmenu") {
                frmJubo.PopUpMenu(menus.sysmenu());
            } else {
                frmJubo.Press(c.opener);
            }
            ASSERT_TRUE(frmJubo.openMenu);
            expected[opener].push_back(c.caption);
            if (seen[opener].empty()) {
                flatten(flatten, opener, frmJubo.openMenu->items, L"");
            }
            if (opener == "sysmenu" && std::string(c.item) == "mnuClose") {
                EXPECT_THROW(frmJubo.ChooseMenuItem(c.item), testing::ProcessEnded);
                EXPECT_EQ(process.ends, 1);
                EXPECT_TRUE(chat.sent.empty()) << "ends without a word";
                process.ends = 0;
                continue;
            }
            ASSERT_TRUE(frmJubo.ChooseMenuItem(c.item));
        }
        EXPECT_EQ(Engine().calls, c.engineCalls);
        const testing::FakeForm* shown = *c.shows ? forms.Latest(c.shows) : nullptr;
        EXPECT_TRUE(*c.shows == 0 || (shown && shown->IsVisible()));
        EXPECT_EQ(
            std::count_if(forms.living.begin(), forms.living.end(), [](auto* f) { return f->IsVisible(); }),
            *c.shows ? 1 : 0);
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(process.ends, 0);
    }
    EXPECT_EQ(seen, expected) << "each menu holds exactly its items, in order";
}

}  // namespace
}  // namespace orv
