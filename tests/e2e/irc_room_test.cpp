// The stand-in room linked to a channel of a real IRC server (ngircd, which scripts/test starts on
// 127.0.0.1), with a real IRC client (ii) as the participant Ann: she reads what the player sends, formatting
// and all, and what she types drives the player as a line from the messenger would. The player does not know:
// it still reaches the room only through its windows.
#include <windows.h>

#include <algorithm>
#include <string>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "e2e/test_songs.h"
#include "screens/screenshot.h"

namespace e2e {
namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? value : L"";
}

// "Audible": a song plays.
class AudibleIrcRoom : public PlayerBesideRoom {
  protected:
    void SetUp() override {
        port_ = Environment(L"ORVJUBO_IRC_PORT");
        ann_ = Environment(L"ORVJUBO_IRC_ANN");
        channel_ = Environment(L"ORVJUBO_IRC_CHANNEL");
        ASSERT_FALSE(port_.empty() || ann_.empty() || channel_.empty())
            << "no IRC server and participant (scripts/test starts them: ngircd and ii)";
    }

    // Ann types the line into ii, which sends it to the channel.
    bool AnnSays(const std::string& line) {
        const HANDLE in =
            CreateFileW((ann_ + L"\\in").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (in == INVALID_HANDLE_VALUE) {
            return false;
        }
        const std::string bytes = line + "\n";
        DWORD written = 0;
        const bool wrote = WriteFile(in, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                           written == bytes.size();
        CloseHandle(in);
        return wrote;
    }

    // What Ann's client has shown of the channel.
    std::string AnnReads() const { return ReadFileBytes(ann_ + L"\\out"); }

    // Waits until Ann has read the room's message (as ii writes it: "<OrvRoom> message") after what she had
    // read before; true when it came.
    bool AnnReadsFromTheRoom(const std::string& message, std::size_t after) {
        const std::string line = "<OrvRoom> " + message + "\n";
        return WaitUntil([&] { return AnnReads().find(line, after) != std::string::npos; }, 30000, 100);
    }

    std::wstring port_, ann_, channel_;
};

TEST_F(AudibleIrcRoom, AnnOnIrcReadsThePlayerAndDrivesIt) {
    ASSERT_TRUE(CopyTestSong(L"long_440.mp3", folder_.File(L"one.mp3")));
    ASSERT_TRUE(CopyTestSong(L"short_660.mp3", folder_.File(L"two.mp3")));
    ASSERT_NO_FATAL_FAILURE(StartRoom(L"--irc 127.0.0.1:" + port_ + L" --channel " + channel_ +
                                      L" --nick OrvRoom --local-name Rosa"));
    ASSERT_TRUE(WaitUntil(
        [&] { return WindowText(roomWindow_).find(L"IRC: in " + channel_) != std::wstring::npos; }, 30000))
        << "the room did not get into the channel; its title is " << ToAnsi(WindowText(roomWindow_));

    // The loaded announcement with IRC's bold, the blue underlined address, and "»" as UTF-8.
    std::size_t read = AnnReads().size();
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));
    EXPECT_TRUE(
        AnnReadsFromTheRoom("Orv Jubo \x02"
                            "2.1\x02 - Loaded. [User: Rosa \xC2\xBB Get it at: \x03"
                            "12\x1Forvjubo.net\x1F]",
                            read))
        << "Ann read:\n"
        << AnnReads();
    const HWND mainWindow = WaitForMainWindow();
    ASSERT_NE(mainWindow, nullptr);

    read = AnnReads().size();
    const HWND list = Playlist(mainWindow);
    ASSERT_TRUE(AddToPlaylist(list, {L"one.mp3", L"two.mp3"}));
    ASSERT_TRUE(SelectEntry(list, 0));
    PressButton(MainWindowButton(mainWindow, L"Play"));
    ASSERT_TRUE(AnnReadsFromTheRoom("one.mp3", read)) << "Ann read:\n" << AnnReads();

    // Ann's commands, from IRC.
    read = AnnReads().size();
    ASSERT_TRUE(AnnSays("p?"));
    EXPECT_TRUE(AnnReadsFromTheRoom("one.mp3", read)) << "no answer to \"p?\"; Ann read:\n" << AnnReads();
    read = AnnReads().size();
    ASSERT_TRUE(AnnSays("Next"));
    EXPECT_TRUE(AnnReadsFromTheRoom("two.mp3", read)) << "\"Next\" played nothing new; Ann read:\n"
                                                      << AnnReads();

    // What Ann types is text in the pane, never markup.
    ASSERT_TRUE(AnnSays("<b>x</b> & y"));
    const std::string shown = WaitForRoomToShow("Ann</B></FONT>: &lt;b&gt;x&lt;/b&gt; &amp; y");
    EXPECT_NE(shown.find("Ann</B></FONT>: &lt;b&gt;x&lt;/b&gt; &amp; y"), std::string::npos) << shown;
    EXPECT_FALSE(player_.HasEnded());
    // A picture of the session for people to look at (build/screens/irc_session.png): the player beside the
    // room.
    RECT room{}, player{};
    GetWindowRect(roomWindow_, &room);
    SetWindowPos(mainWindow, nullptr, room.right + 8, room.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(1000);
    GetWindowRect(mainWindow, &player);
    const RECT both{room.left, room.top, player.right, std::max(room.bottom, player.bottom)};
    EXPECT_TRUE(screens::SaveScreenshot(screens::CaptureScreen(both), L"irc_session"));
}

}  // namespace
}  // namespace e2e
