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
// decoded from UTF-8 (bytes that are not UTF-8 are taken as Latin-1, as IRC clients do).
std::wstring IrcToPaneText(std::string_view utf8);

// What the local person sent (the room's markup) as IRC message texts, each at most maxBytes of UTF-8:
// "<b>" and "</b>" become bold, "<u>" and "</u>" underline, "<font color=blue>" the blue colour for the rest
// of the line; other tags are dropped, character references decoded. A long text is split between UTF-8
// characters, and each later part starts with the formatting still on. Nothing when the text has none.
std::vector<std::string> PaneTextToIrc(std::wstring_view markup, std::size_t maxBytes);

// The room's wide text (UTF-16 on Windows) to UTF-8 and back; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view utf8);

}  // namespace chatroom
