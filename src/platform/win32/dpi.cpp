#include "platform/win32/dpi.h"

#include <cmath>
#include <cwchar>

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

UniqueFont CreateFontForDpi(const FontSpec& font, int dpi, const DpiFunctions& functions) {
    NONCLIENTMETRICSW metrics{.cbSize = sizeof(NONCLIENTMETRICSW)};
    LOGFONTW logFont{};
    if (functions.systemParametersInfoForDpi != nullptr &&
        functions.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                             static_cast<UINT>(dpi))) {
        logFont = metrics.lfMessageFont;
    } else if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Older Windows gives the font at the system's DPI.
        const int systemDpi = SystemDpi(functions);
        logFont = metrics.lfMessageFont;
        logFont.lfHeight = MulDiv(logFont.lfHeight, dpi, systemDpi);
        logFont.lfWidth = MulDiv(logFont.lfWidth, dpi, systemDpi);
    } else {
        logFont.lfHeight = -MulDiv(8, dpi, 72);
        logFont.lfCharSet = DEFAULT_CHARSET;
        wcsncpy(logFont.lfFaceName, L"MS Shell Dlg", LF_FACESIZE - 1);
    }
    if (!font.face.empty()) {
        wcsncpy(logFont.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
        logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
        logFont.lfCharSet = DEFAULT_CHARSET;
    }
    if (font.points > 0) {
        logFont.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
        logFont.lfWidth = 0;
    }
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
