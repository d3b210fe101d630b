#pragma once
// The messenger's windows through user32's ANSI functions. The messages of one chat operation share a time
// budget, so that a messenger that is slow or hangs holds the player for no longer than that. A message that
// is not answered in time gives nothing back, but it is not taken back either: it stays with the messenger
// and takes effect whenever the messenger gets to it. The budget is spent by then, so no later message of the
// operation follows it. While it waits, the player's thread still handles messages that other programs send
// to its windows, as it would inside a plain SendMessage; its own input and timers wait.
#include "platform/chat_windows.h"

namespace orv {

// How long the messages of one chat operation (a send, a read, clearing, leaving) may wait for the messenger
// in all. A message sent outside an operation has a budget of its own.
constexpr unsigned kChatOperationBudgetMilliseconds = 2000;

class Win32ChatWindows final : public ChatWindows {
  public:
    explicit Win32ChatWindows(unsigned budgetMilliseconds = kChatOperationBudgetMilliseconds);

    void BeginOperation() override;
    void EndOperation() override;

    WindowHandle FindTopLevel(std::string_view className) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle childAfter, std::string_view className) override;
    void SetText(WindowHandle window, const AnsiText& text) override;
    std::size_t GetTextLength(WindowHandle window) override;
    AnsiText GetText(WindowHandle window, std::size_t bufferSize) override;
    void Close(WindowHandle window) override;
    void SendButtonMessage(WindowHandle window, ButtonMessage message, std::uintptr_t wParam) override;

  private:
    enum class Encoding { Ansi, Unicode };
    // The window's answer, or nothing when there is no such window, it did not answer within what is left of
    // the budget, or nothing is left (then the message is not sent).
    bool Send(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
              std::intptr_t& answer, Encoding encoding = Encoding::Ansi);

    unsigned budgetMilliseconds_;
    int openOperations_ = 0;
    // When the outermost open operation's budget runs out (GetTickCount64).
    unsigned long long deadline_ = 0;
    // In a single-byte code page a text has as many characters as ANSI bytes.
    bool singleByteCodePage_;
};

}  // namespace orv
