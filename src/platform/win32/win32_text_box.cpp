#include "platform/win32/win32_text_box.h"

namespace orv::win32 {

Text WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    Text text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

Text Win32TextBox::GetText() const {
    return WindowText(edit_);
}

void Win32TextBox::SetText(const Text& text) {
    SetWindowTextW(edit_, text.c_str());
}

}  // namespace orv::win32
