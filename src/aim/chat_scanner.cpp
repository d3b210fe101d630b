#include "aim/chat_scanner.h"

#include <string_view>

namespace orv {

namespace {

// The markup that marks a line worth reporting, searched for in the lower-cased line.
constexpr std::wstring_view kRedFontMarker = L"<font color=\"#ff0000\"";
// The comment that carries the time of a line, e.g. "<!-- (8:15:02 PM) -->".
constexpr std::wstring_view kTimeCommentStart = L"<!-- (";
constexpr std::size_t kMinimumTailLength = 3;
inline const Text kTestDateSaid = L"3232";

Text LowerCaseAscii(Text text) {
    for (auto& c : text) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return text;
}

bool SetsRedFont(const Text& line) {
    return LowerCaseAscii(line).find(kRedFontMarker) != Text::npos;
}

// The time of a line: the characters after "<!-- (" up to the first ")", never reaching the line's final
// character. Without the comment the search starts at the line's sixth character.
Text TimeOfLine(const Text& line) {
    const std::size_t comment = line.find(kTimeCommentStart);
    std::size_t i = comment == Text::npos ? kTimeCommentStart.size() - 1 : comment + kTimeCommentStart.size();
    Text time;
    while (i + 1 < line.size() && line[i] != L')') {
        time.push_back(line[i]);
        ++i;
    }
    return time;
}

}  // namespace

void tasp_aim_chat::aimchatscan_on() {
    chat_tymer_.Start(kChatScanPeriodMs, [this] { Tick(); });
    fyrsttalk_ = chat_.ChatReadTail();
}

void tasp_aim_chat::aimchatscan_off() {
    chat_tymer_.Stop();
}

void tasp_aim_chat::vag(Text stuff) {
    Raise(kTestScreenName, std::move(stuff), kTestDateSaid);
}

void tasp_aim_chat::Tick() {
    // One read of the pane serves both the gate (newest line of everything) and the rest (last 500
    // characters).
    const Text full = chat_.ChatReadText();
    const Text tail = ChatTail(full);

    if (!SetsRedFont(LastChatLine(full))) {
        return;
    }
    if (tail == fyrsttalk_) {
        return;  // the line that was newest when scanning started
    }
    if (tail.size() < kMinimumTailLength) {
        return;
    }

    const Text line = LastChatLine(tail);
    newlastlyne_ = line;
    if (line == oldlastlyne_) {
        return;
    }
    oldlastlyne_ = line;

    Text datesaid = L"{" + TimeOfLine(line) + L"}";
    const Text text = StripTags(line);
    const std::size_t colon = text.find(L':');
    // Without a colon the sender is empty and the message starts at the second character.
    Text who = colon == Text::npos ? Text{} : text.substr(0, colon);
    const std::size_t messageStart = colon == Text::npos ? 1 : colon + 2;
    Text message = messageStart < text.size() ? text.substr(messageStart) : Text{};
    Raise(std::move(who), std::move(message), std::move(datesaid));
}

void tasp_aim_chat::Raise(Text who, Text message, Text datesaid) {
    if (aimchatscan) {
        aimchatscan(who, message, datesaid);
    }
}

}  // namespace orv
