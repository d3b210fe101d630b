#include "player/navigation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_form.h"
#include "fakes/fake_media_engine.h"

namespace orv {
namespace {

using testing::FakeDialogs;
using testing::FakeListBox;
using testing::FakeMediaEngine;
using testing::FakeTextBox;

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() {
        engine.onEndOfStream = [this](std::int32_t result) { navigation.MediaPlayer1_EndOfStream(result); };
    }

    void Fill(std::initializer_list<Text> entries) {
        List1.Clear();
        for (const auto& e : entries) {
            List1.AddItem(e);
        }
    }
    static Text PathOf(const Text& entry) { return L"C:\\Music\\" + entry; }

    FakeListBox List1;
    FakeTextBox Text1;
    FakeTextBox Text2{L"Text2"};
    FakeMediaEngine engine;
    FakeDialogs dialogs;
    testing::FakeForm frmJubo{WindowSpec{.name = "frmJubo"}};
    Playback playback{List1, Text1, Text2, engine, [] { return Text{L"C:\\Music"}; }, dialogs, frmJubo};
    Navigation navigation{List1, playback, engine, dialogs, frmJubo};
};

struct Caller {
    const char* name;
    StepCommand command;
    const wchar_t* emptyPlaylistMessage;  // nullptr: silent
};

TEST_F(NavigationTest, EachCallerAnswersAnEmptyPlaylistInItsOwnWords) {
    const Caller callers[] = {
        {"tray Next Song", kTrayNextSong, L"No file to play"},
        {"tray Previous Song", kTrayPreviousSong, L"No file to play"},
        {"Next Song button", kNextSongButton, L"No files found."},
        {"Previous Song button", kPreviousSongButton, nullptr},
        {"chat next", kChatNextCommand, L"No files found."},
        {"chat previous", kChatPreviousCommand, L"No files found."},
    };
    for (const auto& caller : callers) {
        SCOPED_TRACE(caller.name);
        dialogs.shown.clear();
        navigation.Step(caller.command);
        if (caller.emptyPlaylistMessage) {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, caller.emptyPlaylistMessage);
            EXPECT_EQ(dialogs.shown[0].title, L"Error");
            EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
            EXPECT_EQ(dialogs.shown[0].owner, &frmJubo);
        } else {
            EXPECT_TRUE(dialogs.shown.empty());
        }
        EXPECT_TRUE(engine.calls.empty());
        EXPECT_EQ(List1.ListIndex(), -1);
        EXPECT_EQ(Text1.writes + Text2.writes, 0);
    }
}

TEST_F(NavigationTest, CallersDirectionsAreNextAndPrevious) {
    Fill({L"a.mp3", L"b.mp3", L"c.mp3"});
    for (StepCommand next : {kTrayNextSong, kNextSongButton, kChatNextCommand}) {
        List1.SetListIndex(1);
        navigation.Step(next);
        EXPECT_EQ(List1.ListIndex(), 2);
    }
    for (StepCommand previous : {kTrayPreviousSong, kPreviousSongButton, kChatPreviousCommand}) {
        List1.SetListIndex(1);
        navigation.Step(previous);
        EXPECT_EQ(List1.ListIndex(), 0);
    }
}

TEST_F(NavigationTest, ShortPlaylistsStepLikeLongOnes) {
    Fill({L"only.mp3"});
    navigation.Step(kNextSongButton);
    Fill({L"a.mp3", L"b.mp3"});
    List1.SetListIndex(0);
    navigation.Step(kTrayNextSong);
    navigation.Step(kPreviousSongButton);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"only.mp3"), L"Play",
                                               L"SetFileName " + PathOf(L"b.mp3"), L"Play",
                                               L"SetFileName " + PathOf(L"a.mp3"), L"Play"}));
}

TEST_F(NavigationTest, StepsMoveTheSelectionAndPlayThatEntry) {
    Fill({L"a.mp3", L"b.mp3", L"c.mp3", L"d.mp3", L"e.mp3"});
    List1.SetListIndex(1);
    navigation.Step(kChatNextCommand);
    EXPECT_EQ(List1.ListIndex(), 2);
    EXPECT_EQ(Text1.text, L"c.mp3");
    EXPECT_EQ(Text2.text, PathOf(L"c.mp3"));
    navigation.Step(kChatPreviousCommand);
    navigation.Step(kChatPreviousCommand);
    EXPECT_EQ(List1.ListIndex(), 0);
    EXPECT_EQ(engine.FilesSet(), (std::vector<Text>{PathOf(L"c.mp3"), PathOf(L"b.mp3"), PathOf(L"a.mp3")}));
}

TEST_F(NavigationTest, TheEndsHoldAndReplayTheirEntry) {
    Fill({L"a.mp3", L"b.mp3", L"c.mp3"});
    List1.SetListIndex(2);
    navigation.Step(kNextSongButton);
    EXPECT_EQ(List1.ListIndex(), 2);
    List1.SetListIndex(0);
    navigation.Step(kPreviousSongButton);
    EXPECT_EQ(List1.ListIndex(), 0);
    EXPECT_EQ(Text1.text, L"a.mp3");
    // Never the bare directory, which would be a folder.
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"c.mp3"), L"Play",
                                               L"SetFileName " + PathOf(L"a.mp3"), L"Play"}));
}

TEST_F(NavigationTest, WithNoSelectionBothDirectionsStartAtTheFirstEntry) {
    for (StepCommand command : {kTrayNextSong, kTrayPreviousSong}) {
        Fill({L"a.mp3", L"b.mp3", L"c.mp3"});
        engine.calls.clear();
        navigation.Step(command);
        EXPECT_EQ(List1.ListIndex(), 0);
        EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"a.mp3"), L"Play"}));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigationTest, AStepRequestsPlayEvenWhenTheFileDoesNotOpen) {
    Fill({L"a.mp3", L"gone.mp3"});
    engine.unplayable.insert(PathOf(L"gone.mp3"));
    List1.SetListIndex(0);
    navigation.Step(kNextSongButton);
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"gone.mp3"), L"Play"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigationTest, AutoAdvancePlaysThroughTheListAndStopsAfterTheLastEntry) {
    Fill({L"a.mp3", L"b.mp3", L"c.mp3"});
    List1.SetListIndex(0);
    engine.FireEndOfStream();
    EXPECT_EQ(List1.ListIndex(), 1);
    EXPECT_EQ(Text1.text, L"b.mp3");
    engine.FireEndOfStream();
    EXPECT_EQ(List1.ListIndex(), 2);
    const auto callsBeforeEnd = engine.calls;
    engine.FireEndOfStream();
    EXPECT_EQ(engine.calls, callsBeforeEnd);
    EXPECT_EQ(List1.ListIndex(), 2);
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"b.mp3"), L"Play",
                                               L"SetFileName " + PathOf(L"c.mp3"), L"Play"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigationTest, AutoAdvanceMovesOnFromWhereverTheSongWasStarted) {
    Fill({L"a.mp3", L"b.mp3", L"c.mp3", L"d.mp3", L"e.mp3", L"f.mp3"});
    List1.SetListIndex(4);
    playback.PlaySelectedEntry();
    engine.FireEndOfStream(-1);
    EXPECT_EQ(List1.ListIndex(), 5);
    EXPECT_EQ(engine.FilesSet().back(), PathOf(L"f.mp3"));
    EXPECT_EQ(engine.calls.back(), L"Play");
}

TEST_F(NavigationTest, AutoAdvanceAlsoWorksOnTwoEntries) {
    Fill({L"a.mp3", L"b.mp3"});
    List1.SetListIndex(0);
    engine.FireEndOfStream();
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"b.mp3"), L"Play"}));
}

TEST_F(NavigationTest, AutoAdvanceStopsWhenThePlaylistWasEmptied) {
    Fill({L"a.mp3", L"b.mp3"});
    List1.SetListIndex(0);
    List1.Clear();
    engine.FireEndOfStream();
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(Text1.writes + Text2.writes, 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigationTest, AutoAdvanceAfterTheListWasRefilledStartsAtTheFirstEntry) {
    Fill({L"new.mp3", L"newer.mp3"});
    engine.FireEndOfStream();
    EXPECT_EQ(List1.ListIndex(), 0);
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"new.mp3"), L"Play"}));
}

TEST_F(NavigationTest, AutoAdvanceSkipsEntriesWhoseFilesDoNotOpen) {
    Fill({L"a.mp3", L"gone1.mp3", L"gone2.mp3", L"d.mp3"});
    engine.unplayable = {PathOf(L"gone1.mp3"), PathOf(L"gone2.mp3")};
    List1.SetListIndex(0);
    engine.FireEndOfStream();
    EXPECT_EQ(List1.ListIndex(), 3);
    EXPECT_EQ(Text1.text, L"d.mp3");
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName " + PathOf(L"gone1.mp3"),
                                               L"SetFileName " + PathOf(L"gone2.mp3"),
                                               L"SetFileName " + PathOf(L"d.mp3"), L"Play"}));
}

TEST_F(NavigationTest, AutoAdvanceTriesEachMissingFileOnceAndThenStops) {
    Fill({L"x.mp3", L"y.mp3", L"z.mp3"});
    for (const auto& e : List1.items) {
        engine.unplayable.insert(PathOf(e));
    }
    engine.FireEndOfStream();
    EXPECT_EQ(engine.FilesSet(), (std::vector<Text>{PathOf(L"x.mp3"), PathOf(L"y.mp3"), PathOf(L"z.mp3")}));
    EXPECT_EQ(std::count(engine.calls.begin(), engine.calls.end(), L"Play"), 0);
    // A further end-of-stream from the engine does not go round again.
    engine.FireEndOfStream();
    EXPECT_EQ(engine.FilesSet().size(), 3u);
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace orv
