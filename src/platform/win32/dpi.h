#pragma once
// Dots per inch of a window and the fonts and sizes that follow from it. Each function uses the DPI functions
// of the Windows it runs on, and the older ways where that Windows (7, 8, 8.1) lacks them.
#include <windows.h>

#include "platform/layout.h"
#include "platform/win32/dpi_functions.h"
#include "platform/win32/unique_handles.h"

namespace orv::win32 {

// Asks for per-monitor DPI awareness (Windows 8.1 and later), or system DPI awareness on Windows 7 and 8.
void BecomeDpiAware(const DpiFunctions& functions = DpiFunctions::OfThisWindows());

// The DPI of the monitor the window is on (96 for a window that is not DPI aware).
int WindowDpi(HWND window, const DpiFunctions& functions = DpiFunctions::OfThisWindows());
// The DPI used before a top-level window exists.
int SystemDpi(const DpiFunctions& functions = DpiFunctions::OfThisWindows());

// The font of the layout at the DPI; an empty face means the system's dialog font (MS Shell Dlg), and no size
// 8 pt.
UniqueFont CreateFontForDpi(const FontSpec& font, int dpi);

// The outer size of a window whose client area is clientWidth x clientHeight pixels.
SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi,
                         const DpiFunctions& functions = DpiFunctions::OfThisWindows());

}  // namespace orv::win32
