// Lines enter the stand-in room as the messenger's would: the local user's through the entry pane and the
// Send button (blue name), other people's through the room's "say as" request (red name).
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

class ChatRoomLinesTest : public ChatRoomTest {};

LRESULT SendCopyData(HWND room, ULONG_PTR code, const std::wstring& payload) {
    COPYDATASTRUCT data = {.dwData = code,
                           .cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t)),
                           .lpData = const_cast<wchar_t*>(payload.data())};
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(room, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        kTestMessageTimeoutMilliseconds, &answer);
    return static_cast<LRESULT>(answer);
}

TEST_F(ChatRoomLinesTest, PressingSendPostsTheEntryAsABlueLocalLineAndEmptiesTheEntry) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(tree.buttons.size(), 5u);

    SetTextA(tree.entry, "<b>Now playing</b> - song");
    PressLikeThePlayer(tree.buttons[4]);
    EXPECT_EQ(
        GetTextA(tree.history),
        "<HTML><BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: <b>Now playing</b> - song"
        "</HTML>");
    EXPECT_EQ(GetTextA(tree.entry), "");
    EXPECT_FALSE(ScannerTakesAsOtherPerson(NewestLine(GetTextA(tree.history))));

    // A second message becomes the newest line; the first stays.
    SetTextA(tree.entry, "again");
    PressLikeThePlayer(tree.buttons[4]);
    const std::string conversation = GetTextA(tree.history);
    EXPECT_EQ(NewestLine(conversation),
              "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: again");
    EXPECT_NE(conversation.find("song<BR>"), std::string::npos);
    EXPECT_EQ(SendA(tree.buttons[4], chatroom::kPressCountMessage, 0, 0), 2);
}

TEST_F(ChatRoomLinesTest, LocalNameOptionNamesTheLocalUser) {
    HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --local-name \"Orv Fan\"");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    SetTextA(tree.entry, "hi");
    PressLikeThePlayer(tree.buttons[4]);
    EXPECT_EQ(NewestLine(GetTextA(tree.history)),
              "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Orv Fan</B></FONT>: hi");
}

TEST_F(ChatRoomLinesTest, OnlyTheFifthButtonSendsAndAnEmptyEntrySendsNothing) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(tree.buttons.size(), 5u);

    SetTextA(tree.entry, "not yet");
    for (int i = 0; i < 4; ++i) {
        PressLikeThePlayer(tree.buttons[i]);
        EXPECT_EQ(SendA(tree.buttons[i], chatroom::kPressCountMessage, 0, 0), 1) << "button " << i + 1;
    }
    EXPECT_EQ(GetTextA(tree.entry), "not yet");
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");

    SetTextA(tree.entry, "");
    PressLikeThePlayer(tree.buttons[4]);
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
}

TEST_F(ChatRoomLinesTest, AButtonCountsAPressOnlyWhenItWasPressedDownFirst) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    SetTextA(tree.entry, "stray");
    SendA(tree.buttons[4], WM_LBUTTONUP, 0, 0);
    SendA(tree.buttons[4], WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendA(tree.buttons[4], chatroom::kPressCountMessage, 0, 0), 0);
    EXPECT_EQ(GetTextA(tree.entry), "stray");

    // Space down and up is a press too, as on any button.
    SendA(tree.buttons[4], WM_KEYDOWN, VK_SPACE, 0);
    SendA(tree.buttons[4], WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(NewestLine(GetTextA(tree.history)),
              "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: stray");
}

TEST_F(ChatRoomLinesTest, SayCommandAddsARedLineThatTheScannerTakesAsSomeoneElse) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);

    EXPECT_EQ(RunChatRoomCommand(L"--say Somebody !next"), 0u);
    std::string newest = NewestLine(GetTextA(tree.history));
    EXPECT_EQ(newest, "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next");
    EXPECT_TRUE(ScannerTakesAsOtherPerson(newest));

    EXPECT_EQ(RunChatRoomCommand(L"--say \"Some Body\" \"what is playing?\""), 0u);
    newest = NewestLine(GetTextA(tree.history));
    EXPECT_EQ(newest,
              "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Some Body</B></FONT>: what is playing?");
    EXPECT_TRUE(GetTextA(tree.history).ends_with("</HTML>"));
}

TEST_F(ChatRoomLinesTest, SayCommandFailsWithoutARoom) {
    ASSERT_EQ(FindWindowA("aim_chatwnd", nullptr), nullptr);
    EXPECT_NE(RunChatRoomCommand(L"--say Somebody hello"), 0u);
}

TEST_F(ChatRoomLinesTest, CopyDataSaysAsAnotherParticipantAndRefusesAnythingElse) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);

    EXPECT_EQ(SendCopyData(room, chatroom::kSayAsCopyDataCode, L"Stranger"), FALSE);  // no separator
    EXPECT_EQ(SendCopyData(room, chatroom::kSayAsCopyDataCode, chatroom::MakeSayPayload(L"", L"x")), FALSE);
    EXPECT_EQ(SendCopyData(room, chatroom::kSayAsCopyDataCode + 1, chatroom::MakeSayPayload(L"Bob", L"x")),
              FALSE);
    EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");

    EXPECT_EQ(SendCopyData(room, chatroom::kSayAsCopyDataCode, chatroom::MakeSayPayload(L"Bob", L"!pause")),
              TRUE);
    EXPECT_EQ(GetTextA(tree.history),
              "<HTML><BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Bob</B></FONT>: !pause</HTML>");
}

TEST_F(ChatRoomLinesTest, AnEmptiedHistoryStartsAgainWithHtml) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(RunChatRoomCommand(L"--say Somebody one"), 0u);
    SetTextA(tree.history, "");
    ASSERT_EQ(RunChatRoomCommand(L"--say Somebody two"), 0u);
    EXPECT_EQ(GetTextA(tree.history),
              "<HTML><BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: two</HTML>");
}

TEST_F(ChatRoomLinesTest, WithoutFixedTimeLinesCarryTheRoomClock) {
    HWND room = StartRoom(L"");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(RunChatRoomCommand(L"--say Somebody hi"), 0u);
    const std::string newest = NewestLine(GetTextA(tree.history));
    const std::regex expected(
        R"(<BR><!-- \((1[0-2]|[1-9]):[0-5]\d:[0-5]\d (AM|PM)\) --><FONT COLOR="#ff0000"><B>Somebody</B></FONT>: hi)");
    EXPECT_TRUE(std::regex_match(newest, expected)) << newest;
}

TEST_F(ChatRoomLinesTest, CloseMessageEndsTheRoom) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    SendA(room, WM_CLOSE, 0, reinterpret_cast<LPARAM>("0"));
    EXPECT_TRUE(RoomProcessEnds());
}

}  // namespace
}  // namespace orv::testing
