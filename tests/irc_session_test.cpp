// The stand-in room's side of an IRC connection, fed the lines a server sends.
#include <gtest/gtest.h>

#include "chatroom/irc_session.h"

namespace chatroom {
namespace {

using Lines = std::vector<std::string>;

TEST(IrcSession, RegistersWithAnotherNickWhenTakenJoinsAndAnswersPing) {
    IrcSession session("OrvRoom", "#room");
    session.Connected(0);
    EXPECT_EQ(session.Due(0), (Lines{"NICK OrvRoom\r\n", "USER OrvRoom 0 * :Orv Jubo stand-in room\r\n"}));
    session.Received(
        ":irc.local 433 * OrvRoom :Nickname already in use\r\n:irc.local 433 * OrvRoom_ :in use\r\n");
    EXPECT_EQ(session.Due(0), (Lines{"NICK OrvRoom_\r\n", "NICK OrvRoom_2\r\n"}));
    // A line may come in pieces.
    session.Received(":irc.local 001 OrvRoom_2 :Welcome\r\nPI");
    session.Received("NG :irc.local\r\n");
    EXPECT_EQ(session.Due(0), (Lines{"JOIN #room\r\n", "PONG :irc.local\r\n"}));
    EXPECT_FALSE(session.Joined());
    const std::vector<IrcEvent> joined = session.Received(":OrvRoom_2!u@h JOIN :#Room\r\n");
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].kind, IrcEvent::Kind::Joined);
    EXPECT_TRUE(session.Joined());
    EXPECT_EQ(session.Nick(), "OrvRoom_2");
}

TEST(IrcSession, TheChannelsLinesBecomeEventsAndOnlyOthersLinesAreSaid) {
    IrcSession session("Orv", "#room");
    session.Connected(0);
    session.Received(":s 001 Orv :hi\r\n:Orv!u@h JOIN #room\r\n");
    const std::vector<IrcEvent> events = session.Received(
        "@time=x :Ann!a@h PRIVMSG #room :p?\r\n"
        ":Ann!a@h PRIVMSG #room :\x01"
        "ACTION waves\x01\r\n"
        ":Ann!a@h PRIVMSG #room :\x01VERSION\x01\r\n"
        ":Ann!a@h PRIVMSG Orv :a private word\r\n"
        ":Orv!u@h PRIVMSG #room :my own echo\r\n"
        ":Bob!b@h JOIN #room\r\n:Bob!b@h NICK :Rob\r\n:Rob!b@h PART #room :bye\r\n:Cy!c@h QUIT :gone\r\n");
    const struct {
        IrcEvent::Kind kind;
        const char* nick;
        const char* text;
    } expected[] = {{IrcEvent::Kind::Said, "Ann", "p?"},
                    {IrcEvent::Kind::Action, "Ann", "waves"},
                    {IrcEvent::Kind::Notice, "Bob", "Bob has joined #room"},
                    {IrcEvent::Kind::Notice, "Bob", "Bob is now known as Rob"},
                    {IrcEvent::Kind::Notice, "Rob", "Rob has left #room (bye)"},
                    {IrcEvent::Kind::Notice, "Cy", "Cy has quit (gone)"}};
    ASSERT_EQ(events.size(), std::size(expected));
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, expected[i].kind) << i;
        EXPECT_EQ(events[i].nick, expected[i].nick) << i;
        EXPECT_EQ(events[i].text, expected[i].text) << i;
    }
}

TEST(IrcSession, ABurstIsPacedAndWaitsForTheChannel) {
    IrcSession session("Orv", "#room");
    session.Connected(0);
    session.Due(0);
    session.Say(Lines(10, "now playing"));
    EXPECT_TRUE(session.Due(0).empty()) << "nothing goes out before the room is in the channel";
    session.Received(":s 001 Orv :hi\r\n:Orv!u@h JOIN #room\r\n");
    EXPECT_EQ(session.Due(1).size(), 1u + IrcSession::kBurst);  // the JOIN, then the burst
    EXPECT_TRUE(session.Due(1.5).empty());
    EXPECT_NEAR(session.SecondsUntilDue(1.5), 1.5, 1e-9);
    EXPECT_EQ(session.Due(3), (Lines{"PRIVMSG #room :now playing\r\n"}));
    // A long quiet lets no more than the burst through at once.
    EXPECT_EQ(session.Due(60).size(), static_cast<std::size_t>(IrcSession::kBurst));
    EXPECT_EQ(session.Due(60 + IrcSession::kSecondsPerLine).size(), 1u);
    EXPECT_LT(session.SecondsUntilDue(100), 0);
    EXPECT_LE(session.LongestText() + std::string("PRIVMSG #room :\r\n").size() + 80, 512u);
}

}  // namespace
}  // namespace chatroom
