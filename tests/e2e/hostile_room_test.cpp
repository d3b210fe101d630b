// Chat rooms that hand the player what no well-behaved messenger would: a huge conversation, a huge line,
// bytes that are no text, a pane that changes under the reader, a window that goes away in the middle of a
// send or is made anew while the player watches it. Each row starts the stand-in room as it needs, does its
// harm while the player scans, checking on the way that the player still answers its window messages, and
// then a participant asks "p?": the reply must still come, in the same room or in the one that replaced it.
//
// The suite's name begins with "Hostile": under the user-mode emulator (scripts/test) it takes minutes, and
// it is left out there.
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "chatroom/chatroom_protocol.h"
#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

// The "Chat Sends" text before the song; with nothing playing, the reply to "p?" is just this.
const std::wstring kTextBeforeSong = L"Now playing:";
// A few of the scanner's ticks.
constexpr DWORD kSomeTicksMs = 2000;

class HostileRoom;

struct HostileRow {
    const char* name;
    std::wstring roomArguments;
    // What the room or its participants do to the player.
    void (HostileRoom::*harm)();
};

void PrintTo(const HostileRow& row, std::ostream* out) {
    *out << row.name;
}

// The newest part of a conversation, its control characters (NULs among them) shown as dots.
std::string Printable(std::string history) {
    history.erase(0, history.size() > 2000 ? history.size() - 2000 : 0);
    std::replace_if(
        history.begin(), history.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '.');
    return history;
}

class HostileRoom : public PlayerBesideRoom, public ::testing::WithParamInterface<HostileRow> {
  public:
    void ATenMegabyteConversation() {
        EXPECT_GT(ReadHistory().size(), std::size_t{10} * 1024 * 1024);
        SayAndLetThePlayerScan(L"hello after ten megabytes");
    }

    void ANewestLineOf100000Characters() {
        std::wstring line;
        for (int i = 0; line.size() < 100000; ++i) {
            line += L"word" + std::to_wstring(i) + L" ";
        }
        line.resize(100000);
        SayAndLetThePlayerScan(line);
        EXPECT_NE(ReadHistory().find(ToAnsi(line)), std::string::npos);
    }

    void NulsControlsAndAnUnpairedLessThan() {
        const wchar_t text[] =
            L"a\0NUL, \x01\x07\x08\x1b\x7f controls,\r\n\ta line break and <an unpaired one";
        const std::wstring line(text, std::size(text) - 1);
        SayAndLetThePlayerScan(line);
        EXPECT_NE(ReadHistory().find(ToAnsi(line)), std::string::npos) << "the pane does not hold the NUL";
    }

    void TextThatChangesBetweenTwoReads() {
        SayAndLetThePlayerScan(L"one");
        SayAndLetThePlayerScan(L"two");
        // Of three reads in a row, at least one finds another text than it measured.
        bool changed = false;
        for (int i = 0; i < 3; ++i) {
            const HWND pane = FindHistoryPane();
            DWORD_PTR measured = 0;
            DWORD_PTR copied = 0;
            std::wstring read(4096, L'\0');
            changed |=
                SendMessageTimeoutW(pane, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, Scaled(10000),
                                    &measured) != 0 &&
                SendMessageTimeoutW(pane, WM_GETTEXT, read.size(), reinterpret_cast<LPARAM>(read.data()),
                                    SMTO_ABORTIFHUNG, Scaled(10000), &copied) != 0 &&
                copied != measured;
        }
        EXPECT_TRUE(changed) << "the pane did not change between two reads";
    }

    // The room goes while the player's loaded announcement is half sent; a new one is opened.
    void AWindowClosedInTheMiddleOfASend() {
        ASSERT_TRUE(room_.WaitForEnd(kEndTimeoutMs)) << "the room did not close its window";
        EXPECT_EQ(FindChatRoom(), nullptr);
        // The room took the text and went; no press of the send button reached it.
        const std::string timeline = ReadFileBytes(folder_.File(L"timeline.txt"));
        EXPECT_NE(timeline.find("sent entry WM_SETTEXT"), std::string::npos) << timeline;
        EXPECT_EQ(timeline.find("button5"), std::string::npos) << timeline;
        ExpectThePlayerAnswers("after the room closed in the middle of a send");
        ASSERT_NO_FATAL_FAILURE(StartRoom());
    }

    // The room's window, and every child of it, is destroyed and made again, a dozen times over a few ticks:
    // every other time in the middle of one of the player's reads (between the pane's length and its text).
    void AWindowRemadeWhileTheScannerRuns() {
        constexpr int kTimes = 12;
        const HWND first = FindChatRoom();
        for (int i = 1; i <= kTimes; ++i) {
            const HWND room = FindChatRoom();
            ASSERT_NE(room, nullptr) << "no chat room after " << i - 1 << " re-creations";
            const bool duringARead = i % 2 == 1;
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(room, chatroom::kRecreateWindowMessage,
                                duringARead ? chatroom::kRecreateAtNextRead : 0, 0, SMTO_ABORTIFHUNG,
                                Scaled(10000), &ignored);
            // Between the old window and the new one there is none.
            EXPECT_TRUE(WaitUntil([&] { return FindChatRoom() != room && FindChatRoom() != nullptr; },
                                  kWindowTimeoutMs))
                << "the player did not read the pane";
            if (i % 4 == 0) {
                roomWindow_ = FindChatRoom();
                EXPECT_TRUE(SayAsParticipant(L"said while the window is made anew " + std::to_wstring(i)));
                ExpectThePlayerAnswers("while the room is made anew");
            }
        }
        roomWindow_ = FindChatRoom();
        ASSERT_NE(roomWindow_, nullptr);
        EXPECT_NE(roomWindow_, first);
        EXPECT_NE(ReadHistory().find("said while the window is made anew 4"), std::string::npos)
            << "the conversation was lost on the way";
    }

  protected:
    void SayAndLetThePlayerScan(const std::wstring& text) {
        ASSERT_TRUE(SayAsParticipant(text));
        Sleep(Scaled(kSomeTicksMs));
        ExpectThePlayerAnswers("after a participant's line");
    }

    void ExpectThePlayerAnswers(const char* when) {
        EXPECT_TRUE(Answers(mainWindow_, kWindowTimeoutMs)) << "the main window does not answer " << when;
    }

    // "Chat Sends": the text before the song, so that the reply to "p?" is not empty.
    void SetTextBeforeSong() {
        PressButton(MainWindowButton(mainWindow_, L"Chat Sends"));
        const HWND chatSends = WaitForTopWindow({.processId = player_.Id(), .caption = L"Chat Sends"});
        ASSERT_NE(chatSends, nullptr) << "\"Chat Sends\" did not open";
        ASSERT_TRUE(SetWindowTextTo(FindDescendant(chatSends, L"Edit", L""), kTextBeforeSong));
        ASSERT_TRUE(PressButtonIn(chatSends, L"OK"));
        ASSERT_TRUE(WaitUntilGone(chatSends));
    }

    // Whether the room shows the player's reply after a participant's "p?".
    static bool RepliedToNowPlaying(const std::string& history) {
        const std::vector<std::string> messages = RoomMessages(history);
        const auto asked = std::find(messages.begin(), messages.end(), "p?");
        return asked != messages.end() &&
               std::find(asked, messages.end(), ToAnsi(kTextBeforeSong)) != messages.end();
    }

    HWND mainWindow_ = nullptr;
};

TEST_P(HostileRoom, ThePlayerKeepsAnsweringAndAParticipantsNowPlayingStillGetsItsReply) {
    const HostileRow& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartRoom(row.roomArguments));
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));
    mainWindow_ = WaitForMainWindow();
    ASSERT_NE(mainWindow_, nullptr) << "no main window";
    // Logged whether or not the room took it.
    ASSERT_TRUE(WaitUntil([&] { return !SentMessagesLog().empty(); }, kWindowTimeoutMs));
    EXPECT_EQ(SentMessagesLog(), SentMessagesLine(LoadedAnnouncement(L"Rosa")));
    ASSERT_NO_FATAL_FAILURE(SetTextBeforeSong());

    ASSERT_NO_FATAL_FAILURE((this->*row.harm)());
    ExpectThePlayerAnswers("after the harm");
    ASSERT_FALSE(player_.HasEnded()) << "the player ended, exit code " << player_.ExitCode();

    ASSERT_TRUE(SayAsParticipant(L"p?"));
    std::string history;
    EXPECT_TRUE(WaitUntil(
        [&] {
            history = ReadHistory();
            return RepliedToNowPlaying(history);
        },
        Scaled(30000), 250))
        << "no reply to \"p?\"; the newest part of the conversation:\n"
        << Printable(history);
    ExpectThePlayerAnswers("at the end");
    EXPECT_FALSE(player_.HasEnded());
}

const HostileRow kRows[] = {
    {"TenMegabytePane", L"--history-bytes 10485760", &HostileRoom::ATenMegabyteConversation},
    {"NewestLineOf100000Characters", L"", &HostileRoom::ANewestLineOf100000Characters},
    {"NulsControlsAndUnpairedLessThan", L"", &HostileRoom::NulsControlsAndAnUnpairedLessThan},
    {"PaneChangesBetweenReads", L"--change-between-reads", &HostileRoom::TextThatChangesBetweenTwoReads},
    {"WindowClosesInTheMiddleOfASend", L"--close-on-entry --timeline timeline.txt",
     &HostileRoom::AWindowClosedInTheMiddleOfASend},
    {"WindowRemadeWhileScanning", L"", &HostileRoom::AWindowRemadeWhileTheScannerRuns},
};

INSTANTIATE_TEST_SUITE_P(Hostile, HostileRoom, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<HostileRow>& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
