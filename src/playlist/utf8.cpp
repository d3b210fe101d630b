#include "playlist/utf8.h"

#include <algorithm>

namespace orv {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDBFF;
}

bool IsLowSurrogate(char32_t code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}

void PutUtf16(Text& text, char32_t code) {
    if (code > 0xFFFF && sizeof(wchar_t) == 2) {
        code -= 0x10000;
        text.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
        text.push_back(static_cast<wchar_t>(code));
    }
}

void PutUtf8(AnsiText& bytes, char32_t code) {
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

// What the bytes at the front of a text begin with.
struct Sequence {
    enum class Kind {
        Character,  // a well-formed sequence: code is its character
        IllFormed,  // a maximal subpart (or a byte that starts no sequence) followed by a byte that breaks it
        Cut,        // the start of a well-formed sequence that the bytes end in
    };
    Kind kind;
    std::size_t length;
    char32_t code = 0;
};

// The well-formed sequences, by their lead byte: C2..DF one continuation byte; E0..EF two, F0..F4 three.
// Every continuation byte is 80..BF, except the first after E0 (A0..BF, no overlong form), ED (80..9F, no
// surrogate), F0 (90..BF, no overlong form) and F4 (80..8F, nothing above U+10FFFF).
Sequence NextSequence(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {Sequence::Kind::Character, 1, lead};
    }
    std::size_t length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return {Sequence::Kind::IllFormed, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i == bytes.size()) {
            return {Sequence::Kind::Cut, i};
        }
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (next < low || next > high) {
            return {Sequence::Kind::IllFormed, i};
        }
        code = (code << 6) | (next & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return {Sequence::Kind::Character, length, code};
}

}  // namespace

AnsiText ToUtf8(const Text& text) {
    AnsiText bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto code = static_cast<char32_t>(text[i]);
        if (IsHighSurrogate(code) && i + 1 < text.size() &&
            IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code) || code > 0x10FFFF) {
            code = kReplacement;
        }
        PutUtf8(bytes, code);
    }
    return bytes;
}

Text FromUtf8(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const Sequence sequence = NextSequence(bytes);
        PutUtf16(text, sequence.kind == Sequence::Kind::Character ? sequence.code : kReplacement);
        bytes.remove_prefix(sequence.length);
    }
    return text;
}

bool IsWellFormedUtf8(std::string_view bytes) {
    Utf8Check check;
    check.Add(bytes);
    return check.WellFormed();
}

void Utf8Check::Add(std::string_view bytes) {
    if (!wellFormed_) {
        return;
    }
    if (pendingLength_ > 0) {
        // The sequence begun in the last piece, with as much of this one as it can take.
        char joined[4] = {};
        std::copy(pending_, pending_ + pendingLength_, joined);
        const std::size_t taken = std::min(bytes.size(), sizeof joined - pendingLength_);
        std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(taken), joined + pendingLength_);
        const Sequence sequence = NextSequence(std::string_view(joined, pendingLength_ + taken));
        if (sequence.kind == Sequence::Kind::IllFormed) {
            wellFormed_ = false;
            return;
        }
        if (sequence.kind == Sequence::Kind::Cut) {
            std::copy(joined, joined + sequence.length, pending_);
            pendingLength_ = sequence.length;
            return;
        }
        bytes.remove_prefix(sequence.length - pendingLength_);
        pendingLength_ = 0;
    }
    while (!bytes.empty()) {
        const Sequence sequence = NextSequence(bytes);
        if (sequence.kind == Sequence::Kind::IllFormed) {
            wellFormed_ = false;
            return;
        }
        if (sequence.kind == Sequence::Kind::Cut) {
            std::copy(bytes.begin(), bytes.end(), pending_);
            pendingLength_ = bytes.size();
            return;
        }
        bytes.remove_prefix(sequence.length);
    }
}

}  // namespace orv
