#pragma once
// The room's conversation as the messenger keeps it: "<HTML>", one line per "<BR>", "</HTML>"; and the same
// conversation cut into lines for showing it readably.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chatroom {

inline constexpr wchar_t kEmptyConversation[] = L"<HTML></HTML>";
inline constexpr std::wstring_view kConversationStart = L"<HTML>";
inline constexpr std::wstring_view kConversationEnd = L"</HTML>";
inline constexpr std::wstring_view kLineMarker = L"<BR>";

// '<BR><!-- (8:15:02 PM) --><FONT COLOR="#ff0000"><B>Somebody</B></FONT>: !next'. The message is markup
// already (the messenger sends HTML), so it goes in as it is.
std::wstring ChatLineHtml(std::wstring_view time, std::wstring_view name, std::wstring_view colour,
                          std::wstring_view message);

// The conversation with the line added before its closing "</HTML>". A conversation that was emptied (someone
// set the pane's text to nothing) starts again with "<HTML>".
std::wstring AppendChatLine(std::wstring_view conversation, std::wstring_view line);

struct ShownLine {
    std::wstring time;
    std::wstring name;
    std::wstring message;
    std::uint32_t rrggbb = 0;  // the colour of the line's first FONT tag; black without one

    bool operator==(const ShownLine&) const = default;
};

// Every "<BR>" line with its markup removed, split at the first colon into name and message.
std::vector<ShownLine> ParseConversation(std::wstring_view conversation);

}  // namespace chatroom
