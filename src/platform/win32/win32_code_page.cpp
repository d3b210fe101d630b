#include "platform/win32/win32_code_page.h"

#include <windows.h>

namespace orv::win32 {

AnsiText Win32CodePage::ToAnsi(const Text& text) const {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    AnsiText bytes(static_cast<std::size_t>(size), '\0');
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(),
                                            size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

Text Win32CodePage::FromAnsi(const AnsiText& bytes) const {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    Text text(static_cast<std::size_t>(size), L'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), size);
    text.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return text;
}

}  // namespace orv::win32
