#include "platform/win32/win32_chat_windows.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace orv {

namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle ToHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

bool IsSingleByteCodePage() {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
}

}  // namespace

Win32ChatWindows::Win32ChatWindows(unsigned budgetMilliseconds)
    : budgetMilliseconds_(budgetMilliseconds), singleByteCodePage_(IsSingleByteCodePage()) {}

void Win32ChatWindows::BeginOperation() {
    if (openOperations_++ == 0) {
        deadline_ = GetTickCount64() + budgetMilliseconds_;
    }
}

void Win32ChatWindows::EndOperation() {
    if (openOperations_ > 0) {
        --openOperations_;
    }
}

WindowHandle Win32ChatWindows::FindTopLevel(std::string_view className) {
    const std::string name(className);
    return ToHandle(FindWindowA(name.c_str(), nullptr));
}

WindowHandle Win32ChatWindows::FindChild(WindowHandle parent, WindowHandle childAfter,
                                         std::string_view className) {
    const std::string name(className);
    return ToHandle(FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), name.c_str(), nullptr));
}

bool Win32ChatWindows::Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam, std::intptr_t& answer, Encoding encoding) {
    // A handle of 0 reaches no window (and never the broadcast handle). A handle whose window has gone needs
    // no check of its own: sending to it fails at once, and asking first would cost the scanner another
    // round trip to the window system on every read.
    if (window == 0) {
        return false;
    }
    const unsigned long long now = GetTickCount64();
    const unsigned long long deadline = openOperations_ > 0 ? deadline_ : now + budgetMilliseconds_;
    if (now >= deadline) {
        return false;
    }
    const auto timeout = static_cast<UINT>(deadline - now);
    // SMTO_BLOCK would keep the player's windows from answering anyone until the messenger answers.
    constexpr UINT kFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
    DWORD_PTR result = 0;
    const LRESULT sent =
        encoding == Encoding::Unicode
            ? SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, kFlags, timeout, &result)
            : SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, kFlags, timeout, &result);
    if (sent == 0) {
        return false;
    }
    answer = static_cast<std::intptr_t>(result);
    return true;
}

void Win32ChatWindows::SetText(WindowHandle window, const AnsiText& text) {
    std::intptr_t ignored = 0;
    Send(window, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(text.c_str()), ignored);
}

std::size_t Win32ChatWindows::GetTextLength(WindowHandle window) {
    // Wine answers an ANSI WM_GETTEXTLENGTH for another program's window by fetching the whole text in a
    // second message that waits without bound, whatever the time-out; a hung messenger would hang the player
    // there. The Unicode length keeps the bound, and in a single-byte code page it is the ANSI length (the
    // message carries no text). Elsewhere a WM_NULL first finds a window that does not answer.
    std::intptr_t length = 0;
    if (singleByteCodePage_) {
        if (!Send(window, WM_GETTEXTLENGTH, 0, 0, length, Encoding::Unicode)) {
            return 0;
        }
    } else {
        std::intptr_t ignored = 0;
        if (!Send(window, WM_NULL, 0, 0, ignored) || !Send(window, WM_GETTEXTLENGTH, 0, 0, length)) {
            return 0;
        }
    }
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

AnsiText Win32ChatWindows::GetText(WindowHandle window, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    AnsiText buffer(bufferSize, ' ');
    std::intptr_t copied = 0;
    if (!Send(window, WM_GETTEXT, bufferSize, reinterpret_cast<std::intptr_t>(buffer.data()), copied)) {
        return {};
    }
    // The answer is the count of characters the window wrote. A text may hold NULs of its own: the first zero
    // is not its end, or every line after a NUL would stay unread.
    const std::size_t length = copied <= 0 ? 0 : static_cast<std::size_t>(copied);
    buffer.resize(std::min(length, bufferSize - 1));
    return buffer;
}

void Win32ChatWindows::Close(WindowHandle window) {
    // The messenger's WM_CLOSE carries the text "0" in lParam, which the message itself does not use.
    static const char kZeroText[] = "0";
    std::intptr_t ignored = 0;
    Send(window, WM_CLOSE, 0, reinterpret_cast<std::intptr_t>(kZeroText), ignored);
}

void Win32ChatWindows::SendButtonMessage(WindowHandle window, ButtonMessage message, std::uintptr_t wParam) {
    UINT windowMessage = WM_LBUTTONDOWN;
    switch (message) {
        case ButtonMessage::LeftButtonDown:
            windowMessage = WM_LBUTTONDOWN;
            break;
        case ButtonMessage::KeyUp:
            windowMessage = WM_KEYUP;
            break;
        case ButtonMessage::LeftButtonUp:
            windowMessage = WM_LBUTTONUP;
            break;
    }
    std::intptr_t ignored = 0;
    Send(window, windowMessage, wParam, 0, ignored);
}

}  // namespace orv
