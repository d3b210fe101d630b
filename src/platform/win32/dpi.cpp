#include "platform/win32/dpi.h"

#include <cmath>
#include <cwchar>
#include <string>

namespace orv::win32 {
namespace {

int OrDefault(UINT dpi) {
    return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

// The screen's DPI as every window of a system-DPI-aware process sees it (Windows 7 and 8).
int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return USER_DEFAULT_SCREEN_DPI;
    }
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return OrDefault(static_cast<UINT>(dpi > 0 ? dpi : 0));
}

}  // namespace

void BecomeDpiAware(const DpiFunctions& functions) {
    // Only the newest way this Windows knows: once the manifest has set the awareness, every later call fails
    // and changes nothing.
    if (functions.setProcessDpiAwarenessContext != nullptr) {
        functions.setProcessDpiAwarenessContext(kDpiAwarenessContextPerMonitorAwareV2);
    } else if (functions.setProcessDpiAwareness != nullptr) {
        functions.setProcessDpiAwareness(kProcessPerMonitorDpiAware);
    } else {
        SetProcessDPIAware();
    }
}

int WindowDpi(HWND window, const DpiFunctions& functions) {
    if (functions.getDpiForWindow != nullptr) {
        return OrDefault(functions.getDpiForWindow(window));
    }
    if (functions.getDpiForMonitor != nullptr) {
        UINT dpiX = 0;
        UINT dpiY = 0;
        const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(functions.getDpiForMonitor(monitor, kMonitorEffectiveDpi, &dpiX, &dpiY))) {
            return OrDefault(dpiX);
        }
    }
    return ScreenDpi();
}

int SystemDpi(const DpiFunctions& functions) {
    if (functions.getDpiForSystem != nullptr) {
        return OrDefault(functions.getDpiForSystem());
    }
    return ScreenDpi();
}

UniqueFont CreateFontForDpi(const FontSpec& font, int dpi) {
    // A control without a font of its own has the system's dialog font at 8 pt, the font the windows'
    // layouts were drawn for: the larger message font of newer Windows does not fit their labels and boxes.
    const double points = font.points > 0 ? font.points : 8.0;
    const std::wstring& face = font.face.empty() ? L"MS Shell Dlg" : font.face;
    LOGFONTW logFont{};
    logFont.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.italic ? TRUE : FALSE;
    logFont.lfUnderline = font.underline ? TRUE : FALSE;
    return UniqueFont(CreateFontIndirectW(&logFont));
}

SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi,
                         const DpiFunctions& functions) {
    RECT rect{0, 0, clientWidth, clientHeight};
    // Without the Windows 10 function the frame has the system's DPI, which is also what Windows 7 to 8.1
    // draw: they do not scale the frame of a window on a monitor of another DPI.
    if (functions.adjustWindowRectExForDpi == nullptr ||
        !functions.adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace orv::win32
