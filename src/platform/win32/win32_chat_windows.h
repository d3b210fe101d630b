#pragma once
// The messenger's windows through user32's ANSI functions. Every message is sent with a time bound, so that a
// messenger that hangs cannot hang the player: a message that is not answered in time counts as a window that
// was not there.
#include "platform/chat_windows.h"

namespace orv {

// How long one message may wait for the messenger.
constexpr unsigned kChatMessageTimeoutMilliseconds = 2000;

class Win32ChatWindows final : public ChatWindows {
  public:
    explicit Win32ChatWindows(unsigned timeoutMilliseconds = kChatMessageTimeoutMilliseconds);

    WindowHandle FindTopLevel(std::string_view className) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle childAfter, std::string_view className) override;
    void SetText(WindowHandle window, const AnsiText& text) override;
    std::size_t GetTextLength(WindowHandle window) override;
    AnsiText GetText(WindowHandle window, std::size_t bufferSize) override;
    void Close(WindowHandle window) override;
    void SendButtonMessage(WindowHandle window, ButtonMessage message, std::uintptr_t wParam) override;

  private:
    // The window's answer, or nothing when there is no such window or it did not answer in time.
    bool Send(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
              std::intptr_t& answer);

    unsigned timeoutMilliseconds_;
    // In a single-byte code page a text has as many characters as ANSI bytes.
    bool singleByteCodePage_;
};

}  // namespace orv
