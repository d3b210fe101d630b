#include "playlist/utf8.h"

namespace orv {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void PutUtf16(Text& text, char32_t code) {
    if (code > 0xFFFF && sizeof(wchar_t) == 2) {
        code -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
        text.push_back(static_cast<wchar_t>(code));
    }
}

}  // namespace

AnsiText ToUtf8(const Text& text) {
    AnsiText bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto code = static_cast<char32_t>(text[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<char32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (code < 0x80) {
            bytes.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (code >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (code >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (code >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return bytes;
}

Text FromUtf8(const AnsiText& bytes) {
    Text text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int trail = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        if (trail < 0 || i + static_cast<std::size_t>(trail) >= bytes.size()) {
            PutUtf16(text, kReplacement);
            ++i;
            continue;
        }
        char32_t code = trail == 0 ? lead : lead & (0x3F >> trail);
        bool broken = false;
        for (int k = 1; k <= trail; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                broken = true;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (broken) {
            PutUtf16(text, kReplacement);
            ++i;
            continue;
        }
        PutUtf16(text, code);
        i += static_cast<std::size_t>(trail) + 1;
    }
    return text;
}

}  // namespace orv
