#include "e2e/player_beside_room.h"

#include "chatroom/chatroom_protocol.h"
#include "e2e/main_window_controls.h"

namespace e2e {

namespace {
constexpr DWORD kConversationTimeoutMs = 60000;
}

std::string LoadedAnnouncement(const std::wstring& userName) {
    return ToAnsi(L"Orv Jubo <b>2.1</b> - Loaded. [User: " + userName +
                  L" \u00BB Get it at: <font color=blue><u>orvjubo.net</u>]");
}

std::string SentMessagesLine(const std::string& message) {
    return "\"" + message + "\"\r\n";
}

void PlayerBesideRoom::TearDown() {
    player_.Kill();
    room_.Kill();
}

void PlayerBesideRoom::StartRoom(const std::wstring& arguments) {
    ASSERT_FALSE(folder_.Path().empty()) << "no temp folder";
    ASSERT_EQ(FindChatRoom(), nullptr) << "a chat room from an earlier run is still open";
    std::wstring exe = BuiltProgram(L"tools\\chatroom\\chatroom.exe", L"ORVJUBO_CHATROOM_EXE");
    ASSERT_TRUE(FileExists(exe)) << "the stand-in chat room was not built";
    room_ = LaunchedProgram(exe, arguments, folder_.Path());
    ASSERT_TRUE(room_.Started()) << "chatroom.exe did not start, error " << room_.StartError();
    roomWindow_ = WaitForTopWindow({.processId = room_.Id(), .className = L"aim_chatwnd"});
    ASSERT_NE(roomWindow_, nullptr) << "the chat room window did not appear";
}

void PlayerBesideRoom::StartPlayer() {
    std::wstring exe = BuiltProgram(L"orvjubo.exe", L"ORVJUBO_EXE");
    ASSERT_TRUE(FileExists(exe)) << "orvjubo.exe was not built";
    player_ = LaunchedProgram(exe, L"", folder_.Path());
    ASSERT_TRUE(player_.Started()) << "orvjubo.exe did not start, error " << player_.StartError();
}

HWND PlayerBesideRoom::WaitForMainWindow() {
    return WaitForTopWindow({.processId = player_.Id(), .caption = kMainWindowCaption});
}

HWND PlayerBesideRoom::EnableChatCommands(HWND mainWindow) {
    PressButton(MainWindowButton(mainWindow, L"Ccoms"));
    const HWND ccoms = WaitForTopWindow({.processId = player_.Id(), .caption = L"Ccoms"});
    if (ccoms == nullptr) {
        ADD_FAILURE() << "\"Ccoms\" did not open";
        return nullptr;
    }
    PressButton(FindDescendant(ccoms, L"Button", L"Enable Ccoms"));
    WaitForRoomToShow("Ccoms Enabled");
    return ccoms;
}

HWND PlayerBesideRoom::StartRosaBesideTheRoom(const std::wstring& roomArguments) {
    StartRoom(roomArguments);
    if (HasFatalFailure()) {
        return nullptr;
    }
    StartPlayer();
    if (HasFatalFailure()) {
        return nullptr;
    }
    EXPECT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa")) << "no \"UserName\" prompt";
    WaitForRoomToShow(LoadedAnnouncement(L"Rosa"));
    const HWND mainWindow = WaitForMainWindow();
    EXPECT_NE(mainWindow, nullptr) << "no main window";
    return mainWindow;
}

bool PlayerBesideRoom::SayAsParticipant(const std::wstring& text) {
    std::wstring payload = chatroom::MakeSayPayload(L"Ann", text);
    COPYDATASTRUCT data = {.dwData = chatroom::kSayAsCopyDataCode,
                           .cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t)),
                           .lpData = payload.data()};
    DWORD_PTR accepted = FALSE;
    return SendMessageTimeoutW(roomWindow_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               Scaled(5000), &accepted) != 0 &&
           accepted == TRUE;
}

bool PlayerBesideRoom::SayAsOwner(const std::wstring& text) {
    HWND frame = FindWindowExW(roomWindow_, nullptr, chatroom::kPaneHolderClassName, nullptr);
    frame = FindWindowExW(roomWindow_, frame, chatroom::kPaneHolderClassName, nullptr);
    HWND send = nullptr;
    for (int i = 0; i < 5; ++i) {
        send = FindWindowExW(roomWindow_, send, chatroom::kIconButtonClassName, nullptr);
    }
    const bool typed =
        SetWindowTextTo(FindWindowExW(frame, nullptr, chatroom::kPaneClassName, nullptr), text);
    PressButton(send);
    return typed && send != nullptr;
}

std::string PlayerBesideRoom::WaitForRoomToShow(const std::string& text) {
    std::string history;
    WaitUntil(
        [&] {
            history = ReadHistory();
            return history.find(text) != std::string::npos;
        },
        kConversationTimeoutMs, 250);
    return history;
}

}  // namespace e2e
