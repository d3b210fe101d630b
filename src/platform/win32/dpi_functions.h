#pragma once
// The DPI functions of Windows 8.1 and 10, found at run time: a program that imported them would not even
// start on Windows 7 or 8. Each is null where this Windows lacks it, and the DPI code falls back on the older
// ways. The types are spelt out here, so that the declarations of the newer Windows headers are not needed.
#include <windows.h>

namespace orv::win32 {

struct DpiFunctions {
    // user32 of Windows 10.
    UINT(WINAPI* getDpiForWindow)(HWND window) = nullptr;
    UINT(WINAPI* getDpiForSystem)() = nullptr;
    BOOL(WINAPI* adjustWindowRectExForDpi)
    (RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT dpi) = nullptr;
    // The context is a DPI_AWARENESS_CONTEXT, a handle.
    BOOL(WINAPI* setProcessDpiAwarenessContext)(HANDLE context) = nullptr;
    // shcore of Windows 8.1 (Windows 7 and 8 have no shcore.dll). Both enumerations are passed as int.
    HRESULT(WINAPI* setProcessDpiAwareness)(int awareness) = nullptr;
    HRESULT(WINAPI* getDpiForMonitor)(HMONITOR monitor, int dpiType, UINT* dpiX, UINT* dpiY) = nullptr;

    // Those of the Windows the program runs on, looked up on first use.
    static const DpiFunctions& OfThisWindows();
};

// The values of the newer headers' constants that the program passes to the functions above.
inline const HANDLE kDpiAwarenessContextPerMonitorAwareV2 =
    reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kProcessPerMonitorDpiAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE
constexpr int kMonitorEffectiveDpi = 0;        // MDT_EFFECTIVE_DPI

}  // namespace orv::win32
