// Playing a playlist beside the chat room: each song the engine opens is announced in the room, in playlist
// order as one song ends and the next starts; with "Disable ChatSends" ticked nothing is announced, not even
// the goodbye when the main window closes.
#include <string>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "e2e/test_songs.h"

namespace e2e {
namespace {

// A song made by tests/media/make_test_media.sh and the name it has in the player's working folder, which is
// the folder the playlist's bare names are resolved against.
struct SongInFolder {
    std::wstring generated;
    std::wstring entry;
};

// Three one-second songs, named as a folder listing gives them.
const std::vector<SongInFolder> kShortSongs = {
    {L"short_440.mp3", L"one.mp3"}, {L"short_660.mp3", L"two.mp3"}, {L"short_880.mp3", L"three.mp3"}};
const std::vector<std::wstring> kPlaylist = {L"one.mp3", L"two.mp3", L"three.mp3"};
// A twelve-second song, still playing when the test closes the player.
const std::vector<SongInFolder> kLongSong = {{L"long_440.mp3", L"long.mp3"}};
const std::wstring kUserName = L"Rosa";
// Three one-second songs, with Wine's start-up of each graph, end well within this.
constexpr DWORD kPlaylistTimeoutMs = 60000;

// "Audible": these tests play sound, so they are left out where the programs run under an emulator.
class AudiblePlaylistBesideRoom : public PlayerBesideRoom {
  protected:
    // Starts the room and the player with the songs in its folder, answers the prompt and waits for the
    // loaded announcement and the main window.
    void StartWithSongs(const std::vector<SongInFolder>& songs) {
        for (const SongInFolder& song : songs) {
            ASSERT_TRUE(CopyTestSong(song.generated, folder_.File(song.entry)));
        }
        ASSERT_NO_FATAL_FAILURE(StartRoom());
        ASSERT_NO_FATAL_FAILURE(StartPlayer());
        ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, kUserName));
        const std::string history = WaitForRoomToShow(loaded_);
        ASSERT_NE(history.find(loaded_), std::string::npos) << "the room shows:\n" << history;
        mainWindow_ = WaitForMainWindow();
        ASSERT_NE(mainWindow_, nullptr) << "no main window";
    }

    // Puts the entries into the playlist, selects the first and presses "Play".
    void PlayThePlaylist(const std::vector<std::wstring>& playlist = kPlaylist) {
        HWND list = Playlist(mainWindow_);
        ASSERT_NE(list, nullptr) << "the main window has no playlist";
        ASSERT_TRUE(AddToPlaylist(list, playlist)) << "the playlist did not take the songs";
        ASSERT_TRUE(SelectEntry(list, 0));
        HWND play = MainWindowButton(mainWindow_, L"Play");
        ASSERT_NE(play, nullptr) << "the main window has no \"Play\" button";
        PressButton(play);
    }

    // Waits until the engine's display shows the last song played to its end, then until the player answers
    // again (it is held for a while whenever it hides a window).
    void WaitForTheLastSongToEnd() {
        EngineDisplay display;
        const bool ended = WaitUntil(
            [&] {
                display = ReadEngineDisplay(mainWindow_);
                return DisplayShows(display, kPlaylist.back(), L"Stopped");
            },
            kPlaylistTimeoutMs, 250);
        ASSERT_TRUE(ended) << "the last song did not play to its end; the engine's display shows \""
                           << ToAnsi(display.fileName) << "\", \"" << ToAnsi(display.status) << "\"";
        ASSERT_TRUE(Answers(mainWindow_, kWindowTimeoutMs)) << "the player does not answer";
    }

    const std::string loaded_ = LoadedAnnouncement(kUserName);
    HWND mainWindow_ = nullptr;
};

TEST_F(AudiblePlaylistBesideRoom, AnnouncesEverySongInPlaylistOrderAsThePreviousOneEnds) {
    ASSERT_NO_FATAL_FAILURE(StartWithSongs(kShortSongs));
    ASSERT_NO_FATAL_FAILURE(PlayThePlaylist());

    ASSERT_NO_FATAL_FAILURE(WaitForTheLastSongToEnd());
    // Each song is announced when the engine opens it, so by now the room has every announcement. With
    // empty before and after texts each is the entry text alone, one per song, and the playlist's end is
    // not announced again.
    const std::string history = ReadHistory();
    const std::vector<std::string> expected = {loaded_, "one.mp3", "two.mp3", "three.mp3"};
    EXPECT_EQ(RoomMessages(history), expected) << "the room shows:\n" << history;
    std::string log;
    for (const std::string& message : expected) {
        log += SentMessagesLine(message);
    }
    EXPECT_EQ(SentMessagesLog(), log);
    EXPECT_EQ(SelectedEntry(Playlist(mainWindow_)), 2) << "the selection did not follow the songs";
}

TEST_F(AudiblePlaylistBesideRoom, WithChatSendsDisabledPlaysSilentlyInTheRoomAndLeavesWithoutGoodbye) {
    ASSERT_NO_FATAL_FAILURE(StartWithSongs(kShortSongs));

    HWND chatSendsButton = MainWindowButton(mainWindow_, L"Chat Sends");
    ASSERT_NE(chatSendsButton, nullptr) << "the main window has no \"Chat Sends\" button";
    PressButton(chatSendsButton);
    HWND chatSends = WaitForTopWindow({.processId = player_.Id(), .caption = L"Chat Sends"});
    ASSERT_NE(chatSends, nullptr) << "\"Chat Sends\" did not open its window";
    HWND disable = FindDescendant(chatSends, L"Button", L"Disable ChatSends");
    ASSERT_NE(disable, nullptr) << "no \"Disable ChatSends\" box";
    PressButton(disable);
    ASSERT_TRUE(WaitUntil(
        [&] {
            DWORD_PTR state = BST_UNCHECKED;
            return SendMessageTimeoutW(disable, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 10000, &state) != 0 &&
                   state == BST_CHECKED;
        },
        kWindowTimeoutMs))
        << "\"Disable ChatSends\" did not become ticked";
    ASSERT_TRUE(PressButtonIn(chatSends, L"OK"));
    ASSERT_TRUE(WaitUntilGone(chatSends)) << "\"OK\" did not close the \"Chat Sends\" window";
    ASSERT_TRUE(Answers(mainWindow_, kWindowTimeoutMs)) << "the player does not answer";

    ASSERT_NO_FATAL_FAILURE(PlayThePlaylist());
    ASSERT_NO_FATAL_FAILURE(WaitForTheLastSongToEnd());
    std::string history = ReadHistory();
    EXPECT_EQ(RoomMessages(history), std::vector<std::string>{loaded_}) << "the room shows:\n" << history;
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(loaded_));

    AskToClose(mainWindow_);
    ASSERT_TRUE(player_.WaitForEnd(kEndTimeoutMs))
        << "the player did not end when its main window was closed";
    history = ReadHistory();
    EXPECT_EQ(RoomMessages(history), std::vector<std::string>{loaded_}) << "the room shows:\n" << history;
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(loaded_));
}

TEST_F(AudiblePlaylistBesideRoom, ClosedWhileASongPlaysSaysGoodbyeAndEnds) {
    ASSERT_NO_FATAL_FAILURE(StartWithSongs(kLongSong));
    ASSERT_NO_FATAL_FAILURE(PlayThePlaylist({L"long.mp3"}));
    EngineDisplay display;
    ASSERT_TRUE(WaitUntil(
        [&] {
            display = ReadEngineDisplay(mainWindow_);
            return DisplayShows(display, L"long.mp3", L"Playing");
        },
        kPlaylistTimeoutMs, 250))
        << "the song did not start; the engine's display shows \"" << ToAnsi(display.fileName) << "\", \""
        << ToAnsi(display.status) << "\"";

    AskToClose(mainWindow_);
    ASSERT_TRUE(player_.WaitForEnd(kEndTimeoutMs))
        << "the player did not end when its main window was closed";
    EXPECT_EQ(player_.ExitCode(), 0u) << "the player ended with an error";
    const std::string history = ReadHistory();
    EXPECT_EQ(RoomMessages(history), (std::vector<std::string>{loaded_, "long.mp3", kUnloadedAnnouncement}))
        << "the room shows:\n"
        << history;
}

}  // namespace
}  // namespace e2e
