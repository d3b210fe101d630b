// Filling and trimming the playlist: frmAddDir's lists, "OK", Refresh, Remove File, Clear Playlist, one file
// through the Open dialog, and ".mlt" lists saved and loaded, with the windows and files in memory.
#include "playlist/playlist_sources.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_window_layout.h"
#include "fakes/fake_chat_sender.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "playlist/list_file_format.h"

namespace orv {
namespace {

using testing::FakeForm;

class PlaylistSourcesTest : public ::testing::Test {
  protected:
    PlaylistSourcesTest() {
        folders.folders[L"C:\\"] = {L"Music"};
        folders.folders[L"C:\\Music"] = {L"Empty", L"Rock"};
        folders.files[L"C:\\Music"] = {L"a.mp3", L"b.mp3", L"notes.txt"};
        folders.files[L"C:\\Music\\Rock"] = {L"r.mp3"};
    }
    ListBox& List1() { return frmJubo.ListBoxNamed("List1"); }
    Text Text1() { return frmJubo.TextBoxNamed("Text1").GetText(); }
    std::vector<Text> Entries() {
        std::vector<Text> entries;
        for (int i = 0; i < List1().Count(); ++i) {
            entries.push_back(List1().Item(i));
        }
        return entries;
    }
    FakeForm& AddDir() {
        addDir.Window();
        return *forms.Latest("frmAddDir");
    }
    std::vector<Text> Items(const ListBox& list) {
        std::vector<Text> items;
        for (int i = 0; i < list.Count(); ++i) {
            items.push_back(list.Item(i));
        }
        return items;
    }

    testing::FakeFormFactory forms;
    testing::FakeFolders folders;
    testing::FakeDialogs dialogs;
    testing::FakeChatSender chat;
    testing::FakeFiles files;
    testing::FakeCodePage codePage;
    FakeForm frmJubo{MainWindowSpec()};
    AddDirWindow addDir{forms, folders};
    PlaylistSources sources{frmJubo, List1(), frmJubo.TextBoxNamed("Text1"), addDir, dialogs, chat, files,
                            folders, codePage};
};

TEST_F(PlaylistSourcesTest, AddDirectoryListsStartAtTheWorkingDirectoryAndFollowTheUser) {
    FakeForm& form = AddDir();
    EXPECT_EQ(Items(form.DriveListNamed("Drive1")), (std::vector<Text>{L"a:", L"c:"}));
    EXPECT_EQ(form.DriveListNamed("Drive1").ListIndex(), 1);
    EXPECT_EQ(Items(form.ListBoxNamed("Dir1")), (std::vector<Text>{L"C:\\", L"Music", L"Empty", L"Rock"}));
    EXPECT_EQ(Items(form.ListBoxNamed("File1")), (std::vector<Text>{L"a.mp3", L"b.mp3", L"notes.txt"}));

    form.DoubleClickItem("Dir1", 3);
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\Music\\Rock")
        << "opening a folder moves the current directory at once";
    EXPECT_EQ(Items(form.ListBoxNamed("File1")).size(), 3u) << "browsing leaves File1 alone";
    form.DoubleClickItem("Dir1", 0);
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\");
    form.DoubleClickItem("Dir1", 1);
    form.Choose("Drive1", 0);
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\Music") << "a drive that is not ready is ignored";
    form.Choose("Drive1", 1);
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\");

    form.Press("XPButton2");
    EXPECT_FALSE(form.IsVisible());
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\") << "Cancel keeps the folder";
    folders.currentDirectory = L"C:\\Music\\Rock";
    form.CloseBox();
    EXPECT_EQ(addDir.Dir1Path(), L"C:\\Music\\Rock") << "made again at the working directory of that moment";

    // "OK" points File1 at the folder; the hidden dialog shows that listing when it comes back.
    folders.files[L"C:\\Music\\Rock"].push_back(L"s.mp3");
    addDir.Show();
    AddDir().Press("XPButton1");
    addDir.Show();
    EXPECT_EQ(Items(AddDir().ListBoxNamed("File1")), (std::vector<Text>{L"r.mp3", L"s.mp3"}));
}

TEST_F(PlaylistSourcesTest, DirectoryLoadsRefreshAndClearTellTheRoomTheCount) {
    struct Case {
        const char* what;
        std::function<void()> act;
        std::vector<Text> playlist;
        Text chat;
        const char* noFilesBoxOwner;  // nullptr: no box
    };
    const Text none = L"No files were found in specific folder";
    const std::vector<Case> cases = {
        {"OK appends after what is there",
         [&] { AddDir().Press("XPButton1"); },
         {L"x.mp3", L"a.mp3", L"b.mp3", L"notes.txt"},
         L"Dir Loaded - <b> 4</b> Files.",
         nullptr},
        {"OK on an empty folder",
         [&] {
             AddDir().DoubleClickItem("Dir1", 2);
             AddDir().Press("XPButton1");
         },
         {L"x.mp3"},
         L"Dir Loaded - <b> 1</b> Files.",
         "frmAddDir"},
        {"OK on a folder that cannot be read",
         [&] {
             AddDir().DoubleClickItem("Dir1", 3);
             folders.files.erase(L"C:\\Music\\Rock");
             AddDir().Press("XPButton1");
         },
         {L"x.mp3"},
         L"Dir Loaded - <b> 1</b> Files.",
         "frmAddDir"},
        {"Refresh uses the stale listing, not the folder Dir1 moved to",
         [&] {
             AddDir().DoubleClickItem("Dir1", 3);
             sources.directory.Refresh();
         },
         {L"a.mp3", L"b.mp3", L"notes.txt"},
         L"Playlist Refreshed - Current Directory: <b>3</b> Files.",
         nullptr},
        {"Refresh with an empty listing",
         [&] {
             AddDir().DoubleClickItem("Dir1", 2);
             AddDir().Press("XPButton1");
             chat.sent.clear();
             dialogs.shown.clear();
             sources.directory.Refresh();
         },
         {},
         L"Playlist Refreshed - Current Directory: <b>0</b> Files.",
         "frmJubo"},
        {"Clear Playlist", [&] { sources.edits.ClearPlaylist(); }, {}, L"Playlist cleared!", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        List1().Clear();
        List1().AddItem(L"x.mp3");
        frmJubo.TextBoxNamed("Text1").SetText(L"x.mp3");
        chat.sent.clear();
        dialogs.shown.clear();
        AddDir().CloseBox();
        AddDir().Show();

        c.act();
        EXPECT_EQ(Entries(), c.playlist);
        EXPECT_EQ(chat.sent, std::vector<Text>{c.chat});
        EXPECT_EQ(dialogs.Messages(), c.noFilesBoxOwner ? std::vector<Text>{none} : std::vector<Text>{});
        if (c.noFilesBoxOwner && !dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.shown[0].owner->Name(), c.noFilesBoxOwner);
        }
        const bool cleared = c.chat == L"Playlist cleared!";
        EXPECT_EQ(AddDir().IsVisible(), cleared) << "every source but Clear hides the dialog";
        EXPECT_EQ(Text1(), cleared ? L"" : L"x.mp3");
    }
}

TEST_F(PlaylistSourcesTest, OkAndRefreshFillAndSayWhileTheDialogIsShownThenHideItThenTellTheRoom) {
    testing::FakeEventList events;
    forms.events = &events;
    frmJubo.entryEvents = &events;
    dialogs.whileMessageShown = [&] {
        events.push_back(AddDir().IsVisible() ? "box, frmAddDir shown" : "box, frmAddDir hidden");
    };
    chat.onSend = [&] { events.push_back("send"); };
    const auto adds = [](const std::string& list) {
        testing::FakeEventList added;
        for (const char* name : {"a.mp3", "b.mp3", "notes.txt"}) {
            added.push_back("add " + list + " " + name);
        }
        return added;
    };
    const auto then = [](testing::FakeEventList first, const testing::FakeEventList& more) {
        first.insert(first.end(), more.begin(), more.end());
        return first;
    };
    const struct {
        const char* what;
        std::function<void()> act;
        testing::FakeEventList order;
    } cases[] = {
        {"OK: File1 pointed at the folder, every entry appended, then hidden",
         [&] { AddDir().Press("XPButton1"); },
         then(then(adds("frmAddDir.File1"), adds("frmJubo.List1")), {"hide frmAddDir", "send"})},
        {"OK on an empty folder",
         [&] {
             AddDir().DoubleClickItem("Dir1", 2);
             events.clear();
             AddDir().Press("XPButton1");
         },
         {"box, frmAddDir shown", "hide frmAddDir", "send"}},
        {"Refresh", [&] { sources.directory.Refresh(); },
         then(adds("frmJubo.List1"), {"hide frmAddDir", "send"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AddDir().CloseBox();
        AddDir().entryEvents = &events;
        AddDir().Show();
        events.clear();
        c.act();
        EXPECT_EQ(events, c.order);
    }
}

TEST_F(PlaylistSourcesTest, RemoveFileTakesTheSelectedEntryOnly) {
    struct Case {
        int selected;
        std::vector<Text> after;
        Text text1;
    };
    for (const Case& c : std::vector<Case>{{-1, {L"a", L"b", L"c"}, L"b"},
                                           {0, {L"b", L"c"}, L"Artist : Song"},
                                           {2, {L"a", L"b"}, L"Artist : Song"}}) {
        List1().Clear();
        List1().AddItems({L"a", L"b", L"c"});
        List1().SetListIndex(c.selected);
        frmJubo.TextBoxNamed("Text1").SetText(L"b");
        dialogs.shown.clear();
        sources.edits.RemoveFile();
        EXPECT_EQ(Entries(), c.after);
        EXPECT_EQ(List1().ListIndex(), -1);
        EXPECT_EQ(Text1(), c.text1);
        ASSERT_EQ(dialogs.shown.size(), c.selected < 0 ? 1u : 0u);
        if (c.selected < 0) {
            EXPECT_EQ(dialogs.shown[0].text, L"No file selected!");
            EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
        }
    }
    EXPECT_TRUE(chat.sent.empty());
}

TEST_F(PlaylistSourcesTest, OneFileThroughTheOpenDialog) {
    dialogs.openChoices = {{L"D:\\x\\song.mp3", L"song.mp3"}, {}};
    sources.edits.AddFile();
    sources.edits.AddFile();
    EXPECT_EQ(Entries(), std::vector<Text>{L"D:\\x\\song.mp3"}) << "the cancelled second one adds nothing";
    EXPECT_EQ(Text1(), L"D:\\x\\song.mp3");
    ASSERT_EQ(dialogs.openRequests.size(), 2u);
    EXPECT_EQ(dialogs.openRequests[0].title, L"Load Songs.");
    EXPECT_EQ(dialogs.openRequests[0].flags, 16384u);
    EXPECT_EQ(dialogs.openRequests[0].filter, L"MP3 Files(.mp3)|*.MP3|WMP Files(.wmp)|*.WMP");
}

TEST_F(PlaylistSourcesTest, ListFileBytes) {
    struct Case {
        std::vector<Text> entries;
        AnsiText bytes;
    };
    const std::vector<Case> cases = {
        {{L"track01.mp3", L"track02.mp3"}, "track01.mp3\r\ntrack02.mp3\r\n"},
        {{}, ""},
        {{L"a,b", L"\"q\"", L"  blank  ", L"", L"caf\u00E9"}, "a,b\r\n\"q\"\r\n  blank  \r\n\r\ncaf\xE9\r\n"},
        {{L"caf\u00E9", L"\u65E5\u672C"},
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListFileBytes(c.entries, codePage), c.bytes);
        EXPECT_EQ(ListFileEntries(c.bytes, codePage), c.entries);
    }
    EXPECT_EQ(ListFileBytes({L"track01.mp3", L"track02.mp3"}, codePage).size(), 26u);
    EXPECT_EQ(ListFileEntries("a\r\nb", codePage), (std::vector<Text>{L"a", L"b"})) << "no final line end";
}

TEST_F(PlaylistSourcesTest, SaveWritesToTheProgramFolderAndLoadAppends) {
    const Text path = L"C:\\Program Files\\Orv Jubo\\mix.mlt";
    List1().AddItems({L"a.mp3", L"b.mp3"});
    dialogs.answers = {std::nullopt, Text(L"mix")};
    sources.files.Save();
    EXPECT_TRUE(files.contents.empty()) << "Cancel saves nothing";
    sources.files.Save();
    EXPECT_EQ(files.contents[path], "a.mp3\r\nb.mp3\r\n");

    dialogs.openChoices = {{path, L"mix.mlt"}, {L"C:\\gone.mlt", L"gone.mlt"}};
    sources.files.Load();
    sources.files.Load();
    EXPECT_EQ(Entries(), (std::vector<Text>{L"a.mp3", L"b.mp3", L"a.mp3", L"b.mp3"}));
    EXPECT_EQ(dialogs.Messages(), std::vector<Text>{L"File Not Found"});
    EXPECT_EQ(dialogs.openRequests[0].title, L"Load your list.");
    EXPECT_EQ(dialogs.openRequests[0].filter, L"list Files|*.mlt");

    files.failure = testing::FakeFiles::Failure::LosesBytes;
    dialogs.answers = {Text(L"mix")};
    sources.files.Save();
    EXPECT_EQ(files.contents[path], "a.mp3\r\nb.mp3\r\n") << "a failed save keeps the old list";
    EXPECT_EQ(dialogs.shown.back().title, L"Error");
    EXPECT_EQ(List1().Count(), 4);
}

TEST_F(PlaylistSourcesTest, NamesThatCannotBeAFileInTheProgramFolderAreRefused) {
    for (const Text name : {L"..\\up", L"a/b", L"c:x", L"*", L"?", L"\"", L"<", L">", L"|", L"tab\t", L"CON",
                            L"nul", L"Com1", L"LPT9.old", L"aux ", L"COM\u00B9", L"lpt\u00B3.x"}) {
        EXPECT_FALSE(IsListNameAllowed(name)) << name.size();
    }
    for (const Text name : {L"", L"my list", L"CONCERT", L"COM", L"nul-mix", L"caf\u00E9"}) {
        EXPECT_TRUE(IsListNameAllowed(name));
    }
    dialogs.answers = {Text(L"CON")};
    sources.files.Save();
    EXPECT_TRUE(files.contents.empty());
    EXPECT_EQ(dialogs.shown.back().title, L"Error");
}

}  // namespace
}  // namespace orv
