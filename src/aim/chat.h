#pragma once
// The chat module: everything that touches the messenger's chat-room window. Stateless: every operation looks
// the windows up again from the top, acts, and forgets the handles. No operation reports success or failure.
// Each public operation is one chat operation of ChatWindows: its messages share one time budget.
#include <cstddef>

#include "platform/chat_windows.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/text.h"

namespace orv {

// The number of characters ChatReadTail keeps.
constexpr std::size_t kChatTailLength = 500;
// The longest history pane that is read, in ANSI bytes: far above any real conversation. Any window may carry
// the messenger's class names; a longer answer to WM_GETTEXTLENGTH counts as a pane that cannot be read this
// time, before any buffer is made for it.
constexpr std::size_t kMaxChatTextBytes = std::size_t{16} * 1024 * 1024;
// The file that receives a copy of every sent message, in the working directory.
inline const Text kSentMessagesFile = L"test.html";

class Chat {
  public:
    Chat(ChatWindows& windows, const CodePage& codePage, Files& files)
        : windows_(windows), codePage_(codePage), files_(files) {}

    void ChatSend(const Text& message);
    void ChatPressSend();
    Text ChatReadText();
    Text ChatReadTail();
    // The newest part of ChatReadText(): the text from a "<BR>" line marker on, far enough back to hold the
    // newest line and the last kChatTailLength characters (all of it when no marker will do). One read of
    // the pane, like ChatReadText, but only that part is converted from ANSI: the scanner's tick needs no
    // more, and a long conversation costs no more to convert than a short one.
    Text ChatReadNewestPart();
    void ChatClear();
    void ChatLeave();

  private:
    // The history pane's text as the pane holds it, in the ANSI code page.
    AnsiText ReadHistoryBytes();

    ChatWindows& windows_;
    const CodePage& codePage_;
    Files& files_;
};

// The last kChatTailLength characters of the text (all of it when shorter).
Text ChatTail(const Text& text);
// The newest "<BR>" line of a conversation, without the text's final character; empty without "<BR>".
Text LastChatLine(const Text& text);
// Removes markup: every "<" up to the next ">", and every other ">"; the final character is never copied.
Text StripTags(const Text& text);
// Appends a double quote, the text in the ANSI code page, a double quote and CR LF to the file.
void AppendQuotedLine(Files& files, const CodePage& codePage, const Text& text, const Text& fileName);

}  // namespace orv
