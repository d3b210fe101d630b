#include "player/playback.h"

#include <gtest/gtest.h>

#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_form.h"
#include "fakes/fake_media_engine.h"
#include "player/entry_path.h"

namespace orv {
namespace {

using testing::FakeDialogs;
using testing::FakeListBox;
using testing::FakeMediaEngine;
using testing::FakeTextBox;

class PlaybackTest : public ::testing::Test {
  protected:
    FakeListBox List1{L"one.mp3", L"two.mp3", L"three.mp3"};
    FakeTextBox Text1;
    FakeTextBox Text2{L"Text2"};
    FakeMediaEngine engine;
    FakeDialogs dialogs;
    Text directory = L"C:\\Music";
    testing::FakeForm frmJubo{WindowSpec{.name = "frmJubo"}};
    Playback playback{List1, Text1, Text2, engine, [this] { return directory; }, dialogs, frmJubo};
};

TEST_F(PlaybackTest, PlayHandsTheEngineTheSelectedEntryThenPlaysIt) {
    List1.SetListIndex(1);
    playback.PlaySelectedEntry();
    EXPECT_EQ(Text1.text, L"two.mp3");
    EXPECT_EQ(Text2.text, L"C:\\Music\\two.mp3");
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName C:\\Music\\two.mp3", L"Play"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PlaybackTest, PlayingAnotherEntryReplacesTheFileAndPlaysItFromTheStart) {
    List1.SetListIndex(0);
    playback.PlaySelectedEntry();
    List1.SetListIndex(2);
    playback.PlaySelectedEntry();
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName C:\\Music\\one.mp3", L"Play",
                                               L"SetFileName C:\\Music\\three.mp3", L"Play"}));
    EXPECT_EQ(Text1.text, L"three.mp3");
}

// A text box that keeps only the first characters it is given, like one with a length limit.
class ShortTextBox : public FakeTextBox {
  public:
    void SetText(const Text& value) override { FakeTextBox::SetText(value.substr(0, 12)); }
};

TEST_F(PlaybackTest, TheEngineTakesThePathAsTheCurrentPathFieldHoldsIt) {
    ShortTextBox shortText2;
    Playback throughShortField{List1,   Text1,  shortText2, engine, [this] { return directory; },
                               dialogs, frmJubo};
    List1.SetListIndex(0);
    throughShortField.LoadSelectedEntry();
    EXPECT_EQ(engine.FilesSet(), (std::vector<Text>{L"C:\\Music\\one"}));
}

TEST_F(PlaybackTest, TheCurrentDirectoryIsReadAtEveryLoad) {
    List1.SetListIndex(0);
    playback.LoadSelectedEntry();
    directory = L"E:\\Other";
    playback.LoadSelectedEntry();
    EXPECT_EQ(engine.FilesSet(), (std::vector<Text>{L"C:\\Music\\one.mp3", L"E:\\Other\\one.mp3"}));
}

TEST_F(PlaybackTest, NothingSelectedEmptiesTheNowPlayingNameSaysNoFileToPlayAndHandsTheEngineNothing) {
    Text1.text = L"still playing.mp3";
    playback.PlaySelectedEntry();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, L"No file to play");
    EXPECT_EQ(dialogs.shown[0].title, L"Error");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(Text1.text, L"");
    EXPECT_EQ(Text2.text, L"Text2");

    List1.Clear();
    playback.PlaySelectedEntry();
    EXPECT_EQ(dialogs.Messages(), (std::vector<Text>{L"No file to play", L"No file to play"}));
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(PlaybackTest, LoadingWithNothingSelectedLeavesFieldsAndEngineAlone) {
    playback.LoadSelectedEntry();
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(Text1.writes + Text2.writes, 0);
}

TEST_F(PlaybackTest, ADriveRootGivesTwoBackslashesAfterTheDrive) {
    directory = L"C:\\";
    List1.SetListIndex(0);
    playback.PlaySelectedEntry();
    EXPECT_EQ(engine.FilesSet(), (std::vector<Text>{L"C:\\\\one.mp3"}));
}

TEST_F(PlaybackTest, AnEntryHoldingAFullPathPlaysUnderItsOwnPath) {
    List1.AddItem(L"D:\\x.mp3");
    List1.SetListIndex(3);
    playback.PlaySelectedEntry();
    EXPECT_EQ(Text1.text, L"D:\\x.mp3");
    EXPECT_EQ(Text2.text, L"D:\\x.mp3");
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName D:\\x.mp3", L"Play"}));
}

TEST(EntryPath, OnlyDrivePathsStandAloneEverythingElseIsJoinedToTheCurrentDirectory) {
    const struct {
        const wchar_t* directory;
        const wchar_t* entry;
        const wchar_t* path;
    } cases[] = {
        {L"C:\\Music", L"a.mp3", L"C:\\Music\\a.mp3"},
        {L"C:\\", L"a.mp3", L"C:\\\\a.mp3"},  // a drive root keeps both backslashes
        {L"C:\\Music", L"sub\\a.mp3", L"C:\\Music\\sub\\a.mp3"},
        {L"C:\\Music", L"..\\a.mp3", L"C:\\Music\\..\\a.mp3"},
        {L"C:\\Music", L"", L"C:\\Music\\"},
        {L"C:\\Music", L"D:\\x.mp3", L"D:\\x.mp3"},
        {L"C:\\Music", L"d:\\songs\\x.mp3", L"d:\\songs\\x.mp3"},
        // A network path must not reach another machine: it becomes a path under the current directory.
        {L"C:\\Music", L"\\\\server\\share\\x.mp3", L"C:\\Music\\\\\\server\\share\\x.mp3"},
        {L"C:\\Music", L"\\\\?\\UNC\\server\\x.mp3", L"C:\\Music\\\\\\?\\UNC\\server\\x.mp3"},
        {L"C:\\Music", L"//server/share/x.mp3", L"C:\\Music\\//server/share/x.mp3"},
        {L"C:\\Music", L"\\x.mp3", L"C:\\Music\\\\x.mp3"},
        {L"C:\\Music", L"D:a.mp3", L"C:\\Music\\D:a.mp3"},  // relative to drive D's own directory
        {L"C:\\Music", L"1:\\x.mp3", L"C:\\Music\\1:\\x.mp3"},
        {L"C:\\Music", L"C:", L"C:\\Music\\C:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryPath(c.directory, c.entry), c.path) << std::wstring(c.entry);
    }
}

TEST_F(PlaybackTest, PauseAndResumeKeepTheFile) {
    List1.SetListIndex(0);
    playback.PlaySelectedEntry();
    playback.Pause();
    playback.Resume();
    EXPECT_EQ(engine.calls,
              (std::vector<Text>{L"SetFileName C:\\Music\\one.mp3", L"Play", L"Pause", L"Play"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PlaybackTest, TheMuteButtonTogglesAndTwoPressesRestoreSound) {
    playback.ToggleMute();
    EXPECT_TRUE(engine.Mute());
    playback.ToggleMute();
    EXPECT_FALSE(engine.Mute());
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetMute true", L"SetMute false"}));
}

TEST_F(PlaybackTest, MuteAndUnmuteSetTheFlagWhateverItWas) {
    playback.Unmute();
    EXPECT_FALSE(engine.Mute());
    playback.Mute();
    playback.Mute();
    EXPECT_TRUE(engine.Mute());
    playback.Unmute();
    EXPECT_FALSE(engine.Mute());
    EXPECT_EQ(Text1.writes + Text2.writes, 0);
}

}  // namespace
}  // namespace orv
