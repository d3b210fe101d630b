// A long session in the stand-in room: a participant posts command lines, one per scanner period, that
// change the player's state ("Vol+", "Mute", "Vol-", "Unmute"), each followed by "p?", which replies.
// Every line must be handled exactly once (one reply per "p?", none else), and the player's private bytes at
// the end must be within 10 % of those after the first hundred lines (half the lines, when there are fewer).
//   chat_soak.exe [--gtest_filter=...]   ORVJUBO_SOAK_LINES: the number of lines (default 2000)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chatroom/chatroom_protocol.h"
#include "process_figures.h"
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

using orv::bench::PrivateBytes;

// How long the scanner's timer waits between two reads of the room.
constexpr DWORD kScannerPeriodMs = 500;

int LinesToPost() {
    const char* value = std::getenv("ORVJUBO_SOAK_LINES");
    const int lines = value != nullptr ? std::atoi(value) : 2000;
    return lines > 0 ? lines : 2000;
}

class ChatSoak : public PlayerBesideRoom {
  protected:
    // The messages the player has sent, one line of "test.html" each.
    int SentCount() const {
        const std::string log = SentMessagesLog();
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }
};

TEST_F(ChatSoak, EveryLineIsHandledOnceAndThePrivateBytesStayLevel) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa"));
    WaitForRoomToShow(LoadedAnnouncement(L"Rosa"));
    ASSERT_NE(WaitForMainWindow(), nullptr);
    const int sentAtStart = SentCount();

    const wchar_t* const changes[] = {L"Vol+", L"Mute", L"Vol-", L"Unmute"};
    const int lines = LinesToPost();
    const DWORD started = GetTickCount();
    const int measuredAfter = std::min(100, lines / 2);
    SIZE_T afterHundred = 0;
    int replies = 0;
    for (int line = 0; line < lines; ++line) {
        const bool asks = line % 2 == 1;
        ASSERT_TRUE(SayAsParticipant(asks ? L"p?" : changes[(line / 2) % 4])) << "line " << line;
        if (asks) {
            ++replies;
            // The reply is the sign that the scanner took the line; then the next period begins.
            ASSERT_TRUE(WaitUntil([&] { return SentCount() - sentAtStart >= replies; }, Scaled(20000), 20))
                << "no reply to line " << line;
        } else {
            // Past the next tick, which reports this line: the scanner reports only the newest line.
            Sleep(kScannerPeriodMs + 100);
        }
        if (line + 1 == measuredAfter) {
            afterHundred = PrivateBytes(player_.Id());
        }
    }
    Sleep(Scaled(3000));
    const int sent = SentCount() - sentAtStart;
    const SIZE_T atEnd = PrivateBytes(player_.Id());
    std::printf(
        "chat soak: %d lines in %lu s, %d replies for %d \"p?\"; private bytes %lu KB after %d lines, "
        "%lu KB at the end (%+.1f %%)\n",
        lines, static_cast<unsigned long>((GetTickCount() - started) / 1000), sent, replies,
        static_cast<unsigned long>(afterHundred / 1024), measuredAfter,
        static_cast<unsigned long>(atEnd / 1024),
        afterHundred != 0 ? 100.0 * (static_cast<double>(atEnd) - static_cast<double>(afterHundred)) /
                                static_cast<double>(afterHundred)
                          : 0.0);
    EXPECT_EQ(sent, replies) << "a line was lost or handled twice";
    ASSERT_NE(afterHundred, 0u);
    EXPECT_LE(static_cast<double>(atEnd), 1.1 * static_cast<double>(afterHundred));
    EXPECT_GE(static_cast<double>(atEnd), 0.9 * static_cast<double>(afterHundred));
    EXPECT_FALSE(player_.HasEnded());
}

}  // namespace
}  // namespace e2e
