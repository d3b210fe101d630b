// Cutting the newest line out of the conversation and removing its markup.
#include <gtest/gtest.h>

#include "aim/chat.h"

namespace orv {
namespace {

TEST(LastChatLine, RunsFromTheLastLineBreakToBeforeTheFinalCharacter) {
    EXPECT_EQ(LastChatLine(L"a<BR>b<br>cde"), L"<br>cd");
    EXPECT_EQ(LastChatLine(L"<BR>x: y"), L"<BR>x: ");
    EXPECT_EQ(LastChatLine(L"<BR>one</HTML><BR>two</HTML>"), L"<BR>two</HTML");
    EXPECT_EQ(LastChatLine(L"old<Br>mixed case!"), L"<Br>mixed case");
    EXPECT_EQ(LastChatLine(L"old<bR>x"), L"<bR>");
}

TEST(LastChatLine, IsEmptyWithoutALineBreak) {
    EXPECT_EQ(LastChatLine(L""), L"");
    EXPECT_EQ(LastChatLine(L"<"), L"");
    EXPECT_EQ(LastChatLine(L"<BR"), L"");
    EXPECT_EQ(LastChatLine(L"no break here"), L"");
    EXPECT_EQ(LastChatLine(L"<B R>spaced<BRR>"), L"");
}

TEST(LastChatLine, AMarkerAtTheVeryEndLosesItsClosingBracket) {
    EXPECT_EQ(LastChatLine(L"text<BR>"), L"<BR");
    EXPECT_EQ(LastChatLine(L"<br>"), L"<br");
}

TEST(LastChatLine, FindsTheLastOfOverlappingCandidates) {
    EXPECT_EQ(LastChatLine(L"<BR><BR>"), L"<BR");
    EXPECT_EQ(LastChatLine(L"<BR><BR>z."), L"<BR>z");
}

TEST(StripTags, RemovesTagsAndNeverCopiesTheFinalCharacter) {
    EXPECT_EQ(StripTags(L"<b>Bob</b>: hi</b>"), L"Bob: hi");
    EXPECT_EQ(StripTags(L"<b>Bob</b>: hi!"), L"Bob: hi");
    EXPECT_EQ(StripTags(L"plain text."), L"plain text");
    EXPECT_EQ(
        StripTags(L"<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next</HTML"),
        L"Somebody: !next");
}

TEST(StripTags, DropsStrayClosingBrackets) {
    EXPECT_EQ(StripTags(L"x > y<"), L"x  y");
    EXPECT_EQ(StripTags(L">>a>b>."), L"ab");
}

TEST(StripTags, AnUnclosedTagSwallowsTheRest) {
    EXPECT_EQ(StripTags(L"a<b"), L"a");
    EXPECT_EQ(StripTags(L"<i>x"), L"");
    EXPECT_EQ(StripTags(L"keep<lost text and more"), L"keep");
    // A ">" in the final position does not close the tag: the final character is never looked at.
    EXPECT_EQ(StripTags(L"ab<c>"), L"ab");
    EXPECT_EQ(StripTags(L"ab<c>."), L"ab");
}

TEST(StripTags, LeavesEntitiesAndWhiteSpaceAlone) {
    EXPECT_EQ(StripTags(L"a &lt; b\t c\r\n."), L"a &lt; b\t c\r\n");
}

TEST(StripTags, HandlesDegenerateInput) {
    EXPECT_EQ(StripTags(L""), L"");
    EXPECT_EQ(StripTags(L"<"), L"");
    EXPECT_EQ(StripTags(L">"), L"");
    EXPECT_EQ(StripTags(L"x"), L"");
    EXPECT_EQ(StripTags(L"xy"), L"x");
    EXPECT_EQ(StripTags(L"<<<<"), L"");
    EXPECT_EQ(StripTags(L"<>"), L"");
    EXPECT_EQ(StripTags(L"<>ab"), L"a");
}

TEST(ChatTextHelpers, CopeWithAMegabyteOfText) {
    const Text lines = [] {
        Text t;
        while (t.size() < 1'000'000) {
            t += L"<BR><B>Someone</B>: words &amp; more</HTML>";
        }
        return t;
    }();
    EXPECT_EQ(LastChatLine(lines), L"<BR><B>Someone</B>: words &amp; more</HTML");
    const Text stripped = StripTags(lines);
    EXPECT_EQ(stripped.size() % Text(L"Someone: words &amp; more").size(), 0u);
    EXPECT_EQ(stripped.substr(0, 25), L"Someone: words &amp; more");

    const Text unclosed = L"x<" + Text(1'000'000, L'a');
    EXPECT_EQ(StripTags(unclosed), L"x");
    EXPECT_EQ(LastChatLine(Text(1'000'000, L'<')), L"");
    EXPECT_EQ(StripTags(Text(1'000'000, L'<')), L"");
    const Text manyTags = [] {
        Text t;
        while (t.size() < 1'000'000) {
            t += L"<a>b";
        }
        return t;
    }();
    EXPECT_EQ(StripTags(manyTags), Text(manyTags.size() / 4 - 1, L'b'));
}

TEST(ChatTail, KeepsTheLast500Characters) {
    EXPECT_EQ(ChatTail(L""), L"");
    EXPECT_EQ(ChatTail(L"short"), L"short");
    const Text exact(500, L'x');
    EXPECT_EQ(ChatTail(exact), exact);
    const Text longer = L"ab" + Text(499, L'y') + L"z";
    EXPECT_EQ(ChatTail(longer), Text(499, L'y') + L"z");
}

}  // namespace
}  // namespace orv
