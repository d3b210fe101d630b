#include "player/now_playing.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/fake_chat_sender.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_media_engine.h"
#include "player/engine_events.h"

namespace orv {
namespace {

using testing::FakeChatSender;
using testing::FakeDialogs;
using testing::FakeFormFactory;
using testing::FakeHandlerQueue;
using testing::FakeListBox;
using testing::FakeMediaEngine;
using testing::FakeTextBox;

// The player wired as the program wires it: the engine's events drive navigation and the announcement, each
// after the handler that caused it.
class NowPlayingTest : public ::testing::Test {
  protected:
    NowPlayingTest() { BindEngineEvents(engine, later, navigation, announcer); }

    void SetTexts(const Text& before, const Text& after) {
        chatSends.Text1().SetText(before);
        chatSends.Text2().SetText(after);
    }
    // The frmChatSends that lives now.
    testing::FakeForm& Window() { return *forms.Latest("frmChatSends"); }
    void PlayEntry(int index) {
        List1.SetListIndex(index);
        playback.PlaySelectedEntry();
        later.RunPosted();
    }
    void EndOfStream() {
        engine.FireEndOfStream();
        later.RunPosted();
    }
    void Step(StepCommand command) {
        navigation.Step(command);
        later.RunPosted();
    }

    FakeListBox List1{L"Artist - Song.mp3", L"b.mp3", L"c.mp3"};
    FakeTextBox Text1;
    FakeTextBox Text2{L"Text2"};
    FakeMediaEngine engine;
    FakeHandlerQueue later;
    FakeDialogs dialogs;
    FakeChatSender chat;
    FakeFormFactory forms;
    ChatSendsWindow chatSends{forms};
    testing::FakeForm frmJubo{WindowSpec{.name = "frmJubo"}};
    Playback playback{List1, Text1, Text2, engine, [] { return Text{L"C:\\Music"}; }, dialogs, frmJubo};
    Navigation navigation{List1, playback, engine, dialogs, frmJubo};
    NowPlayingAnnouncer announcer{chatSends, Text1, chat};
};

TEST_F(NowPlayingTest, WithoutTextsTheAnnouncementIsExactlyTheEntry) {
    PlayEntry(0);
    EXPECT_EQ(chat.sent, (std::vector<Text>{L"Artist - Song.mp3"}));
}

TEST_F(NowPlayingTest, TextsFrameTheNameAsTheyAreWithNothingBetween) {
    SetTexts(L"<font color=blue>Now playing", L"</font> <u>enjoy</u>");
    PlayEntry(1);
    SetTexts(L"np: ", L"");
    PlayEntry(2);
    EXPECT_EQ(chat.sent,
              (std::vector<Text>{L"<font color=blue>Now playingb.mp3</font> <u>enjoy</u>", L"np: c.mp3"}));
}

TEST_F(NowPlayingTest, NowPlayingTextReadsTheFieldsWhenItIsBuilt) {
    Text1.SetText(L"x.mp3");
    SetTexts(L"[", L"]");
    EXPECT_EQ(NowPlayingText(chatSends, Text1), L"[x.mp3]");
    Text1.SetText(L"Artist : Song");
    EXPECT_EQ(NowPlayingText(chatSends, Text1), L"[Artist : Song]");
}

TEST_F(NowPlayingTest, TheSameEntryPlayedTwiceIsAnnouncedTwice) {
    PlayEntry(1);
    PlayEntry(1);
    EXPECT_EQ(chat.sent, (std::vector<Text>{L"b.mp3", L"b.mp3"}));
}

TEST_F(NowPlayingTest, EveryFileThatOpensIsAnnouncedOnce) {
    engine.unplayable.insert(L"C:\\Music\\b.mp3");
    PlayEntry(0);
    EndOfStream();          // b does not open, c plays
    Step(kNextSongButton);  // c again at the end of the list
    EXPECT_EQ(chat.sent, (std::vector<Text>{L"Artist - Song.mp3", L"c.mp3", L"c.mp3"}));
}

TEST_F(NowPlayingTest, DisableChatSendsSilencesTheAnnouncement) {
    chatSends.Check1().SetValue(1);
    PlayEntry(0);
    Step(kTrayNextSong);
    EndOfStream();
    EXPECT_TRUE(chat.sent.empty());
    EXPECT_EQ(engine.opened, 3);
}

TEST_F(NowPlayingTest, TheFirstAnnouncementCreatesTheSettingsWindowHidden) {
    PlayEntry(0);
    ASSERT_EQ(forms.created["frmChatSends"], 1);
    EXPECT_FALSE(Window().IsVisible());
    PlayEntry(1);
    EXPECT_EQ(forms.created["frmChatSends"], 1);
}

TEST_F(NowPlayingTest, TickedThenOkKeepsTheSongsUnannounced) {
    chatSends.Show();
    Window().CheckBoxNamed("Check1").SetValue(1);
    Window().Press("XPButton1");
    PlayEntry(0);
    EXPECT_TRUE(chat.sent.empty());
}

TEST_F(NowPlayingTest, TickedThenClosedAnnouncesTheNextSongAgain) {
    chatSends.Show();
    Window().CheckBoxNamed("Check1").SetValue(1);
    Window().TextBoxNamed("Text1").SetText(L"lost ");
    Window().CloseBox();
    PlayEntry(0);
    EXPECT_EQ(chat.sent, (std::vector<Text>{L"Artist - Song.mp3"}));
}

TEST_F(NowPlayingTest, ATextChangedInTheOpenWindowCountsFromTheNextSong) {
    chatSends.Show();
    PlayEntry(0);
    Window().TextBoxNamed("Text2").SetText(L" !");
    PlayEntry(1);
    EXPECT_EQ(chat.sent, (std::vector<Text>{L"Artist - Song.mp3", L"b.mp3 !"}));
}

// Writes what it is asked to send into the engine's record, so the two orders can be compared.
class SenderBesideEngine : public ChatSender {
  public:
    explicit SenderBesideEngine(FakeMediaEngine& engine) : engine_(engine) {}
    void ChatSend(const Text& message) override {
        engine_.calls.push_back(L"ChatSend " + message);
        if (fails) {
            throw std::runtime_error("the room went away");
        }
    }
    bool fails = false;

  private:
    FakeMediaEngine& engine_;
};

class AnnouncementOrderTest : public NowPlayingTest {
  protected:
    AnnouncementOrderTest() { BindEngineEvents(engine, later, navigation, toRoom); }
    SenderBesideEngine room{engine};
    NowPlayingAnnouncer toRoom{chatSends, Text1, room};
};

TEST_F(AnnouncementOrderTest, TheSongStartsBeforeTheRoomIsToldOfIt) {
    List1.SetListIndex(0);
    playback.PlaySelectedEntry();
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName C:\\Music\\Artist - Song.mp3", L"Play"}));
    later.RunPosted();
    EndOfStream();
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName C:\\Music\\Artist - Song.mp3", L"Play",
                                               L"ChatSend Artist - Song.mp3", L"SetFileName C:\\Music\\b.mp3",
                                               L"Play", L"ChatSend b.mp3"}));
}

TEST_F(AnnouncementOrderTest, AFailedAnnouncementNeitherStopsTheSongNorAutoAdvance) {
    room.fails = true;
    EXPECT_NO_THROW(PlayEntry(0));
    EXPECT_NO_THROW(EndOfStream());
    EXPECT_NO_THROW(EndOfStream());
    EXPECT_EQ(List1.ListIndex(), 2);
    EXPECT_EQ(engine.calls, (std::vector<Text>{L"SetFileName C:\\Music\\Artist - Song.mp3", L"Play",
                                               L"ChatSend Artist - Song.mp3", L"SetFileName C:\\Music\\b.mp3",
                                               L"Play", L"ChatSend b.mp3", L"SetFileName C:\\Music\\c.mp3",
                                               L"Play", L"ChatSend c.mp3"}));
}

}  // namespace
}  // namespace orv
