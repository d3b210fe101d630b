#pragma once
// Text between the room and an IRC channel. IRC carries UTF-8 with formatting codes (bold, underline,
// colour, reset); the room's conversation is markup in UTF-16. Portable: no Windows here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chatroom {

// The longest line the protocol allows, its CR LF included.
inline constexpr std::size_t kIrcLineLimit = 512;

// What somebody on IRC wrote, as the message of a line in the pane: formatting codes removed, "<", ">" and
// "&" written as character references (so that nobody can put markup into the conversation), the text
// decoded as FromIrcBytes does.
std::wstring IrcToPaneText(std::string_view utf8);

// What the local person sent (the room's markup) as IRC message texts, each at most maxBytes of UTF-8:
// "<b>" and "</b>" become bold, "<u>" and "</u>" underline, "<font color=blue>" the blue colour for the rest
// of the line; other tags are dropped, character references decoded. A long text is split between UTF-8
// characters, and each later part starts with the formatting still on. Nothing when the text has none.
std::vector<std::string> PaneTextToIrc(std::wstring_view markup, std::size_t maxBytes);

// What came from IRC as the room's wide text: UTF-8 when the bytes are, else Latin-1 (a client that sends
// another encoding most often sends that).
std::wstring FromIrcBytes(std::string_view bytes);

}  // namespace chatroom
