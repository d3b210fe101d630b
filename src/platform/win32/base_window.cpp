#include "platform/win32/base_window.h"

#include "platform/exception_barrier.h"

namespace orv::win32 {

namespace {

void RegisterClassOnce(const WindowCreation& creation, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{.cbSize = sizeof(WNDCLASSEXW)};
    if (GetClassInfoExW(instance, creation.className.c_str(), &existing)) {
        return;
    }
    const WNDCLASSEXW windowClass{
        .cbSize = sizeof(WNDCLASSEXW),
        .lpfnWndProc = procedure,
        .hInstance = instance,
        .hIcon = creation.icon,
        .hCursor = creation.cursor ? creation.cursor : LoadCursorW(nullptr, IDC_ARROW),
        .hbrBackground = nullptr,  // every window paints its own background
        .lpszClassName = creation.className.c_str(),
        .hIconSm = creation.icon,
    };
    RegisterClassExW(&windowClass);
}

}  // namespace

BaseWindow::~BaseWindow() {
    DestroyBaseWindow();
}

HWND BaseWindow::CreateBaseWindow(const WindowCreation& creation) {
    RegisterClassOnce(creation, &BaseWindow::WindowProcedure);
    return CreateWindowExW(
        creation.exStyle, creation.className.c_str(), creation.title.c_str(), creation.style, creation.x,
        creation.y, creation.width, creation.height, creation.parent,
        (creation.style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.controlId))
                                         : nullptr,
        GetModuleHandleW(nullptr), this);
}

void BaseWindow::DestroyBaseWindow() {
    if (hwnd_ == nullptr) {
        return;
    }
    // Detach first: a derived object may already be gone when this runs from the destructor.
    const HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

LRESULT BaseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT BaseWindow::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK BaseWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    BaseWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<BaseWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    LRESULT result = 0;
    if (!RunBehindBarrier([&] { result = self->HandleMessage(message, wParam, lParam); })) {
        // An abandoned creation fails the window rather than leaving a half-made object behind it.
        result = message == WM_NCCREATE ? FALSE : message == WM_CREATE ? -1 : 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace orv::win32
