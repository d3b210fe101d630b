#pragma once
// What the fuzz targets share: a check that stops the run with a message (libFuzzer keeps the input), texts
// made from the fuzzer's bytes, and a double-byte code page.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/text.h"

namespace orv::fuzz {

inline void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// The lines of an input that is a small script, one step a line (LF ends a line).
inline std::vector<std::string_view> ScriptLines(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::string_view> lines;
    std::string_view rest(reinterpret_cast<const char*>(bytes), size);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        lines.push_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return lines;
}

// The number a script line gives, within 0 .. most (0 when it gives none).
inline std::size_t Number(std::string_view digits, std::size_t most) {
    std::size_t n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return std::min(n, most);
}

// Each byte is the character of that number (U+0000 to U+00FF), as a single-byte code page reads it.
inline Text Latin1(const std::string& bytes) {
    Text text;
    for (char b : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(b)));
    }
    return text;
}

// A text of the program: mostly the characters of single bytes, now and then a character of two bytes.
inline Text WideText(FuzzedDataProvider& data, std::size_t most) {
    Text text;
    while (text.size() < most && data.remaining_bytes() > 0) {
        const auto b = data.ConsumeIntegral<unsigned char>();
        text.push_back(b == 0xFF ? static_cast<wchar_t>(data.ConsumeIntegral<char16_t>())
                                 : static_cast<wchar_t>(b));
    }
    return text;
}

// A double-byte code page shaped like Windows' Japanese one: lead bytes 81..9F and E0..FC take a second
// byte 40..7E or 80..FC; A1..DF are single characters; bytes 80, A0 and FD..FF are no character. A lead byte
// without a second byte that fits stands alone for "?", and the byte after it is read afresh.
class DoubleByteCodePage : public CodePage {
  public:
    AnsiText ToAnsi(const Text& text) const override {
        AnsiText bytes;
        for (wchar_t c : text) {
            const auto code = static_cast<unsigned long>(c);
            if (code < 0x80) {
                bytes.push_back(static_cast<char>(code));
            } else if (code >= kKana && code < kKana + 0x3F) {
                bytes.push_back(static_cast<char>(0xA1 + code - kKana));
            } else if (code >= kPairs && code < kPairs + kLeads * kTrails) {
                const unsigned long index = code - kPairs;
                const unsigned long lead = index / kTrails;
                const unsigned long trail = index % kTrails;
                bytes.push_back(static_cast<char>(lead < 31 ? 0x81 + lead : 0xE0 + lead - 31));
                bytes.push_back(static_cast<char>(trail < 63 ? 0x40 + trail : 0x80 + trail - 63));
            } else {
                bytes.push_back('?');
            }
        }
        return bytes;
    }
    Text FromAnsi(const AnsiText& bytes) const override {
        Text text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80) {
                text.push_back(static_cast<wchar_t>(b));
            } else if (b >= 0xA1 && b <= 0xDF) {
                text.push_back(static_cast<wchar_t>(kKana + b - 0xA1));
            } else if (IsLead(b) && i + 1 < bytes.size() &&
                       IsTrail(static_cast<unsigned char>(bytes[i + 1]))) {
                const auto t = static_cast<unsigned char>(bytes[++i]);
                const unsigned long lead = b <= 0x9F ? b - 0x81u : b - 0xE0u + 31;
                const unsigned long trail = t <= 0x7E ? t - 0x40u : t - 0x80u + 63;
                text.push_back(static_cast<wchar_t>(kPairs + lead * kTrails + trail));
            } else {
                text.push_back(L'?');
            }
        }
        return text;
    }

  private:
    static constexpr unsigned long kKana = 0xFF61;
    static constexpr unsigned long kPairs = 0x4E00;
    static constexpr unsigned long kLeads = 31 + 29;
    static constexpr unsigned long kTrails = 63 + 125;
    static bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
    static bool IsTrail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
};

}  // namespace orv::fuzz
