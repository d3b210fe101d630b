// The adapter of the messenger's windows against the stand-in room: lookups in child order, text in and out
// of the panes, the three-message press, closing, and rooms that are gone or do not answer.
#include "platform/win32/win32_chat_windows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

using Button = ChatWindows::ButtonMessage;

WindowHandle HandleOf(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

struct AdapterTree {
    WindowHandle room = 0;
    WindowHandle history = 0;
    WindowHandle entry = 0;
    WindowHandle send = 0;
};

// The lookups the chat module makes.
AdapterTree FindWithAdapter(ChatWindows& windows) {
    AdapterTree tree;
    tree.room = windows.FindTopLevel("aim_chatwnd");
    const WindowHandle first = windows.FindChild(tree.room, 0, "wndate32class");
    tree.history = windows.FindChild(first, 0, "ate32class");
    const WindowHandle second = windows.FindChild(tree.room, first, "wndate32class");
    tree.entry = windows.FindChild(second, 0, "ate32class");
    WindowHandle button = 0;
    for (int i = 0; i < 5; ++i) {
        button = windows.FindChild(tree.room, button, "_oscar_iconbtn");
    }
    tree.send = button;
    return tree;
}

void Press(ChatWindows& windows, WindowHandle button) {
    windows.SendButtonMessage(button, Button::LeftButtonDown, 0);
    windows.SendButtonMessage(button, Button::KeyUp, 32);
    windows.SendButtonMessage(button, Button::LeftButtonUp, 0);
}

class Win32ChatWindowsTest : public ChatRoomTest {
  protected:
    Win32ChatWindows windows_;
};

TEST_F(Win32ChatWindowsTest, FindsTheSameWindowsAsTheMessengerLookups) {
    HWND room = StartRoom();
    ASSERT_NE(room, nullptr);
    const RoomTree expected = FindRoomTree(room);
    const AdapterTree found = FindWithAdapter(windows_);
    EXPECT_EQ(found.room, HandleOf(room));
    EXPECT_EQ(found.history, HandleOf(expected.history));
    EXPECT_EQ(found.entry, HandleOf(expected.entry));
    ASSERT_EQ(expected.buttons.size(), 5u);
    EXPECT_EQ(found.send, HandleOf(expected.buttons[4]));
    EXPECT_EQ(windows_.FindChild(found.room, found.send, "_oscar_iconbtn"), 0u);
}

TEST_F(Win32ChatWindowsTest, SetsAndReadsPaneTextWithinTheBuffer) {
    ASSERT_NE(StartRoom(), nullptr);
    const AdapterTree tree = FindWithAdapter(windows_);

    windows_.SetText(tree.entry, "hello");
    EXPECT_EQ(windows_.GetTextLength(tree.entry), 5u);
    EXPECT_EQ(windows_.GetText(tree.entry, 6), "hello");
    EXPECT_EQ(windows_.GetText(tree.entry, 3), "he");
    EXPECT_EQ(windows_.GetText(tree.entry, 1), "");
    EXPECT_EQ(windows_.GetText(tree.entry, 0), "");
    // A larger buffer ends where the window's text ends, not at the blanks.
    EXPECT_EQ(windows_.GetText(tree.entry, 40), "hello");

    EXPECT_EQ(windows_.GetText(tree.history, windows_.GetTextLength(tree.history) + 1), "<HTML></HTML>");
    windows_.SetText(tree.history, "");
    EXPECT_EQ(windows_.GetTextLength(tree.history), 0u);
}

TEST_F(Win32ChatWindowsTest, ThreeMessagePressSendsTheEntryOnce) {
    ASSERT_NE(StartRoom(), nullptr);
    const AdapterTree tree = FindWithAdapter(windows_);
    windows_.SetText(tree.entry, "<b>Orv Jubo</b> loaded");
    Press(windows_, tree.send);
    const std::size_t length = windows_.GetTextLength(tree.history);
    EXPECT_EQ(
        windows_.GetText(tree.history, length + 1),
        "<HTML><BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: <b>Orv Jubo</b> loaded"
        "</HTML>");
    EXPECT_EQ(windows_.GetTextLength(tree.entry), 0u);
}

TEST_F(Win32ChatWindowsTest, CloseEndsTheRoom) {
    ASSERT_NE(StartRoom(), nullptr);
    windows_.Close(windows_.FindTopLevel("aim_chatwnd"));
    EXPECT_TRUE(RoomProcessEnds());
}

TEST_F(Win32ChatWindowsTest, WithoutARoomNothingIsFoundAndNothingIsRead) {
    ASSERT_EQ(FindWindowA("aim_chatwnd", nullptr), nullptr);
    const AdapterTree tree = FindWithAdapter(windows_);
    EXPECT_EQ(tree.room, 0u);
    EXPECT_EQ(tree.history, 0u);
    EXPECT_EQ(tree.entry, 0u);
    EXPECT_EQ(tree.send, 0u);
    windows_.SetText(0, "nowhere");
    windows_.Close(0);
    Press(windows_, 0);
    EXPECT_EQ(windows_.GetTextLength(0), 0u);
    EXPECT_EQ(windows_.GetText(0, 10), "");
}

TEST_F(Win32ChatWindowsTest, HandlesOfAClosedRoomAreHarmless) {
    ASSERT_NE(StartRoom(), nullptr);
    const AdapterTree tree = FindWithAdapter(windows_);
    ASSERT_NE(tree.history, 0u);
    windows_.SetText(tree.history, "before");
    TearDown();

    EXPECT_EQ(windows_.FindChild(tree.room, 0, "wndate32class"), 0u);
    windows_.SetText(tree.entry, "after");
    Press(windows_, tree.send);
    windows_.Close(tree.room);
    EXPECT_EQ(windows_.GetTextLength(tree.history), 0u);
    EXPECT_EQ(windows_.GetText(tree.history, 7), "");
}

TEST_F(Win32ChatWindowsTest, ARoomThatDoesNotAnswerGivesNothingBack) {
    ASSERT_NE(StartRoom(std::wstring(kFixedTimeOption) + L" --stall"), nullptr);
    // Lookups do not ask the room anything, so they still find it.
    const AdapterTree tree = FindWithAdapter(windows_);
    ASSERT_NE(tree.history, 0u);
    ASSERT_NE(tree.entry, 0u);
    ASSERT_NE(tree.send, 0u);

    // Each message gives up after its bound; the calls come back and report nothing.
    EXPECT_EQ(windows_.GetTextLength(tree.history), 0u);
    EXPECT_EQ(windows_.GetText(tree.history, 20), "");
    windows_.SetText(tree.entry, "into the void");
    Press(windows_, tree.send);
    windows_.Close(tree.room);
    EXPECT_EQ(windows_.GetText(tree.entry, 20), "");
    EXPECT_FALSE(RoomProcessEnds(0));
}

}  // namespace
}  // namespace orv::testing
