// frmJubo's pop-up menus and the buttons that open menus and windows, with the whole program in memory: every
// item in its menu and place, and what choosing it reaches.
#include "app/program.h"

#include <gtest/gtest.h>

#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"

namespace orv {
namespace {

using namespace testing;

class MainWindowMenusTest : public ::testing::Test {
  protected:
    FakeForm& frmJubo() { return *forms.Latest("frmJubo"); }
    FakeMediaEngine& Engine() { return panels.engines.front(); }
    std::vector<AnsiText> SentToRoom() const {
        std::vector<AnsiText> texts;
        for (const auto& s : windows.SentTo(room.entry)) {
            texts.push_back(s.text);
        }
        return texts;
    }
    // The auxiliary windows on show.
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (const FakeForm* form : forms.living) {
            if (form->Name() != "frmJubo" && form->IsVisible()) {
                names.push_back(form->Name());
            }
        }
        return names;
    }

    FakeFormFactory forms;
    FakeEnginePanels panels;
    FakeFolders folders;
    FakeDialogs dialogs;
    FakeChatWindows windows;
    FakeChatRoom room = AddChatRoom(windows);
    FakeCodePage codePage;
    FakeFiles files;
    FakeTimer timer;
    FakeProcess process;
    FakeHandlerQueue later;
    JuboProgram program{ProgramPorts{.forms = forms,
                                     .enginePanels = panels,
                                     .folders = folders,
                                     .dialogs = dialogs,
                                     .chatWindows = windows,
                                     .codePage = codePage,
                                     .files = files,
                                     .chatTimer = timer,
                                     .process = process,
                                     .later = later}};
};

// What opens a menu: a button, the playlist's right button, or the tray (which opens sysmenu).
enum class Opener { AddButton, MinimizeButton, PlaylistRightButton, Tray, None };

TEST_F(MainWindowMenusTest, EveryItemAndButtonReachesItsOperationOrNothing) {
    struct Case {
        Opener opener;
        const char* item;  // an item of the opened menu, in the menu's order, or a button pressed
        const wchar_t* caption;
        int depth;  // 1 for an item of a submenu
        std::vector<Text> engineCalls;
        std::vector<std::string> shown;
    };
    const std::vector<Text> nothing;
    const std::vector<Text> playTwo = {L"SetFileName C:\\Music\\two.mp3", L"Play"};
    const std::vector<Case> cases = {
        {Opener::AddButton, "mnuAddDir", L"Directory", 0, nothing, {"frmAddDir"}},
        {Opener::AddButton, "mnuAddFile", L"File", 0, nothing, {}},
        {Opener::AddButton, "mnuAddplaylist", L"Playlist", 0, nothing, {}},
        {Opener::MinimizeButton, "mnuMinTask", L"To Taskbar", 0, nothing, {}},
        {Opener::MinimizeButton, "mnuMinTray", L"To System Tray", 0, nothing, {}},
        {Opener::Tray, "mnuNextSong", L"Next Song", 0, {L"SetFileName C:\\Music\\three.mp3", L"Play"}, {}},
        {Opener::Tray, "mnuPrevious", L"Previous Song", 0, {L"SetFileName C:\\Music\\one.mp3", L"Play"}, {}},
        {Opener::Tray, "mnuplaypause", L"Play/Pause", 0, nothing, {}},
        {Opener::Tray, "mnupause", L"Pause", 1, {L"Pause"}, {}},
        {Opener::Tray, "mnuResume", L"Resume", 1, {L"Play"}, {}},
        {Opener::Tray, "mnuMute", L"Mute", 0, {L"SetMute true"}, {}},
        {Opener::Tray, "mnuUnmute", L"Unmute", 0, {L"SetMute false"}, {}},
        {Opener::Tray, "mnuSysAdd", L"Add", 0, nothing, {}},
        {Opener::Tray, "mnuSysAddDir", L"Directory", 1, nothing, {"frmAddDir"}},
        {Opener::Tray, "mnuSysAddFile", L"File", 1, nothing, {}},
        {Opener::Tray, "mnuSysAddPL", L"Playlist", 1, nothing, {}},
        {Opener::Tray, "mnuCredits", L"Credits", 0, nothing, {"Form2"}},
        {Opener::Tray, "mnuClose", L"Close", 0, nothing, {}},
        {Opener::Tray, "mnuRestore", L"Restore", 0, nothing, {}},
        {Opener::Tray, "mnuCancel", L"Cancel", 0, nothing, {}},
        {Opener::Tray, "mnuSkins", L"Skins", 0, nothing, {}},
        {Opener::PlaylistRightButton, "mnuListPlay", L"Play", 0, playTwo, {}},
        {Opener::PlaylistRightButton, "mnuListPause", L"Pause", 0, {L"Pause"}, {}},
        {Opener::PlaylistRightButton, "mnuRefresh", L"Refresh", 0, nothing, {}},
        {Opener::None, "XPButton12", L"Ccoms", 0, nothing, {"Form1"}},
        {Opener::None, "XPButton5", L"Save", 0, nothing, {}},
        {Opener::None, "XPButton4", L"Remove File", 0, nothing, {}},
        {Opener::None, "XPButton3", L"Clear Playlist", 0, nothing, {}},
    };
    for (const auto& entry : {L"one.mp3", L"two.mp3", L"three.mp3"}) {
        program.Player().List1().AddItem(entry);
    }
    const auto open = [&](Opener opener) {
        switch (opener) {
            case Opener::AddButton:
                return frmJubo().Press("XPButton6");
            case Opener::MinimizeButton:
                return frmJubo().Press("XPButton7");
            case Opener::PlaylistRightButton:
                frmJubo().MouseDown("List1", MouseButton::Right);
                return true;
            case Opener::Tray:
                frmJubo().PopUpMenu(program.Menus().sysmenu());
                return true;
            case Opener::None:
                return false;
        }
        return false;
    };
    std::map<Opener, std::vector<std::pair<int, Text>>> menusSeen, menusExpected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        program.Player().List1().SetListIndex(1);
        Engine().calls.clear();
        for (FakeForm* form : forms.living) {
            if (form->Name() != "frmJubo") {
                form->Hide();
            }
        }
        if (c.opener == Opener::None) {
            EXPECT_EQ(frmJubo().PushButtonNamed(c.item).Caption(), c.caption);
            ASSERT_TRUE(frmJubo().Press(c.item));
        } else {
            ASSERT_TRUE(open(c.opener));
            ASSERT_TRUE(frmJubo().openMenu);
            menusExpected[c.opener].push_back({c.depth, c.caption});
            if (menusSeen[c.opener].empty()) {
                const auto flatten = [&](const auto& self, const std::vector<MenuItem>& items,
                                         int depth) -> void {
                    for (const MenuItem& item : items) {
                        menusSeen[c.opener].push_back({depth, item.caption});
                        self(self, item.items, depth + 1);
                    }
                };
                flatten(flatten, frmJubo().openMenu->items, 0);
            }
            if (std::string(c.item) == "mnuClose") {
                EXPECT_THROW(frmJubo().ChooseMenuItem(c.item), ProcessEnded);
                EXPECT_EQ(process.ends, 1);
                EXPECT_TRUE(SentToRoom().empty()) << "the program ends without a word";
                process.ends = 0;
                continue;
            }
            ASSERT_TRUE(frmJubo().ChooseMenuItem(c.item));
        }
        EXPECT_EQ(Engine().calls, c.engineCalls);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(process.ends, 0);
    }
    EXPECT_EQ(menusSeen, menusExpected) << "each menu holds its items in order, and nothing else";
    EXPECT_TRUE(SentToRoom().empty());
    // The close box, unlike "Close", says goodbye first.
    EXPECT_THROW(frmJubo().CloseBox(), ProcessEnded);
    EXPECT_EQ(SentToRoom(), (std::vector<AnsiText>{"Orv Jubo - Unloaded."}));
}

TEST_F(MainWindowMenusTest, TheRightButtonOnThePlaylistOpensItsMenuEvenWhenEmptyTheLeftOpensNothing) {
    frmJubo().MouseDown("List1", MouseButton::Left);
    EXPECT_FALSE(frmJubo().openMenu);
    frmJubo().MouseDown("List1", MouseButton::Right);
    ASSERT_TRUE(frmJubo().openMenu);
    EXPECT_EQ(frmJubo().openMenu->name, "mnuListRclick");
}

TEST_F(MainWindowMenusTest, Form1AndForm2AreOneEachOwnedByFrmJuboAndForm2ComesBackFreshAfterItsCloseBox) {
    frmJubo().Press("XPButton12");
    frmJubo().Press("XPButton12");
    FakeForm* form1 = forms.Latest("Form1");
    ASSERT_NE(form1, nullptr);
    EXPECT_EQ(forms.created["Form1"], 1);
    EXPECT_EQ(form1->owner, &frmJubo());
    EXPECT_TRUE(form1->OptionButtonNamed("Option2").Value());
    EXPECT_EQ(form1->CheckBoxNamed("Check1").Value(), 2) << "grayed";
    EXPECT_FALSE(form1->CheckBoxNamed("Check1").Enabled());

    const auto showCredits = [&] {
        frmJubo().PopUpMenu(program.Menus().sysmenu());
        ASSERT_TRUE(frmJubo().ChooseMenuItem("mnuCredits"));
    };
    showCredits();
    showCredits();
    FakeForm* form2 = forms.Latest("Form2");
    ASSERT_NE(form2, nullptr);
    EXPECT_EQ(forms.created["Form2"], 1);
    form2->ControlNamed("Label1").SetCaption(L"changed");
    form2->CloseBox();
    showCredits();
    ASSERT_EQ(forms.created["Form2"], 2);
    EXPECT_TRUE(forms.Latest("Form2")->IsVisible());
    EXPECT_NE(forms.Latest("Form2")->ControlNamed("Label1").Caption(), L"changed");
}

}  // namespace
}  // namespace orv
