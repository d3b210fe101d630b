// What one tick of the chat scanner costs against the stand-in chat room, next to the one thing a tick cannot
// avoid: reading the whole history pane once (WM_GETTEXTLENGTH and WM_GETTEXT, sent to the other process).
// Histories of 10 KB, 100 KB and 1 MB end with a red line, so every tick passes the gate and reports it.
//   scanner_tick_bench.exe [--seconds S]   (S: measuring time per history size, default 2)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "aim/chat_scanner.h"
#include "chatroom/chatroom_protocol.h"
#include "report_row.h"
#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_ui_timer.h"

namespace {

constexpr double kGoalRatio = 1.2;
constexpr DWORD kRoomStartMilliseconds = 30000;
constexpr UINT kAnswerMilliseconds = 10000;

// <folder of this program>\..\tools\chatroom\chatroom.exe
std::wstring ChatRoomProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"..\\tools\\chatroom\\chatroom.exe";
}

// The room process for the whole run; ended when the benchmark ends.
class RoomProcess {
  public:
    RoomProcess() = default;
    RoomProcess(const RoomProcess&) = delete;
    RoomProcess& operator=(const RoomProcess&) = delete;
    ~RoomProcess() {
        if (process_.hProcess == nullptr) {
            return;
        }
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // Starts the room and waits until its window answers; returns the window, or nullptr.
    HWND Start() {
        const std::wstring program = ChatRoomProgramPath();
        std::wstring commandLine = L"\"" + program + L"\" --fixed-time \"8:15:02 PM\"";
        STARTUPINFOW startup = {.cb = sizeof startup};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            return nullptr;
        }
        const ULONGLONG end = GetTickCount64() + kRoomStartMilliseconds;
        while (GetTickCount64() < end) {
            HWND room = FindWindowA("aim_chatwnd", nullptr);
            DWORD_PTR ignored = 0;
            if (room != nullptr &&
                SendMessageTimeoutW(room, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored) != 0) {
                return room;
            }
            Sleep(50);
        }
        return nullptr;
    }

  private:
    PROCESS_INFORMATION process_ = {};
};

HWND HistoryPaneOf(HWND room) {
    HWND holder = FindWindowExA(room, nullptr, "wndate32class", nullptr);
    return holder != nullptr ? FindWindowExA(holder, nullptr, "ate32class", nullptr) : nullptr;
}

// A conversation of about the given size, as the room writes it, with a red line last.
std::string History(std::size_t bytes) {
    const std::string blue =
        "<BR><!-- (8:15:01 PM) --><FONT COLOR=\"#0000ff\"><B>Me</B></FONT>: just talking about songs";
    const std::string red = "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next";
    const std::string end = "</HTML>";
    std::string history = "<HTML>";
    history.reserve(bytes);
    while (history.size() + blue.size() + red.size() + end.size() <= bytes) {
        history += blue;
    }
    return history + red + end;
}

// The bare read the tick is measured against.
std::size_t BareRead(HWND pane) {
    const auto length = static_cast<std::size_t>(SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0));
    std::string buffer(length + 1, '\0');
    SendMessageA(pane, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data()));
    return length;
}

double Now() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMicrosecond;
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double Fastest(const std::vector<double>& samples) {
    return *std::min_element(samples.begin(), samples.end());
}

// Medians, and the fastest of each kind: other programs on the machine can only slow a sample down, so the
// fastest samples show the costs least disturbed.
struct Figures {
    double bareMedian = 0;
    double tickMedian = 0;
    double bareFastest = 0;
    double tickFastest = 0;
    std::size_t samples = 0;
    bool everyTickReported = true;
};

// Bare reads and ticks taken in turns, so that both meet the same state of the machine.
Figures Measure(HWND pane, std::size_t expectedLength, double seconds) {
    orv::Win32ChatWindows windows;
    orv::win32::Win32CodePage codePage;
    orv::win32::Win32Files files;
    orv::win32::Win32UiTimer timer;  // never started: the ticks are driven here
    orv::Chat chat(windows, codePage, files);

    std::vector<double> bare;
    std::vector<double> ticks;
    Figures figures;
    const double end = Now() + seconds * 1e6;
    constexpr int kWarmUps = 3;
    constexpr std::size_t kLeastSamples = 25;
    for (int round = 0; round < kWarmUps || Now() < end || bare.size() < kLeastSamples; ++round) {
        // A fresh scanner each time, so that every tick finds the red line new and reports it.
        orv::tasp_aim_chat scanner(chat, timer);
        bool reported = false;
        scanner.aimchatscan = [&](orv::Text&, orv::Text&, orv::Text&) { reported = true; };
        std::size_t length = 0;
        double bareTime = 0;
        double tickTime = 0;
        auto measureBare = [&] {
            const double start = Now();
            length = BareRead(pane);
            bareTime = Now() - start;
        };
        auto measureTick = [&] {
            const double start = Now();
            scanner.Tick();
            tickTime = Now() - start;
        };
        // The two take turns at going first, so that neither always meets the room just after the other.
        round % 2 == 0 ? measureBare() : measureTick();
        round % 2 == 0 ? measureTick() : measureBare();

        if (round < kWarmUps) {
            continue;
        }
        figures.everyTickReported = figures.everyTickReported && reported && length == expectedLength;
        bare.push_back(bareTime);
        ticks.push_back(tickTime);
    }
    figures.bareMedian = Median(bare);
    figures.tickMedian = Median(ticks);
    figures.bareFastest = Fastest(bare);
    figures.tickFastest = Fastest(ticks);
    figures.samples = bare.size();
    return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    double seconds = 2;
    if (argc == 3 && std::wcscmp(argv[1], L"--seconds") == 0) {
        seconds = std::wcstod(argv[2], nullptr);
    }
    RoomProcess process;
    HWND room = process.Start();
    HWND pane = room != nullptr ? HistoryPaneOf(room) : nullptr;
    if (pane == nullptr) {
        std::fprintf(stderr, "the stand-in chat room did not start (%ls)\n", ChatRoomProgramPath().c_str());
        return 1;
    }

    std::printf("%-9s %13s %13s %7s   %13s %13s %7s %8s\n", "history", "median: read", "tick", "ratio",
                "fastest: read", "tick", "ratio", "samples");
    bool allWithinGoal = true;
    for (const std::size_t size : {10'000u, 100'000u, 1'000'000u}) {
        const std::string history = History(size);
        SendMessageA(pane, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(history.c_str()));
        // Let the room finish showing the new conversation before measuring.
        DWORD_PTR ignored = 0;
        Sleep(500);
        SendMessageTimeoutW(room, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored);

        const Figures figures = Measure(pane, history.size(), seconds);
        if (!figures.everyTickReported) {
            std::fprintf(stderr, "a tick did not see the whole %zu-byte history or did not report its line\n",
                         history.size());
            return 1;
        }
        const double ratio = figures.tickMedian / figures.bareMedian;
        allWithinGoal = allWithinGoal && ratio <= kGoalRatio;
        std::printf("%-9zu %13.1f %13.1f %7.3f   %13.1f %13.1f %7.3f %8zu\n", history.size(),
                    figures.bareMedian, figures.tickMedian, ratio, figures.bareFastest, figures.tickFastest,
                    figures.tickFastest / figures.bareFastest, figures.samples);
        char what[64], figure[32], bare[32], goal[32];
        std::snprintf(what, sizeof what, "scanner tick, %zu KB of history", size / 1000);
        std::snprintf(figure, sizeof figure, "%.2f ms", figures.tickMedian / 1000);
        std::snprintf(bare, sizeof bare, "%.2f ms (one bare read)", figures.bareMedian / 1000);
        std::snprintf(goal, sizeof goal, "<= %.1f x baseline", kGoalRatio);
        orv::bench::PrintReportRow(what, figure, bare, ratio, goal, ratio <= kGoalRatio);
    }
    std::printf("times in microseconds; goal: a tick costs at most %.1f bare reads (medians): %s\n",
                kGoalRatio, allWithinGoal ? "met" : "NOT met");
    return 0;
}
