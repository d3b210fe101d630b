// Lines enter the stand-in room as the messenger's would: the local user's through the entry pane and the
// Send button (blue name), other people's through the room's "say as" request (red name).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

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

enum class Way { Send, Post, Notify };

// One message to one of the room's buttons (1 to 5).
struct ButtonStep {
    int button;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Way way = Way::Send;
};

void Deliver(const RoomTree& tree, const ButtonStep& step) {
    HWND button = tree.buttons[static_cast<std::size_t>(step.button - 1)];
    switch (step.way) {
        case Way::Send:
            SendA(button, step.message, step.wParam, step.lParam);
            break;
        case Way::Post:
            PostMessageA(button, step.message, step.wParam, step.lParam);
            break;
        case Way::Notify:
            SendNotifyMessageA(button, step.message, step.wParam, step.lParam);
            break;
    }
}

ButtonStep Posted(ButtonStep step) {
    step.way = Way::Post;
    return step;
}

ButtonStep Notified(ButtonStep step) {
    step.way = Way::Notify;
    return step;
}

// The Send button takes the messenger's press, exactly, or a person's mouse click; nothing else posts.
TEST_F(ChatRoomLinesTest, SendPostsOnlyForTheMessengersExactPressOrAPersonsClick) {
    const ButtonStep down{5, WM_LBUTTONDOWN, 0, 0};
    const ButtonStep spaceUp{5, WM_KEYUP, VK_SPACE, 0};
    const ButtonStep up{5, WM_LBUTTONUP, 0, 0};
    const ButtonStep spaceDown{5, WM_KEYDOWN, VK_SPACE, 0};
    const ButtonStep personDown{5, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), Way::Post};
    struct Case {
        const char* what;
        std::vector<ButtonStep> steps;
        bool posts;
    };
    const Case cases[] = {
        {"the messenger's press", {down, spaceUp, up}, true},
        {"space down for space up", {down, spaceDown, up}, false},
        {"space down and up", {spaceDown, spaceUp}, false},
        {"no key between", {down, up}, false},
        {"another key", {down, {5, WM_KEYUP, VK_RETURN, 0}, up}, false},
        {"the key first", {spaceUp, down, up}, false},
        {"the button up first", {up, down, spaceUp}, false},
        {"space down in between", {down, spaceDown, spaceUp, up}, false},
        {"a mouse position", {{5, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5)}, spaceUp, up}, false},
        {"the mouse button held, sent", {{5, WM_LBUTTONDOWN, MK_LBUTTON, 0}, spaceUp, up}, false},
        {"all posted", {Posted(down), Posted(spaceUp), Posted(up)}, false},
        {"the key posted", {down, Posted(spaceUp), up}, false},
        {"all notified", {Notified(down), Notified(spaceUp), Notified(up)}, false},
        {"the key to the fourth button", {down, {4, WM_KEYUP, VK_SPACE, 0}, up}, false},
        {"a person's click", {personDown, {5, WM_LBUTTONUP, 0, MAKELPARAM(5, 5), Way::Post}}, true},
        {"a person letting go beside it",
         {personDown, {5, WM_LBUTTONUP, 0, MAKELPARAM(300, 5), Way::Post}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND room = StartRoom(kFixedTimeOption + TimelineOption());
        ASSERT_NE(room, nullptr);
        const RoomTree tree = FindRoomTree(room);
        ASSERT_EQ(tree.buttons.size(), 5u);
        SetTextA(tree.entry, "typed");

        for (const ButtonStep& step : c.steps) {
            Deliver(tree, step);
        }
        // Posted and notified messages are handled later: each has been once it is in the timeline.
        std::vector<std::string> timeline;
        ASSERT_TRUE(WaitUntil([&] { return (timeline = Timeline()).size() >= 1 + c.steps.size(); }));
        ASSERT_EQ(timeline.size(), 1 + c.steps.size());
        EXPECT_EQ(timeline[0], "sent entry WM_SETTEXT 0x0 \"typed\"");
        for (const Way way : {Way::Send, Way::Post, Way::Notify}) {
            const char* word = way == Way::Send ? "sent " : way == Way::Post ? "posted " : "notified ";
            EXPECT_EQ(std::count_if(timeline.begin() + 1, timeline.end(),
                                    [&](const std::string& line) { return line.starts_with(word); }),
                      std::count_if(c.steps.begin(), c.steps.end(),
                                    [&](const ButtonStep& step) { return step.way == way; }))
                << word;
        }

        if (c.posts) {
            EXPECT_EQ(NewestLine(GetTextA(tree.history)),
                      "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: typed");
            EXPECT_EQ(GetTextA(tree.entry), "");
        } else {
            EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
            EXPECT_EQ(GetTextA(tree.entry), "typed");
        }
        EXPECT_EQ(SendA(tree.buttons[4], chatroom::kPressCountMessage, 0, 0), c.posts ? 1 : 0);
        TearDown();
    }
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
