#include "platform/win32/form_window.h"

#include "platform/win32/dpi.h"

namespace orv::win32 {

DWORD FormExStyle(const WindowSpec& layout) {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (layout.border == BorderStyle::FixedToolWindow) {
        exStyle |= WS_EX_TOOLWINDOW;
    }
    if (layout.taskbarButton) {
        exStyle |= WS_EX_APPWINDOW;
    }
    return exStyle;
}

bool FormWindow::Create(const WindowSpec& layout, const FormCreation& creation) {
    spec_ = layout;
    exStyle_ = FormExStyle(layout);
    const int dpi = SystemDpi();
    const SIZE size = WindowSizeForClient(TwipsToPixels(layout.clientWidth, dpi),
                                          TwipsToPixels(layout.clientHeight, dpi), kFormStyle, exStyle_, dpi);
    const std::wstring className(layout.name.begin(), layout.name.end());
    const HWND hwnd = CreateBaseWindow({
        .className = L"OrvJubo." + className,
        .title = layout.caption,
        .style = kFormStyle,
        .exStyle = exStyle_,
        .width = size.cx,
        .height = size.cy,
        .parent = creation.owner,
        .icon = creation.icon,
    });
    if (hwnd == nullptr) {
        return false;
    }
    // The window may have landed on a monitor of another DPI than the system's.
    const int windowDpi = WindowDpi(hwnd);
    if (windowDpi != dpi) {
        ResizeForDpi(windowDpi, nullptr);
    }
    controls_.Build(hwnd, spec_);
    if (creation.visible) {
        Show();
    }
    return true;
}

void FormWindow::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void FormWindow::BringToFront() {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Takes the keyboard from the other programs too when ours is the foreground program already (a menu
    // of ours was just used); otherwise Windows flashes the taskbar button instead.
    SetForegroundWindow(Handle());
}

void FormWindow::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void FormWindow::ResizeForDpi(int dpi, const RECT* suggested) {
    const SIZE size = WindowSizeForClient(TwipsToPixels(spec_.clientWidth, dpi),
                                          TwipsToPixels(spec_.clientHeight, dpi), kFormStyle, exStyle_, dpi);
    if (suggested != nullptr) {
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A frame drawn at another DPI than the one asked for (Wine keeps the system's) leaves the client area
    // off by the difference: correct it by what was measured.
    RECT client{};
    GetClientRect(Handle(), &client);
    const int missingWidth = TwipsToPixels(spec_.clientWidth, dpi) - client.right;
    const int missingHeight = TwipsToPixels(spec_.clientHeight, dpi) - client.bottom;
    if (missingWidth != 0 || missingHeight != 0) {
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx + missingWidth, size.cy + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (onUnload) {
                onUnload();
            }
            DestroyWindow(Handle());
            return 0;
        case WM_ENDSESSION:
            // Not the close box: a window without its own session-end handling keeps its state for the main
            // window's, whichever of them hears of the end first.
            if (wParam != FALSE && onSessionEnd) {
                onSessionEnd();
            }
            return 0;
        case WM_DESTROY:
            if (onTerminate) {
                onTerminate();
            }
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, controls_.WindowBackground());
            return 1;
        }
        case WM_PRINTCLIENT:
            if ((lParam & PRF_ERASEBKGND) != 0) {
                RECT client{};
                GetClientRect(Handle(), &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, controls_.WindowBackground());
            }
            controls_.PaintLines(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(Handle(), &paint);
            controls_.PaintLines(dc);
            EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            if (controls_.IsTransparent(reinterpret_cast<HWND>(lParam))) {
                PaintBackgroundUnder(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
            }
            [[fallthrough]];
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush =
                    controls_.ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_COMMAND:
            // Escape comes from the dialog navigation as IDCANCEL without a control: it closes a window
            // without a taskbar button (an auxiliary one) as its close box does; the main window stays.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0 && !spec_.taskbarButton) {
                SendMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                return 0;
            }
            if (controls_.HandleCommand(wParam, lParam)) {
                return 0;
            }
            break;
        case WM_DRAWITEM:
            if (controls_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            break;
        case WM_DPICHANGED:
            ResizeForDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            controls_.ApplyDpi(HIWORD(wParam));
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void FormWindow::PaintBackgroundUnder(HWND child, HDC childDc) {
    // The child's device context, shifted so that the window's client area lines up with it: the window
    // paints its background (picture and lines included) there, clipped to the child.
    POINT origin{};
    MapWindowPoints(child, Handle(), &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(childDc, -origin.x, -origin.y, &previous);
    SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(childDc), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(childDc, previous.x, previous.y, nullptr);
}

}  // namespace orv::win32
