#include "platform/win32/dpi.h"

#include <cmath>
#include <cwchar>

namespace orv::win32 {

int WindowDpi(HWND window) {
    const UINT dpi = GetDpiForWindow(window);
    return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int SystemDpi() {
    const UINT dpi = GetDpiForSystem();
    return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UniqueFont CreateFontForDpi(const FontSpec& font, int dpi) {
    NONCLIENTMETRICSW metrics{.cbSize = sizeof(NONCLIENTMETRICSW)};
    LOGFONTW logFont{};
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        logFont = metrics.lfMessageFont;
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

SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, clientWidth, clientHeight};
    if (!AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace orv::win32
