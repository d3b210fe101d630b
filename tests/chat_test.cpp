// Driving the messenger's chat-room window: sending, reading, clearing and leaving.
#include <gtest/gtest.h>

#include <algorithm>

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
using Kind = FakeChatWindows::Kind;

class ChatTest : public ::testing::Test {
  protected:
    // The kinds and wParams of the messages that reached a window.
    std::vector<std::pair<Kind, std::uintptr_t>> ButtonMessagesTo(WindowHandle button) const {
        std::vector<std::pair<Kind, std::uintptr_t>> result;
        for (const auto& s : windows.SentTo(button)) {
            result.emplace_back(s.kind, s.wParam);
        }
        return result;
    }
    // The buttons that received a button press, in order.
    std::vector<WindowHandle> PressedButtons() const {
        std::vector<WindowHandle> pressed;
        for (const auto& s : windows.Delivered()) {
            if (s.kind == Kind::LeftButtonDown) {
                pressed.push_back(s.target);
            }
        }
        return pressed;
    }
    const AnsiText& Log() { return files.contents[L"test.html"]; }

    FakeChatWindows windows;
    FakeCodePage codePage;
    FakeFiles files;
    Chat chat{windows, codePage, files};
};

const std::vector<std::pair<Kind, std::uintptr_t>> kOnePress = {
    {Kind::LeftButtonDown, 0}, {Kind::KeyUp, 0x20}, {Kind::LeftButtonUp, 0}};

TEST_F(ChatTest, SendTypesIntoTheEntryPaneAndPressesTheFifthButton) {
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.entry) = "half-typed by the user";
    windows.TextOf(room.history) = "<BR>earlier";

    chat.ChatSend(L"Orv Jubo - Unloaded.");

    EXPECT_EQ(windows.TextOf(room.entry), "Orv Jubo - Unloaded.");
    EXPECT_EQ(windows.TextOf(room.history), "<BR>earlier");
    EXPECT_EQ(ButtonMessagesTo(room.buttons[4]), kOnePress);
    EXPECT_EQ(PressedButtons(), std::vector<WindowHandle>{room.buttons[4]});
    ASSERT_FALSE(windows.sent.empty());
    EXPECT_EQ(windows.sent.front().kind, Kind::SetText);  // the text is in place before the press
    EXPECT_EQ(windows.sent.front().target, room.entry);
}

// The entry pane holds the text before the log line is written, and the log line is written before the press.
TEST_F(ChatTest, SendTypesThenLogsThenPresses) {
    testing::FakeEventList events;
    windows.events = &events;
    files.events = &events;
    AddChatRoom(windows);
    chat.ChatSend(L"Orv Jubo - Unloaded.");
    EXPECT_EQ(events, (testing::FakeEventList{"WM_SETTEXT Orv Jubo - Unloaded.",
                                              "append test.html \"Orv Jubo - Unloaded.\"\r\n",
                                              "WM_LBUTTONDOWN", "WM_KEYUP", "WM_LBUTTONUP"}));
}

// Each operation's messages share one time budget: one operation, however many messages, none outside it.
TEST_F(ChatTest, EveryOperationSendsItsMessagesInOneChatOperation) {
    const std::pair<const char*, void (*)(Chat&)> operations[] = {
        {"ChatSend", [](Chat& c) { c.ChatSend(L"hi"); }},
        {"ChatPressSend", [](Chat& c) { c.ChatPressSend(); }},
        {"ChatReadText", [](Chat& c) { c.ChatReadText(); }},
        {"ChatReadTail", [](Chat& c) { c.ChatReadTail(); }},
        {"ChatReadNewestPart", [](Chat& c) { c.ChatReadNewestPart(); }},
        {"ChatClear", [](Chat& c) { c.ChatClear(); }},
        {"ChatLeave", [](Chat& c) { c.ChatLeave(); }},
    };
    for (const auto& [name, operation] : operations) {
        FakeChatWindows tree;
        Chat onTree{tree, codePage, files};
        AddChatRoom(tree);
        operation(onTree);
        EXPECT_EQ(tree.operationsBegun, 1) << name;
        ASSERT_FALSE(tree.sent.empty()) << name;
        for (const auto& s : tree.sent) {
            EXPECT_EQ(s.operation, 1) << name;
        }
    }
}

// Any window can carry the room's class names and claim a history of any length: a claim above the limit
// counts as a pane that cannot be read now, and no buffer is asked for.
TEST_F(ChatTest, AHistoryPaneLongerThanTheLimitIsNotRead) {
    struct Case {
        std::size_t announced;
        bool read;
    };
    for (const Case c : {Case{kMaxChatTextBytes, true}, Case{kMaxChatTextBytes + 1, false},
                         Case{0x7FFFFFFF, false}, Case{~std::size_t{0}, false}}) {
        FakeChatWindows tree;
        Chat onTree{tree, codePage, files};
        const FakeChatRoom room = AddChatRoom(tree);
        tree.TextOf(room.history) = "<BR><FONT COLOR=\"#ff0000\">Bob</FONT>: !next</HTML>";
        tree.AnnounceLength(room.history, c.announced);
        const Text whole = L"<BR><FONT COLOR=\"#ff0000\">Bob</FONT>: !next</HTML>";
        const Text expected = c.read ? whole : Text{};
        EXPECT_EQ(onTree.ChatReadText(), expected) << c.announced;
        EXPECT_EQ(onTree.ChatReadTail(), expected) << c.announced;
        EXPECT_EQ(onTree.ChatReadNewestPart(), expected) << c.announced;
        const auto asked = std::count_if(tree.sent.begin(), tree.sent.end(), [](const auto& s) {
            return s.kind == Kind::GetText && s.wParam == kMaxChatTextBytes + 1;
        });
        const auto askedAtAll = std::count_if(tree.sent.begin(), tree.sent.end(),
                                              [](const auto& s) { return s.kind == Kind::GetText; });
        EXPECT_EQ(askedAtAll, c.read ? 3 : 0) << c.announced;
        EXPECT_EQ(asked, askedAtAll) << c.announced;
    }
}

TEST_F(ChatTest, EachSendReplacesTheEntryTextAndPressesOnce) {
    const FakeChatRoom room = AddChatRoom(windows);
    chat.ChatSend(L"first");
    chat.ChatSend(L"second");

    std::vector<AnsiText> typed;
    for (const auto& s : windows.SentTo(room.entry)) {
        typed.push_back(s.text);
    }
    EXPECT_EQ(typed, (std::vector<AnsiText>{"first", "second"}));
    EXPECT_EQ(PressedButtons(), (std::vector<WindowHandle>{room.buttons[4], room.buttons[4]}));
    EXPECT_EQ(Log(), "\"first\"\r\n\"second\"\r\n");
}

TEST_F(ChatTest, SendUsesTheTopmostChatRoomAmongOtherWindows) {
    windows.AddTopLevel("Shell_TrayWnd");
    const FakeChatRoom topmost = AddChatRoom(windows);
    const FakeChatRoom other = AddChatRoom(windows);
    chat.ChatSend(L"hi");
    EXPECT_EQ(windows.TextOf(topmost.entry), "hi");
    EXPECT_EQ(windows.TextOf(other.entry), "");
    EXPECT_EQ(PressedButtons(), std::vector<WindowHandle>{topmost.buttons[4]});
}

// With fewer than five buttons a failed lookup starts over from the first button.
TEST_F(ChatTest, WithFewerButtonsTheLookupWrapsToAnotherButton) {
    struct Case {
        int buttons;
        int pressed;  // index of the pressed button, -1 for none
    };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{3, 0}, Case{4, -1}, Case{5, 4}, Case{7, 4}}) {
        FakeChatWindows tree;
        FakeFiles log;
        Chat onTree{tree, codePage, log};
        const FakeChatRoom room = AddChatRoom(tree, c.buttons);
        onTree.ChatPressSend();

        std::vector<WindowHandle> pressed;
        for (const auto& s : tree.Delivered()) {
            pressed.push_back(s.target);
        }
        if (c.pressed < 0) {
            EXPECT_TRUE(pressed.empty()) << c.buttons << " buttons";
        } else {
            EXPECT_EQ(pressed, std::vector<WindowHandle>(3, room.buttons[c.pressed]))
                << c.buttons << " buttons";
        }
    }
}

TEST_F(ChatTest, LogLineIsTheMessageQuotedAndEndedWithCrLf) {
    AddChatRoom(windows);
    chat.ChatSend(L"say \"hi\" <b>now</b>");
    EXPECT_EQ(Log(), "\"say \"hi\" <b>now</b>\"\r\n");
    EXPECT_EQ(files.contents.size(), 1u);
}

TEST_F(ChatTest, CharactersOutsideTheCodePageAreReplacedInRoomAndLog) {
    const FakeChatRoom room = AddChatRoom(windows);
    chat.ChatSend(L"caf\u00E9 \u00BB \u263A!");
    const AnsiText expected = "caf\xE9 \xBB ?!";
    EXPECT_EQ(windows.TextOf(room.entry), expected);
    EXPECT_EQ(Log(), "\"" + expected + "\"\r\n");
}

TEST_F(ChatTest, WithoutAChatRoomOnlyTheLogLineIsWritten) {
    windows.AddTopLevel("Notepad");
    chat.ChatSend(L"abc");
    EXPECT_EQ(Log(), "\"abc\"\r\n");
    EXPECT_TRUE(windows.Delivered().empty());
    EXPECT_EQ(chat.ChatReadText(), L"");
    EXPECT_EQ(chat.ChatReadTail(), L"");
}

TEST_F(ChatTest, WithOnlyOnePaneTheTextGoesNowhereButTheButtonIsPressed) {
    const WindowHandle room = windows.AddTopLevel("aim_chatwnd");
    const WindowHandle history = windows.AddChild(windows.AddChild(room, "wndate32class"), "ate32class");
    std::vector<WindowHandle> buttons;
    for (int i = 0; i < 5; ++i) {
        buttons.push_back(windows.AddChild(room, "_oscar_iconbtn"));
    }
    chat.ChatSend(L"lost");
    EXPECT_EQ(windows.TextOf(history), "");
    EXPECT_EQ(PressedButtons(), std::vector<WindowHandle>{buttons[4]});
    EXPECT_EQ(Log(), "\"lost\"\r\n");
}

TEST_F(ChatTest, AnUnwritableLogDoesNotStopTheSend) {
    const FakeChatRoom room = AddChatRoom(windows);
    for (auto failure : {FakeFiles::Failure::LosesBytes, FakeFiles::Failure::Throws}) {
        files.failure = failure;
        windows.sent.clear();
        chat.ChatSend(L"still sent");
        EXPECT_EQ(windows.TextOf(room.entry), "still sent");
        EXPECT_EQ(PressedButtons(), std::vector<WindowHandle>{room.buttons[4]});
    }
    EXPECT_EQ(files.appendCalls, 2);
    EXPECT_TRUE(Log().empty());
}

TEST_F(ChatTest, ReadTextAsksForTheLengthThenTheTextOfTheHistoryPane) {
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.history) = "<BR>Bob: \xE9t\xE9";
    windows.TextOf(room.entry) = "not this";

    EXPECT_EQ(chat.ChatReadText(), L"<BR>Bob: \u00E9t\u00E9");

    ASSERT_EQ(windows.Delivered().size(), 2u);
    EXPECT_EQ(windows.Delivered()[0].kind, Kind::GetTextLength);
    EXPECT_EQ(windows.Delivered()[0].target, room.history);
    EXPECT_EQ(windows.Delivered()[1].kind, Kind::GetText);
    EXPECT_EQ(windows.Delivered()[1].target, room.history);
    EXPECT_EQ(windows.Delivered()[1].wParam, 12u + 1);
}

TEST_F(ChatTest, ReadTailKeepsTheLast500Characters) {
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.history) = "<BR>start" + std::string(600, '.') + "end";
    const Text tail = chat.ChatReadTail();
    EXPECT_EQ(tail, Text(497, L'.') + L"end");
    windows.TextOf(room.history) = "<BR>short";
    EXPECT_EQ(chat.ChatReadTail(), L"<BR>short");
}

TEST_F(ChatTest, ClearEmptiesOnlyTheHistoryPane) {
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.history) = "<BR>lots of talk";
    windows.TextOf(room.entry) = "typing";
    chat.ChatClear();
    EXPECT_EQ(windows.TextOf(room.history), "");
    EXPECT_EQ(windows.TextOf(room.entry), "typing");
    ASSERT_EQ(windows.Delivered().size(), 1u);
    EXPECT_EQ(windows.Delivered()[0].kind, Kind::SetText);
    EXPECT_TRUE(files.contents.empty());
}

TEST_F(ChatTest, LeaveClosesTheRoomWindowAndSendsNothing) {
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.history) = "<BR>talk";
    chat.ChatLeave();
    ASSERT_EQ(windows.Delivered().size(), 1u);
    EXPECT_EQ(windows.Delivered()[0].kind, Kind::Close);
    EXPECT_EQ(windows.Delivered()[0].target, room.room);
    EXPECT_EQ(windows.Delivered()[0].wParam, 0u);
    EXPECT_FALSE(windows.Exists(room.room));
    EXPECT_EQ(chat.ChatReadText(), L"");
    EXPECT_TRUE(files.contents.empty());
}

TEST_F(ChatTest, WithoutAChatRoomClearAndLeaveReachNoWindow) {
    chat.ChatClear();
    chat.ChatLeave();
    chat.ChatPressSend();
    EXPECT_TRUE(windows.Delivered().empty());
}

}  // namespace
}  // namespace orv
