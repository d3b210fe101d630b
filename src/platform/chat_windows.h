#pragma once
// The messenger's windows, reached only through window lookups and sent messages (ANSI text).
#include <cstdint>
#include <string_view>

#include "platform/text.h"

namespace orv {

// A window handle of another program; 0 means that no window was found.
using WindowHandle = std::uintptr_t;

class ChatWindows {
  public:
    virtual ~ChatWindows() = default;

    // FindWindowA(className, no title).
    virtual WindowHandle FindTopLevel(std::string_view className) = 0;
    // FindWindowExA(parent, childAfter, className, no title). A parent of 0 searches the top-level windows.
    virtual WindowHandle FindChild(WindowHandle parent, WindowHandle childAfter,
                                   std::string_view className) = 0;

    // WM_SETTEXT with zero-terminated ANSI text.
    virtual void SetText(WindowHandle window, const AnsiText& text) = 0;
    // The messages sent between BeginOperation and EndOperation make up one chat operation and share one time
    // budget; once it is spent, the operation's remaining messages are not sent. Operations may nest (while
    // the player waits for the messenger it still answers other programs, and that may start another chat
    // operation): a nested one keeps to what is left of the outermost one's budget.
    virtual void BeginOperation() = 0;
    virtual void EndOperation() = 0;

    // WM_GETTEXTLENGTH; 0 when the window is missing or does not answer.
    virtual std::size_t GetTextLength(WindowHandle window) = 0;
    // WM_GETTEXT with a buffer of bufferSize characters (blank-filled); returns as many bytes as the window
    // answers that it wrote, NULs included, at most bufferSize - 1.
    virtual AnsiText GetText(WindowHandle window, std::size_t bufferSize) = 0;
    // WM_CLOSE, wParam 0.
    virtual void Close(WindowHandle window) = 0;
    // Mouse and key messages for pressing a button: WM_LBUTTONDOWN, WM_KEYUP, WM_LBUTTONUP.
    enum class ButtonMessage { LeftButtonDown, KeyUp, LeftButtonUp };
    virtual void SendButtonMessage(WindowHandle window, ButtonMessage message, std::uintptr_t wParam) = 0;
};

}  // namespace orv
