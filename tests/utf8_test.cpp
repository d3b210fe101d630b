// UTF-8 to and from the program's text: well-formed input decodes exactly, and every ill-formed subsequence
// reads as one U+FFFD, the longest start of a well-formed sequence counting as one (maximal subpart).
#include "playlist/utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

const Text kBad = L"\uFFFD";

Text Repeat(const Text& text, int times) {
    Text result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct DecodeCase {
    const char* what;
    AnsiText bytes;
    Text text;
};

const std::vector<DecodeCase>& DecodeCases() {
    static const std::vector<DecodeCase> cases = {
        {"empty", "", L""},
        {"ASCII and an embedded zero", AnsiText("a\0b", 3), Text(L"a\0b", 3)},
        {"two bytes", "caf\xC3\xA9", L"caf\u00E9"},
        {"three bytes", "\xE6\x97\xA5\xEF\xBF\xBD", L"\u65E5\uFFFD"},
        {"four bytes", "\xF0\x9F\x98\x80", L"\U0001F600"},
        {"the lowest and highest of each length", "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80",
         L"\u0080\u07FF\u0800\uFFFF\U00010000"},
        {"the last scalar value", "\xF4\x8F\xBF\xBF", L"\U0010FFFF"},
        {"next to surrogates", "\xED\x9F\xBF\xEE\x80\x80", L"\uD7FF\uE000"},
        {"overlong two bytes", "\xC0\xAF\xC1\xBF", Repeat(kBad, 4)},
        {"overlong three bytes", "\xE0\x80\x80", Repeat(kBad, 3)},
        {"overlong three bytes, highest", "\xE0\x9F\xBF", Repeat(kBad, 3)},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", Repeat(kBad, 4)},
        {"encoded high surrogate", "\xED\xA0\x80", Repeat(kBad, 3)},
        {"encoded low surrogate", "\xED\xBF\xBF", Repeat(kBad, 3)},
        {"encoded surrogate pair", "\xED\xA0\xBD\xED\xB8\x80", Repeat(kBad, 6)},
        {"above U+10FFFF", "\xF4\x90\x80\x80", Repeat(kBad, 4)},
        {"lead bytes F5 to FF", "\xF5\x80\x80\x80\xFE\xFF", Repeat(kBad, 6)},
        {"continuation bytes alone", "\x80\xBF", Repeat(kBad, 2)},
        {"four bytes cut after three", "\xF0\x9F\x98", kBad},
        {"three bytes cut after two, then text", "\xE6\x97x", kBad + L"x"},
        {"two bytes cut", "\xC3", kBad},
        {"a lead byte before a lead byte", "\xC3\xC3\xA9", kBad + L"\u00E9"},
        {"a sequence broken by ASCII", "\xC3(\xE2\x82(", kBad + L"(" + kBad + L"("},
        // The Unicode standard's own example of the practice (its Table 3-8).
        {"Table 3-8", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
         L"a" + Repeat(kBad, 3) + L"b" + kBad + L"c" + Repeat(kBad, 2) + L"d"},
    };
    return cases;
}

// The bytes are well-formed exactly when they are what the text they read as is written as.
TEST(FromUtf8, ReadsWellFormedSequencesAndEachMaximalSubpartAsOneReplacement) {
    for (const DecodeCase& c : DecodeCases()) {
        EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.what;
        EXPECT_EQ(IsWellFormedUtf8(c.bytes), ToUtf8(c.text) == c.bytes) << c.what;
    }
}

TEST(ToUtf8, WritesWellFormedUtf8AndALoneSurrogateAsAReplacement) {
    struct Case {
        const char* what;
        Text text;
        AnsiText bytes;
    };
    const std::vector<Case> cases = {
        {"empty", L"", ""},
        {"one to four bytes", L"a\u00E9\u65E5\U0001F600", "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"},
        {"a high surrogate alone", Text{L'a', static_cast<wchar_t>(0xD83D), L'b'},
         "a\xEF\xBF\xBD"
         "b"},
        {"a high surrogate at the end", Text{L'a', static_cast<wchar_t>(0xD83D)}, "a\xEF\xBF\xBD"},
        {"a low surrogate alone", Text{static_cast<wchar_t>(0xDE00), L'b'},
         "\xEF\xBF\xBD"
         "b"},
        {"a pair the wrong way round", Text{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)},
         "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToUtf8(c.text), c.bytes) << c.what;
        EXPECT_TRUE(IsWellFormedUtf8(ToUtf8(c.text))) << c.what;
    }
}

TEST(Utf8Check, GivesTheSameAnswerWhateverPiecesTheBytesComeIn) {
    for (const DecodeCase& c : DecodeCases()) {
        const AnsiText& bytes = c.bytes;
        for (std::size_t piece = 1; piece <= bytes.size(); ++piece) {
            Utf8Check check;
            for (std::size_t at = 0; at < bytes.size(); at += piece) {
                check.Add(std::string_view(bytes).substr(at, piece));
            }
            EXPECT_EQ(check.WellFormed(), IsWellFormedUtf8(bytes)) << c.what << " in pieces of " << piece;
        }
    }
}

}  // namespace
}  // namespace orv
