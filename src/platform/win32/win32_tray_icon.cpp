#include "platform/win32/win32_tray_icon.h"

#include <cwchar>

namespace orv::win32 {

Win32TrayIcon::Win32TrayIcon(HICON icon, std::wstring tip, ShellNotify notify)
    : icon_(icon),
      tip_(std::move(tip)),
      notify_(std::move(notify)),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    CreateBaseWindow({.className = L"OrvJubo.cSysTray", .title = L"cSysTray1", .style = WS_POPUP});
}

Win32TrayIcon::~Win32TrayIcon() {
    if (intray_) {
        Delete();
    }
}

NOTIFYICONDATAW Win32TrayIcon::IconData() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = Handle();
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    wcsncpy_s(data.szTip, tip_.c_str(), _TRUNCATE);
    // The callback's lParam carries the mouse message in its low word; a right click comes as WM_CONTEXTMENU
    // (after a WM_RBUTTONUP, which is left alone so that one click opens one menu).
    data.uVersion = NOTIFYICON_VERSION_4;
    return data;
}

bool Win32TrayIcon::Add() {
    NOTIFYICONDATAW data = IconData();
    // A shell too busy to answer in time may have taken the icon all the same: it then changes it.
    const bool added = notify_(NIM_ADD, &data) != FALSE || notify_(NIM_MODIFY, &data) != FALSE;
    if (added) {
        notify_(NIM_SETVERSION, &data);
    }
    return added;
}

void Win32TrayIcon::Delete() {
    NOTIFYICONDATAW data = IconData();
    notify_(NIM_DELETE, &data);
}

bool Win32TrayIcon::SetInTray(bool intray) {
    if (intray == intray_) {
        return intray_;
    }
    if (intray) {
        intray_ = Add();
    } else {
        Delete();
        intray_ = false;
    }
    return intray_;
}

LRESULT Win32TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (intray_) {
            Add();
        }
        return 0;
    }
    if (message != kCallbackMessage) {
        return BaseWindow::HandleMessage(message, wParam, lParam);
    }
    // A handler may take the icon down or replace the handlers: each runs from a copy.
    switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
        case WM_CONTEXTMENU:
            if (const auto handler = onMouseUp) {
                handler(LOWORD(lParam) == WM_CONTEXTMENU ? MouseButton::Right : MouseButton::Left);
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (const auto handler = onDoubleClick) {
                handler();
            }
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace orv::win32
