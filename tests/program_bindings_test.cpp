// The whole program on fakes: the menu items and buttons of the playlist sources reach their operations.
#include <gtest/gtest.h>

#include "fakes/fake_program.h"

namespace orv {
namespace {

TEST(ProgramBindings, ThePlaylistSourcesItemsAndButtonsReachTheirOperations) {
    testing::FakeProgram fakes;
    JuboProgram& program = fakes.program;
    testing::FakeDialogs& dialogs = fakes.dialogs;
    testing::FakeForm& frmJubo = fakes.frmJubo();
    ListBox& List1 = program.Player().List1();

    // What each item or button leaves behind: the Open dialog's title, a message box, or the playlist.
    struct Case {
        const char* opener;  // a button that opens a menu, "List1", "sysmenu", or "" for a plain button
        const char* item;
        const wchar_t* dialogTitle;
        const wchar_t* message;
        int entriesLeft;  // of two entries, the second selected
    };
    const Case cases[] = {
        {"XPButton6", "mnuAddFile", L"Load Songs.", nullptr, 2},
        {"XPButton6", "mnuAddplaylist", L"Load your list.", nullptr, 2},
        {"sysmenu", "mnuSysAddFile", L"Load Songs.", nullptr, 2},
        {"sysmenu", "mnuSysAddPL", L"Load your list.", nullptr, 2},
        // The folder listing is empty: Refresh empties the playlist and says so.
        {"List1", "mnuRefresh", nullptr, L"No files were found in specific folder", 0},
        {"", "XPButton4", nullptr, nullptr, 1},
        {"", "XPButton3", nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        List1.Clear();
        List1.AddItem(L"one.mp3");
        List1.AddItem(L"two.mp3");
        List1.SetListIndex(1);
        dialogs.shown.clear();
        dialogs.openRequests.clear();
        const std::string opener = c.opener;
        if (opener.empty()) {
            ASSERT_TRUE(frmJubo.Press(c.item));
        } else {
            if (opener == "List1") {
                frmJubo.MouseDown("List1", MouseButton::Right);
            } else if (opener == "sysmenu") {
                frmJubo.PopUpMenu(program.Menus().sysmenu());
            } else {
                frmJubo.Press(c.opener);
            }
            ASSERT_TRUE(frmJubo.ChooseMenuItem(c.item));
        }
        EXPECT_EQ(dialogs.openRequests.empty() ? Text{} : dialogs.openRequests.back().title,
                  c.dialogTitle ? Text(c.dialogTitle) : Text{});
        const std::vector<Text> messages = dialogs.Messages();
        EXPECT_EQ(messages.empty() ? Text{} : messages.back(), c.message ? Text(c.message) : Text{});
        EXPECT_EQ(List1.Count(), c.entriesLeft);
        for (const auto& shown : dialogs.shown) {
            EXPECT_EQ(shown.owner, &program.frmJubo()) << "not the main window's";
        }
    }
    // "Directory" shows frmAddDir; chosen again (here from the tray menu) it brings the shown one to the
    // front.
    frmJubo.Press("XPButton6");
    ASSERT_TRUE(frmJubo.ChooseMenuItem("mnuAddDir"));
    auto& frmAddDir = dynamic_cast<testing::FakeForm&>(program.Player().frmAddDir().Window());
    EXPECT_TRUE(frmAddDir.IsVisible());
    EXPECT_EQ(frmAddDir.frontings, 0);
    frmJubo.PopUpMenu(program.Menus().sysmenu());
    ASSERT_TRUE(frmJubo.ChooseMenuItem("mnuSysAddDir"));
    EXPECT_EQ(frmAddDir.shows, 1);
    EXPECT_EQ(frmAddDir.frontings, 1);
}

}  // namespace
}  // namespace orv
