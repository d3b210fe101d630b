// A program of the tests only, never shipped: it shows a window, closes it and ends its message loop the way
// the product's programs do, and then, when asked, crashes in a static destructor, after its entry point has
// returned. The crash guard's own test runs it.
//   crash_at_exit.exe [--crash] [--without-report]
//     --crash            writes through a null pointer at exit
//     --without-report   installs no crash report first, so that only the system sees the crash
#include <windows.h>

#include <cwchar>

#include "platform/win32/crash_report.h"

namespace {

bool crashAtExit = false;

struct CrashesAtExit {
    ~CrashesAtExit() {
        if (crashAtExit) {
            // Read through a volatile pointer, so that the compiler cannot turn the write into a trap of its
            // own.
            volatile int* volatile target = nullptr;
            *target = 1;
        }
    }
};
CrashesAtExit crashesAtExit;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Has(const wchar_t* option) {
    return std::wcsstr(GetCommandLineW(), option) != nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    if (!Has(L"--without-report")) {
        orv::win32::InstallCrashReport(
            {.fileStem = L"crash_at_exit", .program = "Crash-at-exit test program", .version = "2.1"});
    }
    crashAtExit = Has(L"--crash");

    const WNDCLASSW windowClass{
        .lpfnWndProc = WindowProcedure, .hInstance = instance, .lpszClassName = L"CrashAtExit"};
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowW(L"CrashAtExit", L"Crash at exit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                      CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 3;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
