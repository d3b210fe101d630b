#include "history_answers.h"

#include <algorithm>

#include "chat_html.h"
#include "chatroom_protocol.h"

namespace chatroom {

namespace {

// Red lines of other participants, numbered so that no two are alike, up to about `bytes` characters (one
// byte each in the ANSI code page).
std::wstring EarlierConversation(std::size_t bytes) {
    std::wstring lines;
    lines.reserve(bytes + 128);
    for (unsigned number = 1; lines.size() < bytes; ++number) {
        lines += ChatLineHtml(L"7:00:00 PM", L"Old", kOtherPeopleColour,
                              L"line " + std::to_wstring(number) + L" of what was said before");
    }
    return lines;
}

// The conversation with `line` added before its closing "</HTML>".
std::wstring WithLine(const std::wstring& conversation, std::wstring_view line) {
    std::size_t end = conversation.rfind(kConversationEnd);
    if (end == std::wstring::npos) {
        end = conversation.size();
    }
    std::wstring longer = conversation.substr(0, end);
    longer.append(line).append(conversation, end);
    return longer;
}

// The conversation without its oldest "<BR>" line, as a messenger that trims the top of a long conversation.
std::wstring WithoutOldestLine(const std::wstring& conversation) {
    const std::size_t oldest = conversation.find(kLineMarker);
    if (oldest == std::wstring::npos) {
        return conversation;
    }
    std::size_t next = conversation.find(kLineMarker, oldest + kLineMarker.size());
    if (next == std::wstring::npos) {
        next = conversation.rfind(kConversationEnd);
    }
    if (next == std::wstring::npos || next < oldest) {
        next = conversation.size();
    }
    return conversation.substr(0, oldest) + conversation.substr(next);
}

}  // namespace

std::wstring KeepNuls(std::wstring message) {
    std::replace(message.begin(), message.end(), L'\0', kKeptNul);
    return message;
}

HistoryAnswers::HistoryAnswers(const RoomOptions& options)
    : earlier_(EarlierConversation(options.historyBytes)), changeBetweenReads_(options.changeBetweenReads) {}

std::wstring HistoryAnswers::Shown(const std::wstring& paneText) const {
    std::wstring shown;
    if (earlier_.empty()) {
        shown = paneText;
    } else {
        shown.reserve(kConversationStart.size() + earlier_.size() + paneText.size());
        shown.append(kConversationStart).append(earlier_);
        shown.append(paneText.compare(0, kConversationStart.size(), kConversationStart) == 0
                         ? paneText.substr(kConversationStart.size())
                         : paneText);
    }
    std::replace(shown.begin(), shown.end(), kKeptNul, L'\0');
    return shown;
}

std::size_t HistoryAnswers::Length(const std::wstring& paneText) const {
    // What Shown's size would be, without building it: a reader may ask for the length often.
    if (earlier_.empty()) {
        return paneText.size();
    }
    const bool opens = paneText.compare(0, kConversationStart.size(), kConversationStart) == 0;
    return kConversationStart.size() + earlier_.size() + paneText.size() -
           (opens ? kConversationStart.size() : 0);
}

std::wstring HistoryAnswers::Text(const std::wstring& paneText) {
    std::wstring shown = Shown(paneText);
    if (!changeBetweenReads_) {
        return shown;
    }
    switch (reads_++ % 3) {
        case 1:
            return WithLine(shown, ChatLineHtml(L"7:00:00 PM", L"Bea", kOtherPeopleColour,
                                                L"a line that came between two reads"));
        case 2:
            return WithoutOldestLine(shown);
        default:
            return shown;
    }
}

}  // namespace chatroom
