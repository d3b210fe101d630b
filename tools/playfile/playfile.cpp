// playfile PATH: opens PATH with the program's media engine (inside its MediaPlayer1 panel, on a hidden
// window), plays it to its end and exits. Exit code 0 when the song played to its end, 2 when it did not
// open, 3 when no end came in time, 1 on a usage error.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "platform/win32/media_player_panel.h"

namespace {

// Dispatches messages until the flag is set or the deadline passes.
bool PumpUntil(const bool& flag, ULONGLONG deadline) {
    while (!flag) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

int PlayToEnd(const wchar_t* path) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"playfile", WS_POPUP, 0, 0, 400, 80, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    auto panel = std::make_unique<orv::MediaPlayerPanel>(owner, RECT{0, 0, 393, 73}, 1);
    orv::DirectShowEngine& engine = panel->Engine();
    bool ended = false;
    engine.onEndOfStream = [&](std::int32_t) { ended = true; };

    engine.SetFileName(path);
    if (!engine.HasOpenFile()) {
        std::fwprintf(stderr, L"playfile: cannot open %ls\n", path);
        return 2;
    }
    const double duration = engine.DurationSeconds();
    engine.Play();
    std::wprintf(L"playing %ls (%.2f s)\n", path, duration);
    if (!PumpUntil(ended, GetTickCount64() + static_cast<ULONGLONG>(duration * 1000) + 30000)) {
        std::fwprintf(stderr, L"playfile: no end of stream\n");
        return 3;
    }
    // The sound device still holds the last fraction of a second when the graph reports its end.
    bool never = false;
    PumpUntil(never, GetTickCount64() + 500);
    std::wprintf(L"end of stream\n");
    panel.reset();
    DestroyWindow(owner);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: playfile PATH\n");
        return 1;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    int result = 1;
    try {
        result = PlayToEnd(argv[1]);
    } catch (...) {
        std::fwprintf(stderr, L"playfile: failed\n");
    }
    CoUninitialize();
    return result;
}
