#pragma once
// A top-level window made from layout data: caption, border, client size in twips at the real DPI, background
// colour, and its controls. It paints its background and lines, colours its controls, follows DPI changes and
// routes control commands. The unload and terminate events are callbacks.
#include <windows.h>

#include <functional>

#include "platform/layout.h"
#include "platform/win32/base_window.h"
#include "platform/win32/form_controls.h"

namespace orv::win32 {

struct FormCreation {
    HWND owner = nullptr;
    HICON icon = nullptr;
    bool visible = false;
};

class FormWindow : public BaseWindow {
  public:
    // Creates the window at the system's default position and builds its controls. Returns false on failure.
    bool Create(const WindowSpec& layout, const FormCreation& creation = {});

    FormControls& Controls() { return controls_; }
    const FormControls& Controls() const { return controls_; }
    HWND Control(std::string_view name) const { return controls_.Find(name); }
    void Show();
    void BringToFront();
    void Hide();
    void Destroy() { DestroyBaseWindow(); }

    // The window is being closed (close box, system menu, Alt+F4). When unset, or when it returns, the window
    // is destroyed.
    std::function<void()> onUnload;
    // The session is ending (WM_ENDSESSION). The window stays as it is; when unset nothing happens.
    std::function<void()> onSessionEnd;
    // The window is being destroyed.
    std::function<void()> onTerminate;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ResizeForDpi(int dpi, const RECT* suggested);
    // A transparent control shows what the window paints under it.
    void PaintBackgroundUnder(HWND child, HDC childDc);

    WindowSpec spec_;
    DWORD exStyle_ = 0;
    FormControls controls_;
};

// The window style of every form: both border kinds are fixed, a caption with the system menu and close box,
// no sizing, no minimise or maximise box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// The extended window style that tells the border kinds apart (a tool window), with the taskbar button.
DWORD FormExStyle(const WindowSpec& layout);

}  // namespace orv::win32
