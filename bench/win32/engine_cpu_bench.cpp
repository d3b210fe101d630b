// engine_cpu_bench PATH [SECONDS]: plays a song through MediaPlayer1 (engine and panel, on a hidden window)
// and prints
//  - open-to-playing latency: from the call of SetFileName to the first moment the graph's position has
//    advanced past zero after Play (opening, building the graph and starting it);
//  - the process's CPU time (user + kernel, GetProcessTimes) over SECONDS (default 10) of playing, as a share
//    of one core. Under Wine this counts the program with its decoding threads; wineserver and the sound
//    server run in other processes and are not counted;
//  - the same share with nothing open before (a fifth as long) and paused after (half as long).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/win32/media_player_panel.h"

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// User plus kernel time of this process, in seconds.
double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto toSeconds = [](const FILETIME& time) {
        ULARGE_INTEGER value;
        value.LowPart = time.dwLowDateTime;
        value.HighPart = time.dwHighDateTime;
        return static_cast<double>(value.QuadPart) / 1e7;
    };
    return toSeconds(kernel) + toSeconds(user);
}

void PumpFor(DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Opens and plays the song; prints the time to open and the time until the position advances.
bool OpenAndPlay(orv::DirectShowEngine& engine, const wchar_t* path, const wchar_t* which) {
    const LARGE_INTEGER openStart = Now();
    engine.SetFileName(path);
    if (!engine.HasOpenFile()) {
        std::fwprintf(stderr, L"engine_cpu_bench: cannot open %ls\n", path);
        return false;
    }
    const LARGE_INTEGER opened = Now();
    engine.Play();
    while (engine.PositionSeconds() <= 0 && Seconds(openStart, Now()) < 10) {
        PumpFor(1);
    }
    const LARGE_INTEGER advancing = Now();
    std::wprintf(L"%ls open: SetFileName %7.1f ms, to position advancing %7.1f ms\n", which,
                 1000 * Seconds(openStart, opened), 1000 * Seconds(openStart, advancing));
    return true;
}

int Run(const wchar_t* path, double seconds) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"engine_cpu_bench", WS_POPUP, 0, 0, 400, 80, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    auto panel = std::make_unique<orv::MediaPlayerPanel>(owner, RECT{0, 0, 393, 73}, 1);
    orv::DirectShowEngine& engine = panel->Engine();

    // The panel with nothing open: the floor under the figures below.
    const double idleCpuBefore = ProcessCpuSeconds();
    const LARGE_INTEGER idleStart = Now();
    PumpFor(static_cast<DWORD>(seconds * 200));
    const double idleCpu = ProcessCpuSeconds() - idleCpuBefore;
    const double idleWall = Seconds(idleStart, Now());
    std::wprintf(L"no file %.1f s, CPU %.3f s = %.2f %% of one core\n", idleWall, idleCpu,
                 100 * idleCpu / idleWall);

    if (!OpenAndPlay(engine, path, L"first")) {
        return 2;
    }

    const double cpuBefore = ProcessCpuSeconds();
    const LARGE_INTEGER playStart = Now();
    PumpFor(static_cast<DWORD>(seconds * 1000));
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    const double wall = Seconds(playStart, Now());
    std::wprintf(L"played %.1f s (position %.1f s of %.1f s), CPU %.3f s = %.2f %% of one core\n", wall,
                 engine.PositionSeconds(), engine.DurationSeconds(), cpu, 100 * cpu / wall);

    // The same while paused: what the open graph and Wine's sound path cost without decoding.
    engine.Pause();
    const double pausedCpuBefore = ProcessCpuSeconds();
    const LARGE_INTEGER pauseStart = Now();
    PumpFor(static_cast<DWORD>(seconds * 500));
    const double pausedCpu = ProcessCpuSeconds() - pausedCpuBefore;
    const double pausedWall = Seconds(pauseStart, Now());
    std::wprintf(L"paused %.1f s, CPU %.3f s = %.2f %% of one core\n", pausedWall, pausedCpu,
                 100 * pausedCpu / pausedWall);
    // The next file of a playlist: the decoder is loaded by now.
    OpenAndPlay(engine, path, L"next ");
    engine.Stop();
    panel.reset();
    DestroyWindow(owner);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: engine_cpu_bench PATH [SECONDS]\n");
        return 1;
    }
    const double seconds = argc > 2 ? _wtof(argv[2]) : 10.0;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    int result = 1;
    try {
        result = Run(argv[1], seconds);
    } catch (...) {
        std::fwprintf(stderr, L"engine_cpu_bench: failed\n");
    }
    CoUninitialize();
    return result;
}
