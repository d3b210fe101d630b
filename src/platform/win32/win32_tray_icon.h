#pragma once
// cSysTray1 on the shell's notification area: a hidden top-level window of its own receives the icon's
// mouse messages and the "TaskbarCreated" broadcast (a message-only window would not get broadcasts), upon
// which an icon that was up is put up again, since a restarted shell has forgotten it.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <functional>
#include <string>

#include "platform/tray_icon.h"
#include "platform/win32/base_window.h"

namespace orv::win32 {

class Win32TrayIcon : public TrayIcon, private BaseWindow {
  public:
    // The message the icon sends its mouse events with.
    static constexpr UINT kCallbackMessage = WM_APP + 20;
    static constexpr UINT kIconId = 1;
    // How the icon reaches the shell: Shell_NotifyIconW, or a stand-in for a shell that misbehaves.
    using ShellNotify = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;

    Win32TrayIcon(HICON icon, std::wstring tip, ShellNotify notify = &Shell_NotifyIconW);
    ~Win32TrayIcon() override;

    bool SetInTray(bool intray) override;
    bool InTray() const override { return intray_; }
    void WaitForShell(unsigned ms) override { Sleep(ms); }

    // The window the shell knows the icon by.
    HWND Handle() const { return BaseWindow::Handle(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    NOTIFYICONDATAW IconData() const;
    // True when the shell has the icon.
    bool Add();
    void Delete();

    HICON icon_;
    std::wstring tip_;
    ShellNotify notify_;
    UINT taskbarCreated_;
    bool intray_ = false;
};

}  // namespace orv::win32
