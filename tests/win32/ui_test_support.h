#pragma once
// Helpers for tests that drive real windows: wait for a window from another thread, pump this thread's
// messages until something has happened, read window texts and classes.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace orv::win32::testing {

// Generous: a loaded test machine may be slow.
constexpr auto kPatience = std::chrono::seconds(20);

inline std::wstring TextOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

inline std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

// Polls for a shown top-level window with the title (from any thread), as a person would see it: a window
// that is still being built is not shown yet. nullptr when none came.
inline HWND WaitForWindow(const std::wstring& title) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND window = FindWindowW(nullptr, title.c_str());
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// Runs this thread's message loop until the condition holds; false when it never did.
inline bool PumpUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Lets the reader look at what the window paints in its client area (WM_PRINTCLIENT) into a bitmap.
inline void ReadPainted(HWND window, const std::function<void(HDC dc, const RECT& client)>& read) {
    RECT client{};
    GetClientRect(window, &client);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    read(dc, client);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

// The colour of one pixel of what the window paints in its client area.
inline COLORREF PaintedPixel(HWND window, int x, int y) {
    COLORREF pixel = CLR_INVALID;
    ReadPainted(window, [&](HDC dc, const RECT&) { pixel = GetPixel(dc, x, y); });
    return pixel;
}

// How many pixels of what the window paints in its client area have exactly this colour.
inline int PaintedPixelsOfColour(HWND window, COLORREF colour) {
    int count = 0;
    ReadPainted(window, [&](HDC dc, const RECT& client) {
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                count += GetPixel(dc, x, y) == colour ? 1 : 0;
            }
        }
    });
    return count;
}

// The direct children of a window, top of the z-order first.
inline std::vector<HWND> ChildrenInZOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

inline HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text) {
    for (HWND child : ChildrenInZOrder(parent)) {
        if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 && TextOf(child) == text) {
            return child;
        }
    }
    return nullptr;
}

// The rectangle of a child window in its parent's client coordinates.
inline RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline BOOL CALLBACK PostCloseTo(HWND window, LPARAM) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Closes every top-level window of the thread: the way out when a test's helper thread never found its
// window.
inline void CloseWindowsOfThread(DWORD threadId) {
    EnumThreadWindows(threadId, &PostCloseTo, 0);
}

}  // namespace orv::win32::testing
