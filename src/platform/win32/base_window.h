#pragma once
// The base of every window of the program: the static window procedure finds the object through the
// window's user data (set at WM_NCCREATE from the creation parameters) and hands each message to one
// virtual HandleMessage, behind an exception barrier.
#include <windows.h>

#include <string>

namespace orv::win32 {

struct WindowCreation {
    std::wstring className;
    std::wstring title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;  // the owner of a top-level window, HWND_MESSAGE for a message-only window
    int controlId = 0;      // a child window's identifier (with WS_CHILD)
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;  // nullptr: the arrow
};

class BaseWindow {
  public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    // Destroys the window without routing its last messages to the half-destroyed object.
    virtual ~BaseWindow();

    HWND Handle() const { return hwnd_; }

  protected:
    // Registers the window class on first use and creates the window. Returns nullptr on failure.
    HWND CreateBaseWindow(const WindowCreation& creation);
    // Destroys the window now (no-op when there is none).
    void DestroyBaseWindow();

    // Every message of the window; the default is DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace orv::win32
