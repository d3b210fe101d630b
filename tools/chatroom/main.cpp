// The stand-in chat room: a window that stands in for the messenger's chat-room window, with the same window
// classes and child order, so that the player can be tried and tested without the messenger.
//   chatroom.exe [--buttons N] [--single-pane] [--stall] [--slow MS] [--lie-length] [--local-name NAME]
//                [--fixed-time "8:15:02 PM"] [--timeline FILE] [--history-bytes N] [--change-between-reads]
//                [--close-on-entry] [--irc HOST[:PORT] --channel "#NAME" --nick NICK]
//   chatroom.exe --say NAME TEXT     hands a line of NAME to the running room, then ends (1: no room)
// Ends with 2 for a command line it does not understand, 3 when the window or the timeline file cannot be
// made.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "chatroom_protocol.h"
#include "platform/win32/crash_report.h"
#include "room_controls.h"
#include "room_options.h"
#include "room_window.h"

namespace {

constexpr int kExitNoRoom = 1;
constexpr int kExitBadCommandLine = 2;
constexpr int kExitNoWindow = 3;
constexpr UINT kSayTimeoutMilliseconds = 5000;

std::vector<std::wstring> ArgumentsAfterProgramName() {
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; list != nullptr && i < count; ++i) {
        arguments.emplace_back(list[i]);
    }
    LocalFree(list);
    return arguments;
}

int SayInRunningRoom(const std::wstring& name, const std::wstring& text) {
    HWND room = FindWindowW(chatroom::kRoomClassName, nullptr);
    if (room == nullptr) {
        return kExitNoRoom;
    }
    std::wstring payload = chatroom::MakeSayPayload(name, text);
    COPYDATASTRUCT data = {.dwData = chatroom::kSayAsCopyDataCode,
                           .cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t)),
                           .lpData = payload.data()};
    DWORD_PTR accepted = FALSE;
    const LRESULT answered =
        SendMessageTimeoutW(room, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG | SMTO_BLOCK, kSayTimeoutMilliseconds, &accepted);
    return answered != 0 && accepted == TRUE ? 0 : kExitNoRoom;
}

int RunRoom(const chatroom::RoomOptions& options, HINSTANCE instance, int show) {
    chatroom::RoomWindow room(options);
    if (!room.Create(instance, show)) {
        return kExitNoWindow;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        chatroom::NoteDispatchedMessage(&message);
        DispatchMessageW(&message);
        chatroom::NoteDispatchedMessage(nullptr);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    orv::win32::InstallCrashReport(
        {.fileStem = L"chatroom", .program = "Stand-in chat room", .version = "2.1"});
    const std::optional<chatroom::RoomOptions> options =
        chatroom::ParseRoomOptions(ArgumentsAfterProgramName());
    if (!options) {
        return kExitBadCommandLine;
    }
    if (options->sayName) {
        return SayInRunningRoom(*options->sayName, options->sayText);
    }
    return RunRoom(*options, instance, show);
}
