#pragma once
// cSysTray1 on the shell's notification area: a hidden top-level window of its own receives the icon's
// mouse messages and the "TaskbarCreated" broadcast (a message-only window would not get broadcasts), upon
// which an icon that was up is put up again, since a restarted shell has forgotten it.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <string>

#include "platform/tray_icon.h"
#include "platform/win32/base_window.h"

namespace orv::win32 {

class Win32TrayIcon : public TrayIcon, private BaseWindow {
  public:
    // The message the icon sends its mouse events with.
    static constexpr UINT kCallbackMessage = WM_APP + 20;
    static constexpr UINT kIconId = 1;

    Win32TrayIcon(HICON icon, std::wstring tip);
    ~Win32TrayIcon() override;

    void SetInTray(bool intray) override;
    bool InTray() const override { return intray_; }

    // The window the shell knows the icon by.
    HWND Handle() const { return BaseWindow::Handle(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    NOTIFYICONDATAW IconData() const;
    void Add();
    void Delete();

    HICON icon_;
    std::wstring tip_;
    UINT taskbarCreated_;
    bool intray_ = false;
};

}  // namespace orv::win32
