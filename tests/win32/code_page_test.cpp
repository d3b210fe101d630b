// The ANSI code page adapter on real conversions of the system: a Western European, a Japanese and the UTF-8
// code page (the one "Use Unicode UTF-8 for worldwide language support" gives), and UTF-7, one of the code
// pages that refuse every flag. Each takes only the flags it allows, and what fits is decided as the code
// page can hold it: in UTF-8 every text fits except one with a surrogate out of its pair. The lists saved in
// each.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/win32/win32_code_page.h"
#include "playlist/list_file_format.h"

namespace orv::win32 {
namespace {

const Text kLoneSurrogate = {L'a', static_cast<wchar_t>(0xD800), L'b'};
const Text kPair = L"\U0001F600";

struct Conversion {
    Text text;
    AnsiText ansi;
    // Whether every character has its exact form in the code page.
    bool exact;
};

struct CodePageCase {
    unsigned codePage;
    std::vector<Conversion> conversions;
    // Bytes read back as the text, as from the messenger's windows.
    std::vector<std::pair<AnsiText, Text>> readings;
    // The bytes Save writes for the list {"café", "日本"}.
    AnsiText list;
};

TEST(Win32CodePage, ConvertsWithTheFlagsEachCodePageTakes) {
    const Text western = L"Orv Jubo <b>2.1</b> \u00BB caf\u00E9";
    const Text japanese = L"\u65E5\u672C";
    const std::vector<Text> list = {L"caf\u00E9", japanese};
    const AnsiText listInUtf8 = "caf\xC3\xA9\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n";
    const std::vector<CodePageCase> cases = {
        {1252,
         {{western, "Orv Jubo <b>2.1</b> \xBB caf\xE9", true},
          {japanese, "??", false},
          {L"\u0101", "?", false},  // never its look-alike "a"
          {kLoneSurrogate, "a?b", false},
          {Text(L"x\0y", 3), AnsiText("x\0y", 3), true},
          {L"", "", true}},
         {{"\x80\x93", L"\u20AC\u201C"}},
         AnsiText(kListFileMark) + listInUtf8},
        {932,
         {{japanese, "\x93\xFA\x96\x7B", true},
          {L"caf\u00E9", "caf?", false},  // never its look-alike "e"
          {kLoneSurrogate, "a?b", false},
          {Text(L"x\0y", 3), AnsiText("x\0y", 3), true}},
         {{"\x83\x4A\x83\x74\x83\x46", L"\u30AB\u30D5\u30A7"}},
         AnsiText(kListFileMark) + listInUtf8},
        {CP_UTF8,
         {{western, "Orv Jubo <b>2.1</b> \xC2\xBB caf\xC3\xA9", true},
          {japanese, "\xE6\x97\xA5\xE6\x9C\xAC", true},
          {kPair, "\xF0\x9F\x98\x80", true},
          {kLoneSurrogate,
           "a\xEF\xBF\xBD"
           "b",
           false},
          {Text(L"x\0y", 3), AnsiText("x\0y", 3), true}},
         {{"caf\xC3\xA9", L"caf\u00E9"}, {"\xFF", L"\uFFFD"}},
         listInUtf8},
        {CP_UTF7,
         {{L"caf\u00E9", "caf+AOk-", true}, {japanese, "+ZeVnLA-", true}},
         {{"+AOk-", L"\u00E9"}},
         "caf+AOk-\r\n+ZeVnLA-\r\n"},
    };
    for (const CodePageCase& c : cases) {
        if (!IsValidCodePage(c.codePage)) {
            ADD_FAILURE() << "the system has no code page " << c.codePage;
            continue;
        }
        // The system's own code page, when it is one of these, converts the same way.
        std::vector<Win32CodePage> adapters = {Win32CodePage(c.codePage)};
        if (GetACP() == c.codePage) {
            adapters.emplace_back();
        }
        for (const Win32CodePage& codePage : adapters) {
            for (const Conversion& conversion : c.conversions) {
                EXPECT_EQ(codePage.ToAnsi(conversion.text), conversion.ansi) << c.codePage;
                const std::optional<AnsiText> exactly = codePage.ToAnsiExactly(conversion.text);
                EXPECT_EQ(exactly.has_value(), conversion.exact) << c.codePage << " " << conversion.ansi;
                if (conversion.exact) {
                    EXPECT_EQ(exactly, conversion.ansi) << c.codePage;
                    EXPECT_EQ(codePage.FromAnsi(conversion.ansi), conversion.text) << c.codePage;
                }
            }
            for (const auto& [bytes, text] : c.readings) {
                EXPECT_EQ(codePage.FromAnsi(bytes), text) << c.codePage;
            }
            EXPECT_EQ(ListFileBytes(list, codePage), c.list) << c.codePage;
            EXPECT_EQ(ListFileEntries(c.list, codePage), list) << c.codePage;
        }
    }
}

TEST(Win32CodePage, AConversionTheSystemRefusesThrowsInsteadOfGivingNothing) {
    const Win32CodePage missing(12345);  // no such code page
    EXPECT_THROW(missing.ToAnsi(L"abc"), CodePageError);
    EXPECT_THROW(missing.ToAnsiExactly(L"abc"), CodePageError);
    EXPECT_THROW(missing.FromAnsi("abc"), CodePageError);
    EXPECT_EQ(missing.ToAnsi(L""), "") << "an empty text needs no conversion";
}

}  // namespace
}  // namespace orv::win32
