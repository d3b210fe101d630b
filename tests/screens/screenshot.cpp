#include "screens/screenshot.h"

#include <filesystem>
#include <fstream>

namespace screens {

namespace {

// Copies the rectangle of the device context into a 32-bit top-down DIB.
Screenshot CopyFrom(HDC source, int left, int top, int width, int height) {
    Screenshot picture;
    if (source == nullptr || width <= 0 || height <= 0) {
        return picture;
    }
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{.biSize = sizeof(BITMAPINFOHEADER),
                                      .biWidth = width,
                                      .biHeight = -height,
                                      .biPlanes = 1,
                                      .biBitCount = 32,
                                      .biCompression = BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC memory = CreateCompatibleDC(source);
    if (bitmap != nullptr && memory != nullptr) {
        const HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY)) {
            GdiFlush();
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            picture.width = width;
            picture.height = height;
            picture.pixels.reserve(static_cast<std::size_t>(width) * height);
            for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
                picture.pixels.push_back(pixels[i] & 0x00FFFFFFu);
            }
        }
        SelectObject(memory, old);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    return picture;
}

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::uint32_t Screenshot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0xFFFFFFFFu;
    }
    return pixels[static_cast<std::size_t>(y) * width + x];
}

Screenshot CaptureWindow(HWND window) {
    RECT client{};
    if (!IsWindow(window) || !GetClientRect(window, &client)) {
        return {};
    }
    const HDC dc = GetDC(window);
    Screenshot picture = CopyFrom(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, dc);
    return picture;
}

Screenshot CaptureScreen(const RECT& area) {
    const HDC dc = GetDC(nullptr);
    Screenshot picture = CopyFrom(dc, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ReleaseDC(nullptr, dc);
    return picture;
}

std::wstring ScreensFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"ORVJUBO_SCREENS_DIR", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

bool WriteBmp(const Screenshot& picture, const std::wstring& path) {
    if (picture.Empty()) {
        return false;
    }
    constexpr std::uint32_t kHeaders = 14 + 40;
    const auto imageSize = static_cast<std::uint32_t>(picture.pixels.size() * 4);
    std::string bytes;
    bytes.reserve(kHeaders + imageSize);
    bytes += "BM";
    Put32(bytes, kHeaders + imageSize);
    Put32(bytes, 0);
    Put32(bytes, kHeaders);
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(picture.width));
    Put32(bytes, static_cast<std::uint32_t>(picture.height));  // rows from the bottom
    Put16(bytes, 1);
    Put16(bytes, 32);
    Put32(bytes, BI_RGB);
    Put32(bytes, imageSize);
    Put32(bytes, 3780);  // 96 DPI in pixels per metre
    Put32(bytes, 3780);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            Put32(bytes, picture.pixels[static_cast<std::size_t>(y) * picture.width + x]);
        }
    }
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool SaveScreenshot(const Screenshot& picture, const std::wstring& name) {
    const std::wstring folder = ScreensFolder();
    return folder.empty() || WriteBmp(picture, folder + L"\\" + name + L".bmp");
}

int DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

}  // namespace screens
