// The newest part of the history pane, which the scanner reads instead of the whole conversation: it must
// give the same newest line and the same last 500 characters as the whole text, in single-byte and two-byte
// code pages, and convert no more than that part.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aim/chat.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_files.h"

namespace orv {
namespace {

using testing::AddChatRoom;
using testing::FakeChatRoom;
using testing::FakeChatWindows;
using testing::FakeCodePage;
using testing::FakeFiles;

// A two-byte code page in the manner of the East Asian ones: a byte from 0x81 up starts a two-byte character
// and takes the next byte with it, whatever that byte is.
class TwoByteCodePage : public CodePage {
  public:
    AnsiText ToAnsi(const Text& text) const override {
        AnsiText bytes;
        for (wchar_t c : text) {
            if (c >= 0x8100) {
                bytes.push_back(static_cast<char>(c >> 8));
            }
            bytes.push_back(static_cast<char>(c & 0xFF));
        }
        return bytes;
    }
    Text FromAnsi(const AnsiText& bytes) const override {
        convertedBytes += bytes.size();
        Text text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b >= 0x81 && i + 1 < bytes.size()) {
                text.push_back(static_cast<wchar_t>(b << 8 | static_cast<unsigned char>(bytes[++i])));
            } else {
                text.push_back(static_cast<wchar_t>(b));
            }
        }
        return text;
    }
    mutable std::size_t convertedBytes = 0;
};

// Counts what the single-byte code page converts.
class CountingCodePage : public FakeCodePage {
  public:
    Text FromAnsi(const AnsiText& bytes) const override {
        convertedBytes += bytes.size();
        return FakeCodePage::FromAnsi(bytes);
    }
    mutable std::size_t convertedBytes = 0;
};

AnsiText RedLine(const std::string& message) {
    return "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: " + message;
}
AnsiText BlueLine(const std::string& message) {
    return "<BR><!-- (8:15:01 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: " + message;
}
AnsiText Conversation(std::size_t lines, const AnsiText& newest) {
    AnsiText text = "<HTML>";
    for (std::size_t i = 0; i < lines; ++i) {
        text += BlueLine("line " + std::to_string(i));
    }
    return text + newest + "</HTML>";
}

class ChatNewestPartTest : public ::testing::Test {
  protected:
    // Checks the newest part against the whole text for every conversation, with the given code page.
    void ExpectSameNewestLineAndTail(const CodePage& codePage, const std::vector<AnsiText>& conversations) {
        Chat chat{windows, codePage, files};
        for (const AnsiText& conversation : conversations) {
            windows.TextOf(room.history) = conversation;
            const Text whole = chat.ChatReadText();
            const Text part = chat.ChatReadNewestPart();
            SCOPED_TRACE(::testing::Message()
                         << "conversation of " << conversation.size() << " bytes ending "
                         << conversation.substr(conversation.size() > 60 ? conversation.size() - 60 : 0));
            ASSERT_LE(part.size(), whole.size());
            EXPECT_EQ(whole.substr(whole.size() - part.size()), part) << "not the end of the whole text";
            EXPECT_EQ(LastChatLine(part), LastChatLine(whole));
            EXPECT_EQ(ChatTail(part), ChatTail(whole));
        }
    }

    FakeChatWindows windows;
    FakeChatRoom room = AddChatRoom(windows);
    FakeFiles files;
};

TEST_F(ChatNewestPartTest, HoldsTheNewestLineAndTheTailOfTheWholeText) {
    ExpectSameNewestLineAndTail(
        FakeCodePage{},
        {
            Conversation(0, RedLine("!next")),                    // shorter than the tail
            Conversation(500, RedLine("!next")),                  // long
            Conversation(500, "<br>lower-case marker: x"),        // marker in lower case
            Conversation(500, BlueLine("caf\xE9") + "<BR>a: b"),  // a byte from 0x80 up before the marker
            Conversation(20, RedLine(std::string(900, 'x'))),     // newest line longer than the tail
            std::string(3000, 'y'),                               // no marker at all
            std::string(496, 'z') + "<BR>",                       // 500 bytes, marker at the very end
            std::string(497, 'z') + "<BR>",                       // 501 bytes
            "<BR>" + std::string(496, 'z'),                       // 500 bytes, marker at the very start
            "<BR>" + std::string(497, 'z'),                       // 501 bytes
            "",                                                   // empty pane
        });
}

TEST_F(ChatNewestPartTest, HoldsTheNewestLineAndTheTailInATwoByteCodePage) {
    const AnsiText twoByte = "\x82\xA0\x82\xA2";  // two two-byte characters
    AnsiText manyTwoByte;
    for (int i = 0; i < 400; ++i) {
        manyTwoByte += twoByte;
    }
    ExpectSameNewestLineAndTail(
        TwoByteCodePage{},
        {
            Conversation(500, RedLine("!next")),
            // A lead byte swallows the "<" after it: that "<BR>" is no marker in the text.
            Conversation(500, RedLine("!next") + "\x81<BR>not a line"),
            Conversation(500, RedLine("\x81") + "<BR>x" + std::string(600, 'q')),
            // Far more bytes than characters at the end: 500 bytes hold only about 250 characters.
            Conversation(100, RedLine(manyTwoByte)),
            Conversation(100, RedLine("a") + "<BR>" + manyTwoByte),
        });
}

TEST_F(ChatNewestPartTest, ConvertsOnlyTheNewestPartOfALongConversation) {
    CountingCodePage codePage;
    Chat chat{windows, codePage, files};
    windows.TextOf(room.history) = Conversation(2000, RedLine("!next"));
    ASSERT_GT(windows.TextOf(room.history).size(), 100'000u);

    const Text part = chat.ChatReadNewestPart();

    EXPECT_GE(part.size(), kChatTailLength);
    EXPECT_LT(codePage.convertedBytes, 2 * kChatTailLength);
}

}  // namespace
}  // namespace orv
