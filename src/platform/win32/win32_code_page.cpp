#include "platform/win32/win32_code_page.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

namespace orv::win32 {

namespace {

constexpr std::size_t kLongestLength = static_cast<std::size_t>(std::numeric_limits<int>::max());

// What a code page takes, after the documentation of WideCharToMultiByte and MultiByteToWideChar.
enum class Flags {
    // WC_NO_BEST_FIT_CHARS, and lpUsedDefaultChar, which tells whether a character lacked its exact form.
    Any,
    // UTF-8 and GB18030 hold every character: no flag but WC_ERR_INVALID_CHARS, which refuses a surrogate
    // out of its pair, and no lpUsedDefaultChar.
    OnlyInvalidChars,
    // The code pages that refuse every flag: 42 (Symbol), 50220 to 50229, 52936, 57002 to 57011, UTF-7.
    None,
};

Flags FlagsOf(unsigned codePage) {
    if (codePage == CP_UTF8 || codePage == 54936) {
        return Flags::OnlyInvalidChars;
    }
    if (codePage == 42 || (codePage >= 50220 && codePage <= 50229) || codePage == 52936 ||
        (codePage >= 57002 && codePage <= 57011) || codePage == CP_UTF7) {
        return Flags::None;
    }
    return Flags::Any;
}

std::size_t LongestCharacter(unsigned codePage) {
    CPINFO info{};
    return GetCPInfo(codePage, &info) != FALSE && info.MaxCharSize > 0 ? std::size_t{info.MaxCharSize}
                                                                       : std::size_t{4};
}

CodePageError Refused(unsigned codePage, const char* conversion, DWORD error) {
    return CodePageError(std::string(conversion) + " in code page " + std::to_string(codePage) +
                         " failed with error " + std::to_string(error));
}

int CheckedLength(std::size_t length, unsigned codePage, const char* conversion) {
    if (length > kLongestLength) {
        throw Refused(codePage, conversion, ERROR_BUFFER_OVERFLOW);
    }
    return static_cast<int>(length);
}

// The text in the code page, or the system's error. The first buffer is large enough for every code page
// without shift states; a code page that needs more is asked how much.
struct Converted {
    AnsiText bytes;
    DWORD error = ERROR_SUCCESS;
};

Converted ConvertToAnsi(unsigned codePage, DWORD flags, const Text& text, std::size_t longest,
                        BOOL* lacking) {
    const int length = CheckedLength(text.size(), codePage, "ToAnsi");
    Converted converted;
    converted.bytes.resize(text.size() > kLongestLength / longest ? kLongestLength : text.size() * longest);
    int written = WideCharToMultiByte(codePage, flags, text.data(), length, converted.bytes.data(),
                                      static_cast<int>(converted.bytes.size()), nullptr, lacking);
    if (written <= 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed =
            WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
        if (needed > 0) {
            converted.bytes.resize(static_cast<std::size_t>(needed));
            written = WideCharToMultiByte(codePage, flags, text.data(), length, converted.bytes.data(),
                                          needed, nullptr, lacking);
        }
    }
    if (written <= 0) {
        converted.error = GetLastError();
        converted.bytes.clear();
        return converted;
    }
    converted.bytes.resize(static_cast<std::size_t>(written));
    return converted;
}

}  // namespace

Win32CodePage::Win32CodePage() : Win32CodePage(GetACP()) {}

Win32CodePage::Win32CodePage(unsigned codePage)
    : codePage_(codePage), longestCharacter_(LongestCharacter(codePage)) {}

AnsiText Win32CodePage::ToAnsi(const Text& text) const {
    if (text.empty()) {
        return {};
    }
    const DWORD flags = FlagsOf(codePage_) == Flags::Any ? WC_NO_BEST_FIT_CHARS : 0;
    Converted converted = ConvertToAnsi(codePage_, flags, text, longestCharacter_, nullptr);
    if (converted.error != ERROR_SUCCESS) {
        throw Refused(codePage_, "ToAnsi", converted.error);
    }
    return std::move(converted.bytes);
}

std::optional<AnsiText> Win32CodePage::ToAnsiExactly(const Text& text) const {
    if (text.empty()) {
        return AnsiText{};
    }
    switch (FlagsOf(codePage_)) {
        case Flags::Any: {
            // In one pass: the conversion itself says whether a character lacked its exact form.
            BOOL lacking = FALSE;
            Converted converted =
                ConvertToAnsi(codePage_, WC_NO_BEST_FIT_CHARS, text, longestCharacter_, &lacking);
            if (converted.error != ERROR_SUCCESS) {
                throw Refused(codePage_, "ToAnsiExactly", converted.error);
            }
            if (lacking != FALSE) {
                return std::nullopt;
            }
            return std::move(converted.bytes);
        }
        case Flags::OnlyInvalidChars: {
            Converted converted =
                ConvertToAnsi(codePage_, WC_ERR_INVALID_CHARS, text, longestCharacter_, nullptr);
            if (converted.error == ERROR_NO_UNICODE_TRANSLATION) {
                return std::nullopt;  // a surrogate out of its pair
            }
            if (converted.error != ERROR_SUCCESS) {
                throw Refused(codePage_, "ToAnsiExactly", converted.error);
            }
            return std::move(converted.bytes);
        }
        case Flags::None:
            break;
    }
    // Nothing tells which characters were replaced: converted there and back.
    return CodePage::ToAnsiExactly(text);
}

Text Win32CodePage::FromAnsi(const AnsiText& bytes) const {
    if (bytes.empty()) {
        return {};
    }
    // Every code page takes no flags: bytes that make no character become the replacement character.
    const int length = CheckedLength(bytes.size(), codePage_, "FromAnsi");
    // A byte makes at most one character in the code pages without shift states; the others are asked.
    Text text(bytes.size(), L'\0');
    int written = MultiByteToWideChar(codePage_, 0, bytes.data(), length, text.data(), length);
    if (written <= 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed = MultiByteToWideChar(codePage_, 0, bytes.data(), length, nullptr, 0);
        if (needed > 0) {
            text.resize(static_cast<std::size_t>(needed));
            written = MultiByteToWideChar(codePage_, 0, bytes.data(), length, text.data(), needed);
        }
    }
    if (written <= 0) {
        throw Refused(codePage_, "FromAnsi", GetLastError());
    }
    text.resize(static_cast<std::size_t>(written));
    return text;
}

}  // namespace orv::win32
