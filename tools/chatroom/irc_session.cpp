#include "irc_session.h"

#include <algorithm>

#include "irc_text.h"

namespace chatroom {

namespace {

// IRC compares names with its own case rules: "[]\~" are the capitals of "{}|^".
char FoldedCase(char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<char>(c - 'A' + 'a');
    }
    switch (c) {
        case '[':
            return '{';
        case ']':
            return '}';
        case '\\':
            return '|';
        case '~':
            return '^';
        default:
            return c;
    }
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldedCase(x) == FoldedCase(y); });
}

// The longest host name the server may put into the prefix before a message it passes on.
constexpr std::size_t kLongestHost = 63;
constexpr std::size_t kLongestUser = 11;
// The shortest nick length servers allow; a fallback nick stays within it.
constexpr std::size_t kShortestNickLimit = 9;

}  // namespace

std::optional<IrcMessage> ParseIrcLine(std::string_view line) {
    IrcMessage message;
    std::size_t at = 0;
    const auto word = [&] {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        std::string_view found = line.substr(at, end - at);
        at = end;
        while (at < line.size() && line[at] == ' ') {
            ++at;
        }
        return found;
    };
    if (at < line.size() && line[at] == '@') {
        word();  // message tags
    }
    if (at < line.size() && line[at] == ':') {
        ++at;
        message.prefix = word();
    }
    message.command = word();
    if (message.command.empty()) {
        return std::nullopt;
    }
    while (at < line.size()) {
        if (line[at] == ':') {
            message.params.emplace_back(line.substr(at + 1));
            break;
        }
        message.params.emplace_back(word());
    }
    return message;
}

std::string_view NickOf(std::string_view prefix) {
    return prefix.substr(0, std::min(prefix.find('!'), prefix.find('@')));
}

IrcSession::IrcSession(std::string nick, std::string channel)
    : wantedNick_(nick), nick_(std::move(nick)), channel_(std::move(channel)) {}

void IrcSession::Connected(double now) {
    nick_ = wantedNick_;
    received_.clear();
    urgent_.clear();
    registered_ = false;
    joined_ = false;
    credit_ = kBurst;
    creditTime_ = now;
    nickAttempts_ = 0;
    Urgent("NICK " + nick_);
    Urgent("USER " + wantedNick_ + " 0 * :Orv Jubo stand-in room");
}

std::vector<IrcEvent> IrcSession::Received(std::string_view bytes) {
    std::vector<IrcEvent> events;
    received_.append(bytes);
    std::size_t start = 0;
    for (std::size_t end; (end = received_.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string_view line(received_.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (const std::optional<IrcMessage> message = ParseIrcLine(line)) {
            Handle(*message, events);
        }
    }
    received_.erase(0, start);
    // A server never sends a line this long; a peer that does is not allowed to fill the memory.
    if (received_.size() > 16 * kIrcLineLimit) {
        received_.clear();
    }
    return events;
}

void IrcSession::Handle(const IrcMessage& message, std::vector<IrcEvent>& events) {
    const std::vector<std::string>& p = message.params;
    const std::string from(NickOf(message.prefix));
    const auto param = [&](std::size_t i) { return i < p.size() ? p[i] : std::string(); };
    const auto notice = [&](std::string text) {
        events.push_back({IrcEvent::Kind::Notice, from, std::move(text)});
    };
    const std::string& command = message.command;
    if (command == "PING") {
        Urgent("PONG :" + param(0));
    } else if (command == "001") {
        registered_ = true;
        if (!p.empty()) {
            nick_ = p[0];  // the name the server knows the room by
        }
        Urgent("JOIN " + channel_);
    } else if ((command == "433" || command == "432" || command == "436") && !registered_) {
        // Taken (or refused): the wanted nick with "_" or, after that, a digit, within the shortest limit.
        ++nickAttempts_;
        const std::string base = wantedNick_.substr(0, kShortestNickLimit - (nickAttempts_ == 1 ? 1 : 2));
        nick_ = base + (nickAttempts_ == 1 ? "_" : "_" + std::to_string(nickAttempts_ % 10));
        Urgent("NICK " + nick_);
    } else if (command == "JOIN" && SameName(param(0), channel_)) {
        if (SameName(from, nick_)) {
            joined_ = true;
            events.push_back({IrcEvent::Kind::Joined, from, param(0)});
        } else {
            notice(from + " has joined " + param(0));
        }
    } else if (command == "PART" && SameName(param(0), channel_)) {
        if (SameName(from, nick_)) {
            joined_ = false;
        }
        notice(from + " has left " + param(0) + (p.size() > 1 ? " (" + p[1] + ")" : ""));
    } else if (command == "QUIT") {
        notice(from + " has quit" + (p.empty() ? "" : " (" + p[0] + ")"));
    } else if (command == "NICK") {
        if (SameName(from, nick_)) {
            nick_ = param(0);
        }
        notice(from + " is now known as " + param(0));
    } else if (command == "KICK" && SameName(param(0), channel_)) {
        if (SameName(param(1), nick_)) {
            joined_ = false;
            Urgent("JOIN " + channel_);
        }
        notice(param(1) + " was kicked by " + from + (p.size() > 2 ? " (" + p[2] + ")" : ""));
    } else if (command == "PRIVMSG" && SameName(param(0), channel_) && !SameName(from, nick_)) {
        const std::string& text = param(1);
        constexpr std::string_view kAction =
            "\x01"
            "ACTION ";
        if (text.compare(0, kAction.size(), kAction) == 0) {
            std::string acted = text.substr(kAction.size());
            if (!acted.empty() && acted.back() == '\x01') {
                acted.pop_back();
            }
            events.push_back({IrcEvent::Kind::Action, from, std::move(acted)});
        } else if (text.empty() || text[0] != '\x01') {  // other CTCP requests go unanswered
            events.push_back({IrcEvent::Kind::Said, from, text});
        }
    } else if (command == "471" || command == "473" || command == "474" || command == "475" ||
               command == "403") {
        notice("cannot join " + param(1) + ": " + param(2));
    }
}

void IrcSession::Urgent(std::string line) {
    if (line.size() + 2 > kIrcLineLimit ||
        line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        return;
    }
    urgent_.push_back(std::move(line) + "\r\n");
}

void IrcSession::Say(const std::vector<std::string>& texts) {
    paced_.insert(paced_.end(), texts.begin(), texts.end());
}

std::vector<std::string> IrcSession::Due(double now) {
    std::vector<std::string> lines = std::move(urgent_);
    urgent_.clear();
    credit_ = std::min<double>(kBurst, credit_ + (now - creditTime_) / kSecondsPerLine);
    creditTime_ = now;
    while (joined_ && !paced_.empty() && credit_ >= 1) {
        lines.push_back("PRIVMSG " + channel_ + " :" + paced_.front() + "\r\n");
        paced_.pop_front();
        credit_ -= 1;
    }
    return lines;
}

double IrcSession::SecondsUntilDue(double now) const {
    if (!urgent_.empty()) {
        return 0;
    }
    if (!joined_ || paced_.empty()) {
        return -1;
    }
    const double credit = std::min<double>(kBurst, credit_ + (now - creditTime_) / kSecondsPerLine);
    return credit >= 1 ? 0 : (1 - credit) * kSecondsPerLine;
}

std::size_t IrcSession::LongestText() const {
    const std::size_t command = std::string_view("PRIVMSG  :").size() + channel_.size();
    const std::size_t prefix = 4 + nick_.size() + kLongestUser + kLongestHost;  // ":nick!user@host "
    const std::size_t used = command + prefix + 2;
    return used < kIrcLineLimit ? kIrcLineLimit - used : 0;
}

}  // namespace chatroom
