// The stand-in room's window tree answers the lookups the player makes in the messenger's chat room, and its
// panes behave like edit controls towards ANSI and wide callers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

class ChatRoomTreeTest : public ChatRoomTest {};

std::vector<std::string> MessengerClassesInChildOrder(HWND room) {
    std::vector<std::string> classes;
    for (HWND child = GetWindow(room, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        std::string lowered = Lowered(name);
        if (lowered == "wndate32class" || lowered == "_oscar_iconbtn") {
            classes.push_back(lowered);
        }
    }
    return classes;
}

TEST_F(ChatRoomTreeTest, LookupsByClassFindPanesAndButtonsInMessengerOrder) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(FindWindowA("aim_chatwnd", nullptr), room);
    EXPECT_NE(CaptionOf(room).find(L"stand-in"), std::wstring::npos);

    const RoomTree tree = FindRoomTree(room);
    ASSERT_NE(tree.firstHolder, nullptr);
    ASSERT_NE(tree.history, nullptr);
    ASSERT_NE(tree.secondHolder, nullptr);
    ASSERT_NE(tree.entry, nullptr);
    EXPECT_NE(tree.firstHolder, tree.secondHolder);
    EXPECT_EQ(GetParent(tree.history), tree.firstHolder);
    EXPECT_EQ(GetParent(tree.entry), tree.secondHolder);
    EXPECT_EQ(FindWindowExA(room, tree.secondHolder, "wndate32class", nullptr), nullptr);

    ASSERT_EQ(tree.buttons.size(), 5u);
    EXPECT_EQ(std::set<HWND>(tree.buttons.begin(), tree.buttons.end()).size(), 5u);
    for (HWND button : tree.buttons) {
        EXPECT_EQ(GetParent(button), room);
    }
    char caption[32] = {};
    GetWindowTextA(tree.buttons[4], caption, sizeof caption);
    EXPECT_STREQ(caption, "Send");

    const std::vector<std::string> expected = {"wndate32class",  "wndate32class",  "_oscar_iconbtn",
                                               "_oscar_iconbtn", "_oscar_iconbtn", "_oscar_iconbtn",
                                               "_oscar_iconbtn"};
    EXPECT_EQ(MessengerClassesInChildOrder(room), expected);
}

TEST_F(ChatRoomTreeTest, HistoryPaneHoldsTheConversationAsHtml) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
    EXPECT_EQ(GetTextA(tree.entry), "");
}

TEST_F(ChatRoomTreeTest, PanesTakeAndGiveTextLikeEditControls) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);

    for (HWND pane : {tree.entry, tree.history}) {
        SetTextA(pane, "hello room");
        EXPECT_EQ(SendA(pane, WM_GETTEXTLENGTH, 0, 0), 10);
        EXPECT_EQ(GetTextA(pane), "hello room");

        // A buffer too short gets what fits and its zero.
        char shortBuffer[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
        EXPECT_EQ(SendA(pane, WM_GETTEXT, sizeof shortBuffer, reinterpret_cast<LPARAM>(shortBuffer)), 5);
        EXPECT_STREQ(shortBuffer, "hello");

        // Wide in, ANSI out; ANSI in, wide out.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(pane, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"wide <b>text</b>"),
                            SMTO_ABORTIFHUNG, kTestMessageTimeoutMilliseconds, &ignored);
        EXPECT_EQ(GetTextA(pane), "wide <b>text</b>");
        SetTextA(pane, "narrow");
        wchar_t wide[32] = {};
        SendMessageTimeoutW(pane, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                            kTestMessageTimeoutMilliseconds, &ignored);
        EXPECT_STREQ(wide, L"narrow");

        SetTextA(pane, "");
        EXPECT_EQ(SendA(pane, WM_GETTEXTLENGTH, 0, 0), 0);
    }
}

TEST_F(ChatRoomTreeTest, LongConversationComesBackWhole) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    std::string conversation = "<HTML>";
    for (int i = 0; i < 2000; ++i) {
        conversation += "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: line " +
                        std::to_string(i);
    }
    conversation += "</HTML>";
    SetTextA(tree.history, conversation);
    EXPECT_EQ(GetTextA(tree.history), conversation);
}

TEST_F(ChatRoomTreeTest, ButtonsOptionLeavesFewerIconButtons) {
    for (const int count : {0, 1, 3, 4}) {
        SCOPED_TRACE(count);
        HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --buttons " + std::to_wstring(count));
        ASSERT_NE(room, nullptr);
        const RoomTree tree = FindRoomTree(room);
        EXPECT_EQ(tree.buttons.size(), static_cast<std::size_t>(count));
        EXPECT_NE(tree.entry, nullptr);
        TearDown();
    }
}

TEST_F(ChatRoomTreeTest, SinglePaneOptionLeavesOnlyTheHistoryHolder) {
    HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --single-pane");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_NE(tree.history, nullptr);
    EXPECT_EQ(tree.secondHolder, nullptr);
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
    ASSERT_EQ(tree.buttons.size(), 5u);

    // Send still takes the press; there is no entry to post.
    PressLikeThePlayer(tree.buttons[4]);
    EXPECT_EQ(SendA(tree.buttons[4], chatroom::kPressCountMessage, 0, 0), 1);
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
}

TEST_F(ChatRoomTreeTest, BadCommandLineStartsNoRoom) {
    for (const wchar_t* arguments : {L"--buttons 6", L"--buttons", L"--bogus", L"--say OnlyAName"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(arguments)));
        EXPECT_EQ(RunChatRoomCommand(arguments), 2u);
    }
    EXPECT_EQ(FindWindowA("aim_chatwnd", nullptr), nullptr);
}

}  // namespace
}  // namespace orv::testing
