// The stand-in room's conversions between its markup and an IRC channel's text.
#include <gtest/gtest.h>

#include "chatroom/irc_text.h"

namespace chatroom {
namespace {

TEST(IrcText, WhatPeopleOnIrcWriteBecomesPlainTextInThePane) {
    const struct {
        const char* irc;
        const wchar_t* pane;
    } cases[] = {
        {"\x02"
         "bold\x02 \x1Funder\x1F \x1Ditalic\x0F",
         L"bold under italic"},
        {"\x03"
         "04,12red\x03 \x03"
         "12x \x03"
         "5,y",
         L"red x ,y"},
        {"\x04"
         "FF0000,00ff00hex",
         L"hex"},
        {"<b>x</b> & <font color=red>", L"&lt;b&gt;x&lt;/b&gt; &amp; &lt;font color=red&gt;"},
        {"\xC2\xBB \xF0\x9F\x8E\xB5", L"\u00BB \U0001F3B5"},
        // Not UTF-8: each byte as Latin-1.
        {"\xBB\xE9t\xE9", L"\u00BB\u00E9t\u00E9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IrcToPaneText(c.irc), c.pane) << c.irc;
    }
}

TEST(IrcText, WhatThePlayerSendsBecomesIrcFormatting) {
    const struct {
        const wchar_t* pane;
        std::vector<std::string> irc;
    } cases[] = {
        {L"Orv Jubo <b>2.1</b> - Loaded. [User: Rosa \u00BB Get it at: <font color=blue><u>orvjubo.net</u>]",
         {"Orv Jubo \x02"
          "2.1\x02 - Loaded. [User: Rosa \xC2\xBB Get it at: \x03"
          "12\x1F"
          "orvjubo.net\x1F]"}},
        {L"a &lt;b&gt; &amp; &#187;&#xBB;&nbsp;&bogus; 1 < 2", {"a <b> & \xC2\xBB\xC2\xBB &bogus; 1 < 2"}},
        {L"<i>x</i><BR><FONT COLOR=\"#0000FF\">y</font>z",
         {"x\x03"
          "12y\x03z"}},
        {L"x\r\ny\x01", {"x  y"}},
        {L"<b></b>", {}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaneTextToIrc(c.pane, 400), c.irc);
    }
}

TEST(IrcText, ALongMessageIsSplitBetweenCharactersAndKeepsItsFormatting) {
    EXPECT_EQ(PaneTextToIrc(L"<b>abcdef</b>", 4), (std::vector<std::string>{"\x02"
                                                                            "abc",
                                                                            "\x02"
                                                                            "def"}));
    EXPECT_EQ(PaneTextToIrc(L"\u00E9\u00E9\u00E9\u00E9\u00E9", 5),
              (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9", "\xC3\xA9"}));

    // A reply longer than a protocol line, of three- and four-byte characters in and out of bold: every part
    // fits, starts on a whole character, and the parts' text is the whole text.
    std::wstring long_;
    for (int i = 0; i < 300; ++i) {
        long_ += i % 50 == 0 ? L"<b>\u20AC</b>" : (i % 7 == 0 ? L"\U0001F3B5" : L"\u20AC");
    }
    const std::size_t limit = kIrcLineLimit - 2 - sizeof("PRIVMSG #room :");
    const std::vector<std::string> parts = PaneTextToIrc(long_, limit);
    ASSERT_GT(parts.size(), 1u);
    std::wstring joined;
    for (const std::string& part : parts) {
        EXPECT_LE(part.size(), limit);
        EXPECT_NE(static_cast<unsigned char>(part[0]) & 0xC0, 0x80) << "a part starts inside a character";
        joined += IrcToPaneText(part);
    }
    std::wstring plain;
    for (int i = 0; i < 300; ++i) {
        plain += i % 7 == 0 && i % 50 != 0 ? L"\U0001F3B5" : L"\u20AC";
    }
    EXPECT_EQ(joined, plain);
}

}  // namespace
}  // namespace chatroom
