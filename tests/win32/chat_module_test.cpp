// The chat module against the stand-in chat room: sending (entry pane, Send button, the "test.html" log in
// the working directory), reading the history pane whole and its tail, clearing it, and leaving the room.
#include "aim/chat.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_files.h"
#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

constexpr UINT kWindows1252 = 1252;

// A fresh, empty folder made the process's working directory for one test, so that "test.html" starts
// missing; the previous working directory comes back afterwards.
class PrivateWorkingDirectory {
  public:
    PrivateWorkingDirectory() {
        wchar_t previous[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, previous);
        previous_ = previous;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        for (unsigned attempt = 0; attempt < 1000 && folder_.empty(); ++attempt) {
            const std::wstring candidate =
                std::wstring(temp) + L"orvjubo-chat-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
            if (CreateDirectoryW(candidate.c_str(), nullptr)) {
                folder_ = candidate;
            }
        }
        entered_ = !folder_.empty() && SetCurrentDirectoryW(folder_.c_str());
    }
    PrivateWorkingDirectory(const PrivateWorkingDirectory&) = delete;
    PrivateWorkingDirectory& operator=(const PrivateWorkingDirectory&) = delete;
    ~PrivateWorkingDirectory() {
        SetCurrentDirectoryW(previous_.c_str());
        if (!folder_.empty()) {
            DeleteFileW((folder_ + L"\\test.html").c_str());
            RemoveDirectoryW(folder_.c_str());
        }
    }

    bool Entered() const { return entered_; }
    const std::wstring& Folder() const { return folder_; }

  private:
    std::wstring previous_;
    std::wstring folder_;
    bool entered_ = false;
};

// The file's bytes; empty when it cannot be read.
std::string BytesOfFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The line the room writes for the local user ("Me") at the fixed time.
std::string LocalLine(const std::string& message) {
    return "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: " + message;
}

class ChatModuleTest : public ChatRoomTest {
  protected:
    void SetUp() override { ASSERT_TRUE(workingDirectory_.Entered()) << "no private working directory"; }

    std::string SentLog() const { return BytesOfFile(workingDirectory_.Folder() + L"\\test.html"); }

    // Starts a room and finds its panes and Send button the way the player's lookups do.
    RoomTree StartRoomAndFindTree(const std::wstring& arguments = kFixedTimeOption) {
        HWND room = StartRoom(arguments);
        return room != nullptr ? FindRoomTree(room) : RoomTree{};
    }

    LRESULT PressesOf(HWND button) { return SendA(button, chatroom::kPressCountMessage, 0, 0); }

    PrivateWorkingDirectory workingDirectory_;
    Win32ChatWindows windows_;
    win32::Win32CodePage codePage_;
    win32::Win32Files files_;
    Chat chat_{windows_, codePage_, files_};
};

TEST_F(ChatModuleTest, ChatSendReplacesTheEntryTextAndPostsItAsTheLocalUsersLine) {
    const RoomTree tree = StartRoomAndFindTree();
    ASSERT_NE(tree.entry, nullptr);
    ASSERT_EQ(tree.buttons.size(), 5u);
    SetTextA(tree.entry, "half-typed words of the user");

    chat_.ChatSend(L"<b>Orv Jubo</b> - Loaded.");

    const std::string conversation = GetTextA(tree.history);
    EXPECT_EQ(NewestLine(conversation), LocalLine("<b>Orv Jubo</b> - Loaded."));
    EXPECT_EQ(conversation.find("half-typed"), std::string::npos);
    EXPECT_FALSE(ScannerTakesAsOtherPerson(NewestLine(conversation)));
    EXPECT_EQ(PressesOf(tree.buttons[4]), 1);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(PressesOf(tree.buttons[i]), 0) << "button " << i + 1;
    }
}

// What the messenger's window receives from one send, message by message.
TEST_F(ChatModuleTest, ChatSendSetsTheEntryThenSendsThePressToTheFifthButton) {
    const RoomTree tree = StartRoomAndFindTree(kFixedTimeOption + TimelineOption());
    ASSERT_EQ(tree.buttons.size(), 5u);

    chat_.ChatSend(L"<b>Orv Jubo</b> - Loaded.");

    EXPECT_EQ(Timeline(), (std::vector<std::string>{
                              "sent entry WM_SETTEXT 0x0 \"<b>Orv Jubo</b> - Loaded.\"",
                              "sent button5 WM_LBUTTONDOWN 0x0 0x0",
                              "sent button5 WM_KEYUP 0x20 0x0",
                              "sent button5 WM_LBUTTONUP 0x0 0x0",
                          }));
}

// With fewer than five buttons the fifth lookup lands on another button, or on none with exactly four; no
// button but Send posts the entry.
TEST_F(ChatModuleTest, WithFewerButtonsChatSendPressesAnotherButtonOrNone) {
    struct Case {
        int buttons;
        int pressed;  // 1 to 5 in child order; 0 for none
    };
    for (const Case c : {Case{4, 0}, Case{3, 1}, Case{2, 2}, Case{1, 1}, Case{0, 0}}) {
        SCOPED_TRACE(c.buttons);
        const RoomTree tree = StartRoomAndFindTree(std::wstring(kFixedTimeOption) + L" --buttons " +
                                                   std::to_wstring(c.buttons) + TimelineOption());
        ASSERT_EQ(tree.buttons.size(), static_cast<std::size_t>(c.buttons));

        chat_.ChatSend(L"lost");

        std::vector<std::string> expected = {"sent entry WM_SETTEXT 0x0 \"lost\""};
        if (c.pressed != 0) {
            const std::string button = "button" + std::to_string(c.pressed);
            expected.push_back("sent " + button + " WM_LBUTTONDOWN 0x0 0x0");
            expected.push_back("sent " + button + " WM_KEYUP 0x20 0x0");
            expected.push_back("sent " + button + " WM_LBUTTONUP 0x0 0x0");
        }
        EXPECT_EQ(Timeline(), expected);
        for (int i = 0; i < c.buttons; ++i) {
            EXPECT_EQ(PressesOf(tree.buttons[i]), i + 1 == c.pressed ? 1 : 0) << "button " << i + 1;
        }
        EXPECT_EQ(GetTextA(tree.history), "<HTML></HTML>");
        EXPECT_EQ(GetTextA(tree.entry), "lost");
        TearDown();
    }
}

TEST_F(ChatModuleTest, TwoMessagesSentInARowBothArrive) {
    const RoomTree tree = StartRoomAndFindTree();
    ASSERT_EQ(tree.buttons.size(), 5u);

    chat_.ChatSend(L"first");
    chat_.ChatSend(L"second");

    EXPECT_EQ(GetTextA(tree.history), "<HTML>" + LocalLine("first") + LocalLine("second") + "</HTML>");
    EXPECT_EQ(PressesOf(tree.buttons[4]), 2);
    EXPECT_EQ(SentLog(), "\"first\"\r\n\"second\"\r\n");
}

TEST_F(ChatModuleTest, ChatSendLogsEachMessageQuotedInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), kWindows1252) << "the expected bytes below are those of Windows-1252";
    const RoomTree tree = StartRoomAndFindTree();
    ASSERT_NE(tree.history, nullptr);

    chat_.ChatSend(L"abc");
    chat_.ChatSend(L"say \"hi\"");
    chat_.ChatSend(L"smile \u263A!");
    chat_.ChatSend(L"Loaded. [User: Bob \u00BB Get it]");

    EXPECT_EQ(SentLog(),
              "\"abc\"\r\n"
              "\"say \"hi\"\"\r\n"
              "\"smile ?!\"\r\n"
              "\"Loaded. [User: Bob \xBB Get it]\"\r\n");
    // The room received the same replacement and the same byte.
    const std::string conversation = GetTextA(tree.history);
    EXPECT_NE(conversation.find(LocalLine("smile ?!")), std::string::npos) << conversation;
    EXPECT_EQ(NewestLine(conversation), LocalLine("Loaded. [User: Bob \xBB Get it]"));
}

TEST_F(ChatModuleTest, WithoutARoomChatSendOnlyAppendsToTheLog) {
    ASSERT_EQ(FindWindowA("aim_chatwnd", nullptr), nullptr);
    ASSERT_FALSE(FileExists(workingDirectory_.Folder() + L"\\test.html"));

    chat_.ChatSend(L"abc");
    chat_.ChatSend(L"\u263A");

    EXPECT_EQ(SentLog(), "\"abc\"\r\n\"?\"\r\n");
    EXPECT_EQ(chat_.ChatReadText(), L"");
    EXPECT_EQ(chat_.ChatReadTail(), L"");
}

TEST_F(ChatModuleTest, ChatReadTextReturnsTheWholeHistoryAndChatReadTailItsLast500Characters) {
    const RoomTree tree = StartRoomAndFindTree();
    ASSERT_NE(tree.history, nullptr);

    // Each of the 1500 characters is told apart by its place; "\xBB" checks the way back from the code page.
    std::string history;
    for (int i = 0; history.size() < 1500; ++i) {
        history += i % 7 == 0 ? '\xBB' : static_cast<char>('a' + i % 26);
    }
    SetTextA(tree.history, history);
    const Text expected = codePage_.FromAnsi(history);
    ASSERT_EQ(expected[0], L'\u00BB');

    EXPECT_EQ(chat_.ChatReadText(), expected);
    EXPECT_EQ(chat_.ChatReadTail(), expected.substr(1000));

    SetTextA(tree.history, "<HTML>short</HTML>");
    EXPECT_EQ(chat_.ChatReadText(), L"<HTML>short</HTML>");
    EXPECT_EQ(chat_.ChatReadTail(), L"<HTML>short</HTML>");

    const std::string exactly500(500, 'x');
    SetTextA(tree.history, exactly500 + "y");
    EXPECT_EQ(chat_.ChatReadTail(), Text(499, L'x') + L"y");
}

TEST_F(ChatModuleTest, ChatClearEmptiesTheHistoryPaneOnly) {
    const RoomTree tree = StartRoomAndFindTree();
    ASSERT_NE(tree.entry, nullptr);
    chat_.ChatSend(L"something to clear");
    SetTextA(tree.entry, "still typing");
    ASSERT_NE(GetTextA(tree.history), "");

    chat_.ChatClear();

    EXPECT_EQ(GetTextA(tree.history), "");
    EXPECT_EQ(chat_.ChatReadText(), L"");
    EXPECT_EQ(GetTextA(tree.entry), "still typing");
    EXPECT_NE(FindWindowA("aim_chatwnd", nullptr), nullptr);
}

// Any program may own windows of the room's classes; a history pane that claims 2^31 - 1 characters is not
// read at all (no buffer of that size), and the room stays usable.
TEST_F(ChatModuleTest, AHistoryPaneThatClaimsAnEndlessTextReadsAsEmpty) {
    HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --lie-length");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(tree.buttons.size(), 5u);

    chat_.ChatSend(L"still heard");
    EXPECT_EQ(PressesOf(tree.buttons[4]), 1);
    char shown[512] = {};
    SendMessageTimeoutA(tree.history, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown),
                        SMTO_ABORTIFHUNG, kTestMessageTimeoutMilliseconds, nullptr);
    ASSERT_NE(std::string(shown).find("still heard"), std::string::npos) << "the pane holds the line";

    EXPECT_NO_THROW({
        EXPECT_EQ(chat_.ChatReadText(), L"");
        EXPECT_EQ(chat_.ChatReadTail(), L"");
        EXPECT_EQ(chat_.ChatReadNewestPart(), L"");
    });
}

TEST_F(ChatModuleTest, ChatLeaveClosesTheRoom) {
    ASSERT_NE(StartRoom(), nullptr);

    chat_.ChatLeave();

    EXPECT_TRUE(RoomProcessEnds());
    EXPECT_EQ(SentLog(), "") << "leaving sends nothing";
}

}  // namespace
}  // namespace orv::testing
