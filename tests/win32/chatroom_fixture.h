#pragma once
// Starts the stand-in chat room (chatroom.exe beside the test program's build folder) for one test and ends
// it in TearDown, and reaches into its window tree the way the messenger's tree is reached.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chatroom/chatroom_protocol.h"
#include "crash_guard/crash_guard.h"

namespace orv::testing {

// <folder of this test program>\..\tools\chatroom\chatroom.exe
inline std::wstring ChatRoomProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"..\\tools\\chatroom\\chatroom.exe";
}

// Starts chatroom.exe with the arguments, in a folder of the guard's own; false when it cannot be started.
inline bool StartChatRoomProcess(const std::wstring& arguments, PROCESS_INFORMATION& process,
                                 CrashGuard& guard) {
    return guard.Start(ChatRoomProgramPath(), arguments, L"", process);
}

// Runs chatroom.exe with the arguments to its end (at most 30 s) and returns its exit code; ~0u when it could
// not be started or did not end. A crash of it fails the test.
inline DWORD RunChatRoomCommand(const std::wstring& arguments) {
    CrashGuard guard;
    PROCESS_INFORMATION process = {};
    if (!StartChatRoomProcess(arguments, process, guard)) {
        return ~0u;
    }
    DWORD exitCode = ~0u;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    guard.EndAndCheck(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

struct RoomSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

inline BOOL CALLBACK TakeRoomOfProcess(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<RoomSearch*>(lParam);
    wchar_t className[64] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    GetClassNameW(window, className, 64);
    if (owner == search.processId && lstrcmpiW(className, chatroom::kRoomClassName) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The top-level room window that the process owns, or 0.
inline HWND FindRoomOfProcess(DWORD processId) {
    RoomSearch search{.processId = processId};
    EnumWindows(TakeRoomOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline std::wstring CaptionOf(HWND window) {
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    return caption;
}

// Polls until the condition holds or the time is up (generous: Wine under a virtual display can be slow).
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 20000) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

// The line time that rooms started with kFixedTimeOption write.
inline constexpr char kFixedTime[] = "8:15:02 PM";
inline constexpr wchar_t kFixedTimeOption[] = L"--fixed-time \"8:15:02 PM\"";

class ChatRoomTest : public ::testing::Test {
  protected:
    // Starts a room and waits until its window is up and answers; a --stall room: until it has stalled.
    // Returns 0 (and records a failure) when that does not happen.
    HWND StartRoom(const std::wstring& arguments = kFixedTimeOption) {
        if (!StartChatRoomProcess(arguments, process_, roomGuard_)) {
            ADD_FAILURE() << "chatroom.exe did not start from "
                          << ::testing::PrintToString(ChatRoomProgramPath());
            return nullptr;
        }
        if (!WaitUntil([&] { return (room_ = FindRoomOfProcess(process_.dwProcessId)) != nullptr; })) {
            ADD_FAILURE() << "the room window did not appear";
            return nullptr;
        }
        const bool stalls = arguments.find(L"--stall") != std::wstring::npos;
        const bool ready = stalls ? WaitUntil([&] {
            return CaptionOf(room_).find(chatroom::kStalledCaptionSuffix) != std::wstring::npos;
        })
                                  : WaitUntil([&] {
                                        DWORD_PTR ignored = 0;
                                        return SendMessageTimeoutW(room_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                                                   1000, &ignored) != 0;
                                    });
        if (!ready) {
            ADD_FAILURE() << "the room did not become ready";
            return nullptr;
        }
        return room_;
    }

    // True when the room's process ends within the time.
    bool RoomProcessEnds(DWORD milliseconds = 20000) {
        return process_.hProcess != nullptr &&
               WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

    // " --timeline FILE" for the next room, with a fresh file in the temp folder that TearDown deletes.
    std::wstring TimelineOption() {
        DeleteTimeline();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        timelinePath_ = std::wstring(temp) + L"orvjubo-timeline-" + std::to_wstring(GetCurrentProcessId()) +
                        L"-" + std::to_wstring(++timelineCount_) + L".txt";
        return L" --timeline \"" + timelinePath_ + L"\"";
    }

    // The lines the room has written to its timeline so far.
    std::vector<std::string> Timeline() const {
        std::vector<std::string> lines;
        HANDLE file = CreateFileW(timelinePath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return lines;
        }
        std::string bytes(static_cast<std::size_t>(GetFileSize(file, nullptr)), '\0');
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        for (std::size_t start = 0, end = 0; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(bytes.substr(start, end - start));
        }
        return lines;
    }

    void TearDown() override {
        EndRoom();
        DeleteTimeline();
    }

    PROCESS_INFORMATION process_ = {};
    HWND room_ = nullptr;

  private:
    void DeleteTimeline() {
        if (!timelinePath_.empty()) {
            DeleteFileW(timelinePath_.c_str());
            timelinePath_.clear();
        }
    }

    void EndRoom() {
        if (process_.hProcess == nullptr) {
            return;
        }
        roomGuard_.EndAndCheck(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
        // The next test must not meet this room's window while it goes away.
        WaitUntil([] { return FindWindowW(chatroom::kRoomClassName, nullptr) == nullptr; }, 10000);
    }

    CrashGuard roomGuard_;
    std::wstring timelinePath_;
    unsigned timelineCount_ = 0;
};

}  // namespace orv::testing
