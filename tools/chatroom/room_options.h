#pragma once
// The stand-in chat room's command line.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace chatroom {

struct RoomOptions {
    int buttonCount = 5;      // --buttons N (0 to 5); the fifth button is Send
    bool singlePane = false;  // --single-pane: only the history pane's holder, no entry pane
    bool stall = false;       // --stall: the window's thread stops answering once the window is up
    // --slow MS: the room handles each of the messenger's messages that another program sends it (text in and
    // out of a pane, pressing a button, closing) only after MS milliseconds.
    unsigned slowMilliseconds = 0;
    bool lieLength = false;  // --lie-length: panes answer other programs' WM_GETTEXTLENGTH with 2^31 - 1
    // --history-bytes N: other programs read about N bytes of earlier conversation before the room's own
    // lines.
    std::size_t historyBytes = 0;
    // --change-between-reads: two in three of another program's WM_GETTEXT of the history pane get another
    // text than its WM_GETTEXTLENGTH measured (see history_answers.h).
    bool changeBetweenReads = false;
    // --close-on-entry: the room closes its window as soon as another program has put text into the entry
    // pane, before any button of it can be pressed.
    bool closeOnEntry = false;
    std::wstring localName = L"Me";         // --local-name NAME
    std::optional<std::wstring> fixedTime;  // --fixed-time "8:15:02 PM": every line carries this time
    // --timeline FILE: every message from outside on the room's windows is written to FILE as it comes.
    std::optional<std::wstring> timelinePath;
    // --say NAME TEXT: no window; hand the line to the running room and end.
    std::optional<std::wstring> sayName;
    std::wstring sayText;
    // --irc HOST[:PORT] --channel "#NAME" --nick NICK, all three together: the room is linked to the IRC
    // channel (port 6667 when none is given; "[::1]:6667" for an IPv6 address).
    std::wstring ircHost;
    std::wstring ircPort = L"6667";
    std::wstring ircChannel;
    std::wstring ircNick;
};

// Reads the arguments after the program name; nullopt when they make no sense (unknown option, missing value,
// a button count outside 0 to 5, a --slow time that is not a number of milliseconds up to a minute, a
// --history-bytes count that is not a number up to 64 MiB, an IRC link without its server, channel or nick, a
// port that is not 1 to 65535, a channel that does not start with "#" or "&", a nick with a space).
std::optional<RoomOptions> ParseRoomOptions(const std::vector<std::wstring>& arguments);

}  // namespace chatroom
