#pragma once
// Pictures of windows as they are on the screen, for the tests that look at colours and for people who look
// at the pictures: a capture of a window's client area as 0x00RRGGBB pixels, written as a .bmp file into the
// folder named by ORVJUBO_SCREENS_DIR when that is set.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace screens {

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top

    bool Empty() const { return pixels.empty(); }
    // 0xFFFFFFFF outside the picture.
    std::uint32_t At(int x, int y) const;
};

// What the screen shows of the window's client area, copied from its device context (so with its controls);
// empty when the window is gone or cannot be read. Without a window manager Wine draws no frames, so the
// frame is left out.
Screenshot CaptureWindow(HWND window);
// What the screen shows in the rectangle (screen coordinates).
Screenshot CaptureScreen(const RECT& area);

// The folder from ORVJUBO_SCREENS_DIR; empty when unset or empty (then nothing is written).
std::wstring ScreensFolder();
// Writes the picture as a 32-bit .bmp file.
bool WriteBmp(const Screenshot& picture, const std::wstring& path);
// Writes the picture as "<name>.bmp" into ScreensFolder(); true when written or when no folder is set.
bool SaveScreenshot(const Screenshot& picture, const std::wstring& name);

// A window's dots per inch (the system's where the window's own cannot be asked).
int DpiOf(HWND window);
int TwipsToPixels(int twips, int dpi);

}  // namespace screens
