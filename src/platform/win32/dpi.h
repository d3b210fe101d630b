#pragma once
// Dots per inch of a window and the fonts and sizes that follow from it.
#include <windows.h>

#include "platform/layout.h"
#include "platform/win32/unique_handles.h"

namespace orv::win32 {

// The DPI of the monitor the window is on (96 for a window that is not DPI aware).
int WindowDpi(HWND window);
// The DPI used before a top-level window exists.
int SystemDpi();

// The font of the spec at the DPI; an empty face means the system's dialog (message box) font.
UniqueFont CreateFontForDpi(const FontSpec& font, int dpi);

// The outer size of a window whose client area is clientWidth x clientHeight pixels.
SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace orv::win32
