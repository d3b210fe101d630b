#include "chat_html.h"

#include <cwctype>
#include <utility>

namespace chatroom {

namespace {

std::wstring Lowered(std::wstring_view text) {
    std::wstring lowered(text);
    for (wchar_t& c : lowered) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return lowered;
}

bool EndsWithIgnoringCase(std::wstring_view text, std::wstring_view ending) {
    return text.size() >= ending.size() &&
           Lowered(text.substr(text.size() - ending.size())) == Lowered(ending);
}

// The text without its tags, and with the character references a chat client writes for "<", ">", "&" and
// '"' read back, as a chat window shows them.
std::wstring WithoutMarkup(std::wstring_view text) {
    std::wstring plain;
    bool inTag = false;
    for (const wchar_t c : text) {
        if (c == L'<') {
            inTag = true;
        } else if (c == L'>' && inTag) {
            inTag = false;
        } else if (!inTag) {
            plain.push_back(c);
        }
    }
    constexpr std::pair<std::wstring_view, wchar_t> kReferences[] = {
        {L"&lt;", L'<'}, {L"&gt;", L'>'}, {L"&quot;", L'"'}, {L"&amp;", L'&'}};
    std::wstring shown;
    shown.reserve(plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        bool replaced = false;
        for (const auto& [reference, character] : kReferences) {
            if (plain.compare(i, reference.size(), reference) == 0) {
                shown.push_back(character);
                i += reference.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            shown.push_back(plain[i]);
        }
    }
    return shown;
}

std::wstring TimeOf(std::wstring_view line) {
    constexpr std::wstring_view kOpen = L"<!-- (";
    const std::size_t open = line.find(kOpen);
    if (open == std::wstring_view::npos) {
        return {};
    }
    const std::size_t start = open + kOpen.size();
    const std::size_t close = line.find(L')', start);
    return std::wstring(
        line.substr(start, close == std::wstring_view::npos ? std::wstring_view::npos : close - start));
}

std::uint32_t ColourOf(std::wstring_view line) {
    const std::wstring lowered = Lowered(line);
    std::size_t at = lowered.find(L"color=");
    if (at == std::wstring::npos) {
        return 0;
    }
    at += 6;
    if (at < lowered.size() && lowered[at] == L'"') {
        ++at;
    }
    if (at < lowered.size() && lowered[at] == L'#') {
        ++at;
    }
    std::uint32_t rrggbb = 0;
    for (int digit = 0; digit < 6; ++digit, ++at) {
        if (at >= lowered.size() || !std::iswxdigit(lowered[at])) {
            return 0;
        }
        const wchar_t c = lowered[at];
        rrggbb = rrggbb * 16 + static_cast<std::uint32_t>(c <= L'9' ? c - L'0' : c - L'a' + 10);
    }
    return rrggbb;
}

}  // namespace

std::wstring ChatLineHtml(std::wstring_view time, std::wstring_view name, std::wstring_view colour,
                          std::wstring_view message) {
    std::wstring line(kLineMarker);
    line.append(L"<!-- (").append(time).append(L") -->");
    line.append(L"<FONT COLOR=\"").append(colour).append(L"\"><B>").append(name).append(L"</B></FONT>: ");
    line.append(message);
    return line;
}

std::wstring AppendChatLine(std::wstring_view conversation, std::wstring_view line) {
    std::wstring result(conversation);
    if (EndsWithIgnoringCase(result, kConversationEnd)) {
        result.resize(result.size() - kConversationEnd.size());
    }
    if (result.empty()) {
        result = kConversationStart;
    }
    result.append(line).append(kConversationEnd);
    return result;
}

std::vector<ShownLine> ParseConversation(std::wstring_view conversation) {
    const std::wstring lowered = Lowered(conversation);
    const std::wstring marker = Lowered(kLineMarker);
    std::vector<ShownLine> lines;
    std::size_t start = lowered.find(marker);
    while (start != std::wstring::npos) {
        const std::size_t next = lowered.find(marker, start + marker.size());
        const std::wstring_view line =
            conversation.substr(start, next == std::wstring::npos ? std::wstring_view::npos : next - start);
        ShownLine shown{.time = TimeOf(line), .rrggbb = ColourOf(line)};
        const std::wstring plain = WithoutMarkup(line);
        const std::size_t colon = plain.find(L':');
        if (colon == std::wstring::npos) {
            shown.message = plain;
        } else {
            shown.name = plain.substr(0, colon);
            shown.message = plain.substr(colon + 1);
            if (!shown.message.empty() && shown.message.front() == L' ') {
                shown.message.erase(0, 1);
            }
        }
        lines.push_back(std::move(shown));
        start = next;
    }
    return lines;
}

}  // namespace chatroom
