// The player's bindings on frmJubo: the buttons, the playlist's double-click and right-click menu, the
// engine's panel, frmChatSends and frmAddDir, with the windows in memory.
#include "app/jubo_player.h"

#include <gtest/gtest.h>

#include "app/main_window_layout.h"
#include "fakes/fake_chat_sender.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"

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
    // "Mute" toggles; "Chat Sends" showed its one window, modeless, owned by frmJubo.
    frmJubo.Press("XPButton9");
    EXPECT_FALSE(Engine().Mute());
    FakeForm* chatSends = forms.Latest("frmChatSends");
    ASSERT_NE(chatSends, nullptr);
    EXPECT_TRUE(chatSends->IsVisible());
    EXPECT_EQ(chatSends->owner, &frmJubo);
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
    EXPECT_EQ(addDir->owner, &frmJubo);
    const FormListBox& dir1 = addDir->ListBoxNamed("Dir1");
    ASSERT_EQ(dir1.Count(), 4) << "the root, the folder, then its subfolders";
    EXPECT_EQ(dir1.Item(3), L"Jazz");
}

TEST_F(MainWindowPlayer, TheRightButtonOpensThePlaylistMenuWhoseItemsPlayAndPause) {
    frmJubo.MouseDown("List1", MouseButton::Left);
    EXPECT_FALSE(frmJubo.openMenu) << "the left button opens nothing";
    frmJubo.MouseDown("List1", MouseButton::Right);
    ASSERT_TRUE(frmJubo.openMenu) << "also on an empty playlist";
    EXPECT_EQ(frmJubo.openMenu->name, "mnuListRclick");
    ASSERT_EQ(frmJubo.openMenu->items.size(), 3u);
    EXPECT_EQ(frmJubo.openMenu->items[0].caption, L"Play");
    EXPECT_EQ(frmJubo.openMenu->items[1].caption, L"Pause");
    EXPECT_EQ(frmJubo.openMenu->items[2].caption, L"Refresh");
    frmJubo.DismissMenu();

    Fill({L"one.mp3", L"two.mp3"}, 0);
    frmJubo.MouseDown("List1", MouseButton::Right);
    ASSERT_TRUE(frmJubo.ChooseMenuItem("mnuListPlay"));
    EXPECT_EQ(Field("Text1"), L"one.mp3");
    frmJubo.MouseDown("List1", MouseButton::Right);
    ASSERT_TRUE(frmJubo.ChooseMenuItem("mnuListPause"));
    EXPECT_EQ(Engine().calls.back(), L"Pause");
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace orv
