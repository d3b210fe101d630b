// The chat scanner: which lines it reports and how it cuts them into sender, message and time.
#include <gtest/gtest.h>

#include "aim/chat_scanner.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_files.h"
#include "fakes/fake_timer.h"

namespace orv {
namespace {

using testing::AddChatRoom;
using testing::FakeChatRoom;
using testing::FakeChatWindows;
using testing::FakeCodePage;
using testing::FakeFiles;
using testing::FakeTimer;

struct Report {
    Text who, message, datesaid;
    bool operator==(const Report&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Report& r) {
    auto narrow = [](const Text& t) { return std::string(t.begin(), t.end()); };
    return out << "{" << narrow(r.who) << "|" << narrow(r.message) << "|" << narrow(r.datesaid) << "}";
}

// A line as the messenger writes it, from a sender whose name is shown in red.
AnsiText RedLine(const std::string& time, const std::string& who, const std::string& message) {
    return "<BR><!-- (" + time + ") --><FONT COLOR=\"#ff0000\"><B>" + who + "</B></FONT>: " + message +
           "</HTML>";
}
AnsiText BlueLine(const std::string& time, const std::string& who, const std::string& message) {
    return "<BR><!-- (" + time + ") --><FONT COLOR=\"#0000ff\"><B>" + who + "</B></FONT>: " + message +
           "</HTML>";
}

class ChatScannerTest : public ::testing::Test {
  protected:
    ChatScannerTest() {
        tasp1.aimchatscan = [this](Text& who, Text& message, Text& datesaid) {
            reports.push_back({who, message, datesaid});
        };
    }
    void Say(const AnsiText& line) { windows.TextOf(room.history) += line; }
    void Show(const AnsiText& pane) { windows.TextOf(room.history) = pane; }
    // Switches scanning on: the timer starts and the snapshot is taken.
    void StartScanning() { tasp1.aimchatscan_on(); }
    void Tick() { ASSERT_TRUE(timer.Fire()); }

    FakeChatWindows windows;
    FakeChatRoom room = AddChatRoom(windows);
    FakeCodePage codePage;
    FakeFiles files;
    Chat chat{windows, codePage, files};
    FakeTimer timer;
    tasp_aim_chat tasp1{chat, timer};
    std::vector<Report> reports;
};

TEST_F(ChatScannerTest, ReportsANewRedLineCutIntoSenderMessageAndTime) {
    Show("<HTML><BR>welcome</HTML>");
    StartScanning();
    Show("<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next</HTML>");
    Tick();
    EXPECT_EQ(reports, (std::vector<Report>{{L"Somebody", L"!next", L"{8:15:02 PM}"}}));
    EXPECT_EQ(tasp1.oldlastlyne(),
              L"<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next</HTML");
    EXPECT_EQ(tasp1.newlastlyne(), tasp1.oldlastlyne());
}

TEST_F(ChatScannerTest, TheTimerTicksEvery500MsOnlyWhileSwitchedOn) {
    EXPECT_FALSE(timer.IsRunning());
    tasp1.aimchatscan_on();
    EXPECT_TRUE(timer.IsRunning());
    EXPECT_EQ(timer.period, 500u);
    tasp1.aimchatscan_off();
    EXPECT_FALSE(timer.IsRunning());
    Say(RedLine("1:00:00 PM", "Ann", "!play"));
    EXPECT_FALSE(timer.Fire());
    EXPECT_TRUE(reports.empty());
}

TEST_F(ChatScannerTest, OnlyLinesThatSetTheRedFontAreReported) {
    Show(BlueLine("1:00:00 PM", "Ann", "x"));
    StartScanning();
    Say(BlueLine("1:00:01 PM", "Ann", "!next"));
    Tick();
    Say("<BR><font color=#ff0000>unquoted</font>: no</HTML>");
    Tick();
    Say("<BR><FONT COLOR='#ff0000'>single quotes</FONT>: no</HTML>");
    Tick();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(tasp1.newlastlyne(), L"");  // lines failing the gate change no field
    Say("<BR><font Color=\"#FF0000\"><b>Case</b></font>: upper-case markup counts</HTML>");
    Tick();
    EXPECT_EQ(reports, (std::vector<Report>{
                           {L"Case", L"upper-case markup counts",
                            L"{font Color=\"#FF0000\"><b>Case</b></font>: upper-case markup counts</HTM}"}}));
}

TEST_F(ChatScannerTest, TheLineNewestAtSwitchOnIsNotReported) {
    Show(RedLine("1:00:00 PM", "Ann", "!stop"));
    StartScanning();
    Tick();
    Tick();
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(tasp1.fyrsttalk(), codePage.FromAnsi(RedLine("1:00:00 PM", "Ann", "!stop")));
    // Any change to the tail lifts the suppression, even one that leaves the same newest line.
    Show(RedLine("1:00:00 PM", "Ann", "!stop") + RedLine("1:00:00 PM", "Ann", "!stop"));
    Tick();
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ChatScannerTest, TheSnapshotIsTheLast500CharactersAtSwitchOn) {
    Show(std::string(800, 'x') + RedLine("1:00:00 PM", "Ann", "old"));
    StartScanning();
    const AnsiText red = RedLine("1:00:00 PM", "Ann", "old");
    EXPECT_EQ(tasp1.fyrsttalk(), codePage.FromAnsi(std::string(500 - red.size(), 'x') + red));
}

TEST_F(ChatScannerTest, ARepeatedLineIsReportedOnce) {
    StartScanning();
    Say(RedLine("2:00:00 PM", "Bob", "!pause"));
    Tick();
    Tick();
    Say(BlueLine("2:00:01 PM", "Cy", "chatter"));  // fails the gate, so Bob's line stays the last reported
    Tick();
    Say(RedLine("2:00:00 PM", "Bob", "!pause"));
    Tick();
    Say(RedLine("2:00:05 PM", "Bob", "!pause"));
    Tick();
    EXPECT_EQ(reports, (std::vector<Report>{{L"Bob", L"!pause", L"{2:00:00 PM}"},
                                            {L"Bob", L"!pause", L"{2:00:05 PM}"}}));
}

TEST_F(ChatScannerTest, OfTwoLinesWithinOneTickOnlyTheLaterIsReported) {
    StartScanning();
    Say(RedLine("3:00:00 PM", "Ann", "!next"));
    Say(RedLine("3:00:00 PM", "Bob", "!prev"));
    Tick();
    EXPECT_EQ(reports, (std::vector<Report>{{L"Bob", L"!prev", L"{3:00:00 PM}"}}));
}

TEST_F(ChatScannerTest, SenderIsBeforeTheFirstColonAndMessageSkipsOneCharacterAfterIt) {
    StartScanning();
    Say("<BR><!-- (1:00:00 AM) --><FONT COLOR=\"#ff0000\">Bob</FONT>:hi</HTML>");
    Tick();
    Say("<BR><!-- (1:00:01 AM) --><FONT COLOR=\"#ff0000\">Bob</FONT>: a: b</HTML>");
    Tick();
    Say("<BR><!-- (1:00:02 AM) --><FONT COLOR=\"#ff0000\">:</FONT>  x</HTML>");
    Tick();
    Say("<BR><!-- (1:00:03 AM) --><FONT COLOR=\"#ff0000\">Bob</FONT>:</HTML>");
    Tick();
    EXPECT_EQ(reports, (std::vector<Report>{{L"Bob", L"i", L"{1:00:00 AM}"},
                                            {L"Bob", L"a: b", L"{1:00:01 AM}"},
                                            {L"", L" x", L"{1:00:02 AM}"},
                                            {L"Bob", L"", L"{1:00:03 AM}"}}));
}

TEST_F(ChatScannerTest, WithoutAColonTheSenderIsEmptyAndTheMessageLosesItsFirstCharacter) {
    StartScanning();
    Say("<BR><FONT COLOR=\"#ff0000\">Ann waves</FONT></HTML>");
    Tick();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].who, L"");
    EXPECT_EQ(reports[0].message, L"nn waves");
}

TEST_F(ChatScannerTest, WithoutTheTimeCommentTheTimeIsReadFromTheSixthCharacter) {
    StartScanning();
    Say("<BR><FONT COLOR=\"#ff0000\">Ann (x)</FONT>: hi</HTML>");
    Tick();
    // "<BR><" are the first five characters; the time runs from "F" to the first ")".
    Say("<BR><b>no bracket at all</b><FONT COLOR=\"#ff0000\">Ann</FONT>: yo</HTML>");
    Tick();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].datesaid, L"{FONT COLOR=\"#ff0000\">Ann (x}");
    // Without any ")" it stops before the line's last character.
    EXPECT_EQ(reports[1].datesaid, L"{b>no bracket at all</b><FONT COLOR=\"#ff0000\">Ann</FONT>: yo</HTM}");
}

TEST_F(ChatScannerTest, AnUnclosedTimeCommentRunsToTheSecondToLastCharacter) {
    StartScanning();
    Say("<BR><FONT COLOR=\"#ff0000\">Ann</FONT>: <!-- (12:00!");
    Say("?");
    Tick();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].datesaid, L"{12:00}");
}

TEST_F(ChatScannerTest, ARedLineLongerThanTheTailYieldsOneEmptyReport) {
    StartScanning();
    Say(RedLine("4:00:00 PM", "Ann", "!next"));
    Tick();
    ASSERT_EQ(reports.size(), 1u);
    Say(RedLine("4:00:01 PM", "Ann", std::string(600, 'z')));
    Tick();
    Tick();
    EXPECT_EQ(tasp1.newlastlyne(), L"");
    EXPECT_EQ(tasp1.oldlastlyne(), L"");
    EXPECT_EQ(reports, (std::vector<Report>{{L"Ann", L"!next", L"{4:00:00 PM}"}, {L"", L"", L"{}"}}));
}

TEST_F(ChatScannerTest, ALongRedLineGivesNothingWhenNothingWasReportedBefore) {
    StartScanning();
    Say(RedLine("4:00:01 PM", "Ann", std::string(600, 'z')));
    Tick();
    EXPECT_TRUE(reports.empty());
}

TEST_F(ChatScannerTest, TinyPanesAreIgnored) {
    StartScanning();
    for (const char* pane : {"", "<", "<B", "<BR", "<BR>", "<BR>\"", "<br><font color=\"#ff0000\""}) {
        Show(pane);
        Tick();
    }
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(tasp1.newlastlyne(), L"");
}

TEST_F(ChatScannerTest, PlainTextAtTheEndLosesTheLastTwoCharacters) {
    StartScanning();
    Say("<BR><FONT COLOR=\"#ff0000\">Ann</FONT>: hello");
    Tick();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].message, L"hel");
}

TEST_F(ChatScannerTest, SwitchingOffAndOnKeepsTheLastReportedLine) {
    StartScanning();
    Say(RedLine("5:00:00 PM", "Ann", "!mute"));
    Tick();
    tasp1.aimchatscan_off();
    Say(BlueLine("5:00:01 PM", "Bob", "chatter"));
    Say(RedLine("5:00:00 PM", "Ann", "!mute"));
    tasp1.aimchatscan_on();
    EXPECT_EQ(timer.starts, 2);
    // The tail changes, the newest line is still the one already reported.
    Show(BlueLine("5:00:02 PM", "Cy", "hm") + RedLine("5:00:00 PM", "Ann", "!mute"));
    Tick();
    EXPECT_EQ(reports.size(), 1u);
    Say(RedLine("5:00:09 PM", "Ann", "!mute"));
    Tick();
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(ChatScannerTest, SwitchingOnAgainTakesANewSnapshot) {
    StartScanning();
    Say(RedLine("6:00:00 PM", "Ann", "!one"));
    tasp1.aimchatscan_on();
    Tick();
    EXPECT_TRUE(reports.empty());
}

TEST_F(ChatScannerTest, FieldsAreUpdatedBeforeTheEventSoANestedTickDoesNotRepeatIt) {
    StartScanning();
    int nested = 0;
    tasp1.aimchatscan = [&](Text& who, Text& message, Text& datesaid) {
        reports.push_back({who, message, datesaid});
        if (nested++ == 0) {
            timer.Fire();  // a tick while the handler waits in a message box
        }
    };
    Say(RedLine("7:00:00 PM", "Ann", "!info"));
    Tick();
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ChatScannerTest, NoChatRoomMeansNoReportsUntilOneOpens) {
    FakeChatWindows empty;
    Chat noRoom{empty, codePage, files};
    FakeTimer idle;
    tasp_aim_chat scanner{noRoom, idle};
    int events = 0;
    scanner.aimchatscan = [&](Text&, Text&, Text&) { ++events; };
    scanner.aimchatscan_on();
    idle.Fire();
    EXPECT_EQ(events, 0);
    const FakeChatRoom opened = AddChatRoom(empty);
    empty.TextOf(opened.history) = RedLine("8:00:00 PM", "Ann", "!next");
    idle.Fire();
    EXPECT_EQ(events, 1);
}

TEST_F(ChatScannerTest, ReadsThePaneOncePerTick) {
    StartScanning();
    Say(RedLine("9:00:00 PM", "Ann", "!next"));
    windows.sent.clear();
    Tick();
    int reads = 0;
    for (const auto& s : windows.sent) {
        reads += s.kind == FakeChatWindows::Kind::GetText;
    }
    EXPECT_EQ(reads, 1);
}

TEST_F(ChatScannerTest, VagReportsTheTestSenderAtOnce) {
    tasp1.vag(L"!next");
    EXPECT_EQ(reports, (std::vector<Report>{{L"vag", L"!next", L"3232"}}));
    EXPECT_FALSE(timer.IsRunning());
}

TEST_F(ChatScannerTest, WithoutAHandlerTicksAreHarmless) {
    tasp1.aimchatscan = nullptr;
    StartScanning();
    Say(RedLine("9:00:00 PM", "Ann", "!next"));
    Tick();
    tasp1.vag(L"x");
    Text line = codePage.FromAnsi(RedLine("9:00:00 PM", "Ann", "!next"));
    line.pop_back();
    EXPECT_EQ(tasp1.oldlastlyne(), line);
}

}  // namespace
}  // namespace orv
