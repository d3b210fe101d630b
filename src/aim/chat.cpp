#include "aim/chat.h"

#include "platform/exception_barrier.h"

namespace orv {

namespace {

// Window classes of the messenger's chat room, passed in lower case (the window manager ignores case).
constexpr std::string_view kChatRoomClass = "aim_chatwnd";
constexpr std::string_view kPaneFrameClass = "wndate32class";
constexpr std::string_view kPaneClass = "ate32class";
constexpr std::string_view kIconButtonClass = "_oscar_iconbtn";

// The send button is the fifth icon button of the room, in child order.
constexpr int kSendButtonOrdinal = 5;
// WM_KEYUP's wParam when the button is "pressed" with the space key.
constexpr std::uintptr_t kSpaceKey = 0x20;

// Whether "<BR>", in any case, starts at the position; in wide text or in ANSI bytes.
template <typename String>
bool IsLineBreakMarkerAt(const String& text, std::size_t at) {
    if (at + 4 > text.size()) {
        return false;
    }
    auto upper = [](auto c) { return c >= 'a' && c <= 'z' ? static_cast<decltype(c)>(c - 'a' + 'A') : c; };
    return text[at] == '<' && upper(text[at + 1]) == 'B' && upper(text[at + 2]) == 'R' && text[at + 3] == '>';
}

// Opens a chat operation for the lifetime of the scope.
class ChatOperation {
  public:
    explicit ChatOperation(ChatWindows& windows) : windows_(windows) { windows_.BeginOperation(); }
    ~ChatOperation() { windows_.EndOperation(); }
    ChatOperation(const ChatOperation&) = delete;
    ChatOperation& operator=(const ChatOperation&) = delete;

  private:
    ChatWindows& windows_;
};

}  // namespace

void Chat::ChatSend(const Text& message) {
    const ChatOperation operation(windows_);
    const WindowHandle room = windows_.FindTopLevel(kChatRoomClass);
    const WindowHandle historyFrame = windows_.FindChild(room, 0, kPaneFrameClass);
    const WindowHandle entryFrame = windows_.FindChild(room, historyFrame, kPaneFrameClass);
    const WindowHandle entry = windows_.FindChild(entryFrame, 0, kPaneClass);
    const AnsiText ansi = codePage_.ToAnsi(message);
    windows_.SetText(entry, ansi);
    // The log holds what the room received: characters the code page lacks appear as its replacement.
    AppendQuotedLine(files_, codePage_, codePage_.FromAnsi(ansi), kSentMessagesFile);
    ChatPressSend();  // within this operation: a nested one shares its budget
}

void Chat::ChatPressSend() {
    const ChatOperation operation(windows_);
    const WindowHandle room = windows_.FindTopLevel(kChatRoomClass);
    // A lookup that finds nothing yields 0, and the next one starts again from the first button; with fewer
    // than five buttons this lands on another button (or on none), as the room has always behaved.
    WindowHandle button = windows_.FindChild(room, 0, kIconButtonClass);
    for (int ordinal = 2; ordinal <= kSendButtonOrdinal; ++ordinal) {
        button = windows_.FindChild(room, button, kIconButtonClass);
    }
    windows_.SendButtonMessage(button, ChatWindows::ButtonMessage::LeftButtonDown, 0);
    windows_.SendButtonMessage(button, ChatWindows::ButtonMessage::KeyUp, kSpaceKey);
    windows_.SendButtonMessage(button, ChatWindows::ButtonMessage::LeftButtonUp, 0);
}

AnsiText Chat::ReadHistoryBytes() {
    const ChatOperation operation(windows_);
    const WindowHandle room = windows_.FindTopLevel(kChatRoomClass);
    const WindowHandle historyFrame = windows_.FindChild(room, 0, kPaneFrameClass);
    const WindowHandle history = windows_.FindChild(historyFrame, 0, kPaneClass);
    const std::size_t length = windows_.GetTextLength(history);
    if (length > kMaxChatTextBytes) {
        return {};
    }
    AnsiText bytes = windows_.GetText(history, length + 1);
    // The pane may have changed between the two messages; never hand back more than was announced.
    if (bytes.size() > length) {
        bytes.resize(length);
    }
    return bytes;
}

Text Chat::ChatReadText() {
    return codePage_.FromAnsi(ReadHistoryBytes());
}

Text Chat::ChatReadNewestPart() {
    const AnsiText bytes = ReadHistoryBytes();
    // Converting from a "<BR>" that stands where a character starts gives the same characters as the end of
    // the whole text converted. In every ANSI code page a byte below 0x80 is never the first byte of a
    // two-byte character, so after such a byte a new character starts; "<", "B", "R" and ">" are bytes that
    // always stand for themselves.
    std::size_t from = bytes.size() < kChatTailLength ? 0 : bytes.size() - kChatTailLength + 1;
    while (from-- > 0) {
        const bool startsCharacter = from == 0 || static_cast<unsigned char>(bytes[from - 1]) < 0x80;
        if (startsCharacter && IsLineBreakMarkerAt(bytes, from)) {
            Text part = codePage_.FromAnsi(bytes.substr(from));
            // Fewer characters than bytes (two-byte characters): only the whole text is sure to hold the
            // last kChatTailLength characters.
            if (part.size() >= kChatTailLength) {
                return part;
            }
            break;
        }
    }
    return codePage_.FromAnsi(bytes);
}

Text Chat::ChatReadTail() {
    return ChatTail(ChatReadText());
}

void Chat::ChatClear() {
    const ChatOperation operation(windows_);
    const WindowHandle room = windows_.FindTopLevel(kChatRoomClass);
    const WindowHandle historyFrame = windows_.FindChild(room, 0, kPaneFrameClass);
    const WindowHandle history = windows_.FindChild(historyFrame, 0, kPaneClass);
    windows_.SetText(history, AnsiText{});
}

void Chat::ChatLeave() {
    const ChatOperation operation(windows_);
    windows_.Close(windows_.FindTopLevel(kChatRoomClass));
}

Text ChatTail(const Text& text) {
    return text.size() > kChatTailLength ? text.substr(text.size() - kChatTailLength) : text;
}

Text LastChatLine(const Text& text) {
    constexpr std::size_t kMarkerLength = 4;  // "<BR>"
    if (text.size() < kMarkerLength) {
        return {};
    }
    for (std::size_t at = text.size() - kMarkerLength + 1; at-- > 0;) {
        if (IsLineBreakMarkerAt(text, at)) {
            // From the marker up to, but not including, the text's final character.
            return text.substr(at, text.size() - 1 - at);
        }
    }
    return {};
}

Text StripTags(const Text& text) {
    Text stripped;
    if (text.empty()) {
        return stripped;
    }
    // Only the characters before the final one are looked at.
    const std::size_t end = text.size() - 1;
    stripped.reserve(end);
    for (std::size_t i = 0; i < end; ++i) {
        const wchar_t c = text[i];
        if (c == L'<') {
            const std::size_t close = text.find(L'>', i + 1);
            if (close == Text::npos || close >= end) {
                break;  // an unclosed tag swallows the rest of the text
            }
            i = close;  // the closing ">" goes, like every other ">"
        } else if (c != L'>') {
            stripped.push_back(c);
        }
    }
    return stripped;
}

void AppendQuotedLine(Files& files, const CodePage& codePage, const Text& text, const Text& fileName) {
    AnsiText line = "\"";
    line += codePage.ToAnsi(text);
    line += "\"\r\n";
    // A log line that cannot be written is lost; sending goes on regardless.
    RunBehindBarrier([&] { files.Append(fileName, line); });
}

}  // namespace orv
