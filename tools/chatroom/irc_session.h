#pragma once
// The room's side of one IRC connection, without the socket: it is told what arrived and when, and says what
// to write and what the pane should show. Registration (with another nick when the first is taken), joining
// the channel, answering PING, and pacing what the room says so that a burst never floods the server.
// Portable: no Windows here.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chatroom {

struct IrcMessage {
    std::string prefix;  // "nick!user@host" or a server's name; empty when the line has none
    std::string command;
    std::vector<std::string> params;  // the trailing parameter last, without its ':'
};

// One protocol line without its CR LF; nothing when it holds no command.
std::optional<IrcMessage> ParseIrcLine(std::string_view line);
// The nick of a prefix "nick!user@host".
std::string_view NickOf(std::string_view prefix);

// Something for the pane. Text is UTF-8 as it came from IRC.
struct IrcEvent {
    enum class Kind {
        Said,    // a PRIVMSG to the channel from somebody else
        Action,  // the same as CTCP ACTION ("/me")
        Notice,  // joins, parts, quits, nick changes, kicks: a plain line
        Joined,  // the room is in the channel
    };
    Kind kind;
    std::string nick;
    std::string text;
};

class IrcSession {
  public:
    // Lines paced out at once before the pacing starts, and the seconds each later line waits.
    static constexpr int kBurst = 4;
    static constexpr double kSecondsPerLine = 2.0;

    IrcSession(std::string nick, std::string channel);

    // A new connection: registration starts again (the lines come from Due).
    void Connected(double now);
    // Bytes that arrived; the pane's events of the whole lines among them.
    std::vector<IrcEvent> Received(std::string_view bytes);
    // Queues the local person's message texts (each fits a line) for the channel.
    void Say(const std::vector<std::string>& texts);
    // The lines to write now, each with its CR LF: answers and registration first, then what the room says,
    // no faster than the pacing allows.
    std::vector<std::string> Due(double now);
    // Seconds from now until Due has a paced line to give; negative when nothing waits.
    double SecondsUntilDue(double now) const;

    bool Joined() const { return joined_; }
    const std::string& Nick() const { return nick_; }
    const std::string& Channel() const { return channel_; }
    // The longest message text a PRIVMSG to the channel can carry, leaving room for the prefix the server
    // puts before it when it passes it on.
    std::size_t LongestText() const;

  private:
    void Handle(const IrcMessage& message, std::vector<IrcEvent>& events);
    // A line to write before anything paced. One that would not be a single line of the protocol (a line
    // break or NUL from a hostile server's PING, or longer than the limit) is not written at all.
    void Urgent(std::string line);

    std::string wantedNick_;
    std::string nick_;
    std::string channel_;
    std::string received_;  // an unfinished line
    std::vector<std::string> urgent_;
    std::deque<std::string> paced_;
    bool registered_ = false;
    bool joined_ = false;
    int nickAttempts_ = 0;
    double credit_ = kBurst;
    double creditTime_ = 0;
};

}  // namespace chatroom
