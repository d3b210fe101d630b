#include "platform/win32/win32_code_page.h"

#include <windows.h>

namespace orv::win32 {

namespace {

// The most bytes one character takes in the code page, so that a text is converted in one pass.
std::size_t LongestCharacter() {
    static const std::size_t longest = [] {
        CPINFO info{};
        return GetCPInfo(CP_ACP, &info) != FALSE && info.MaxCharSize > 0 ? std::size_t{info.MaxCharSize}
                                                                         : std::size_t{4};
    }();
    return longest;
}

}  // namespace

AnsiText Win32CodePage::ToAnsi(const Text& text) const {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    AnsiText bytes(text.size() * LongestCharacter(), '\0');
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(),
                                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

std::optional<AnsiText> Win32CodePage::ToAnsiExactly(const Text& text) const {
    if (text.empty()) {
        return AnsiText{};
    }
    AnsiText bytes(text.size() * LongestCharacter(), '\0');
    BOOL lacking = FALSE;
    const int written =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                            bytes.data(), static_cast<int>(bytes.size()), nullptr, &lacking);
    if (written <= 0) {
        // A code page that cannot say so (UTF-8 as the system's code page): converted there and back.
        return CodePage::ToAnsiExactly(text);
    }
    if (lacking != FALSE) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(written));
    return bytes;
}

Text Win32CodePage::FromAnsi(const AnsiText& bytes) const {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    // A byte never makes more than one character.
    Text text(bytes.size(), L'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), length);
    text.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return text;
}

}  // namespace orv::win32
