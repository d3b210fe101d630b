#include "platform/win32/win32_form.h"

#include <stdexcept>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/win32_form_controls.h"

namespace orv::win32 {

// The FormWindow with the picture under the controls.
class Win32Form::Host : public FormWindow {
  public:
    explicit Host(Win32Form& form) : form_(form) {}

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ERASEBKGND:
                form_.PaintBackground(reinterpret_cast<HDC>(wParam));
                return 1;
            case WM_PRINTCLIENT:
                if ((lParam & PRF_ERASEBKGND) != 0) {
                    form_.PaintBackground(reinterpret_cast<HDC>(wParam));
                }
                Controls().PaintLines(reinterpret_cast<HDC>(wParam));
                return 0;
            default:
                break;
        }
        return FormWindow::HandleMessage(message, wParam, lParam);
    }

  private:
    Win32Form& form_;
};

namespace {

// Menu item identifiers count from here, one per item that can be chosen, in the order of the menu data.
constexpr UINT kFirstMenuItemId = 1;

HMENU BuildMenu(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& choosable) {
    const HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : items) {
        if (!item.items.empty()) {
            AppendMenuW(menu, MF_STRING | MF_POPUP,
                        reinterpret_cast<UINT_PTR>(BuildMenu(item.items, choosable)), item.caption.c_str());
            continue;
        }
        choosable.push_back(&item);
        AppendMenuW(menu, MF_STRING, kFirstMenuItemId + choosable.size() - 1, item.caption.c_str());
    }
    return menu;
}

}  // namespace

Win32Form::Win32Form(const WindowSpec& layout, HICON icon)
    : name_(layout.name), host_(std::make_unique<Host>(*this)) {
    if (!host_->Create(layout, {.icon = icon})) {
        return;
    }
    host_->onUnload = [this] {
        if (onClose) {
            const auto handler = onClose;  // a copy: the handler may replace itself
            handler();
        }
    };
    host_->onSessionEnd = [this] {
        if (onSessionEnd) {
            const auto handler = onSessionEnd;
            handler();
        }
    };
    host_->onTerminate = [this] {
        if (onDestroy) {
            const auto handler = onDestroy;
            handler();
        }
    };
    for (const ControlSpec& control : layout.controls) {
        AddControl(control.name, MakeFormControl(*host_, control));
    }
}

Win32Form::~Win32Form() {
    RemoveControls();
    host_->onUnload = nullptr;
    host_->onSessionEnd = nullptr;
    host_->onTerminate = nullptr;
    host_.reset();
}

FormWindow& Win32Form::Window() {
    return *host_;
}

const FormWindow& Win32Form::Window() const {
    return *host_;
}

Win32Form* Win32Form::Of(const Form* form) {
    return const_cast<Win32Form*>(dynamic_cast<const Win32Form*>(form));
}

void Win32Form::Show() {
    // A visible window is left as it is: showing it again would activate it.
    if (Exists() && !IsVisible()) {
        host_->Show();
    }
}

void Win32Form::BringToFront() {
    if (IsVisible()) {
        host_->BringToFront();
    }
}

void Win32Form::Hide() {
    if (Exists()) {
        host_->Hide();
    }
}

bool Win32Form::IsVisible() const {
    return Exists() && IsWindowVisible(host_->Handle()) != FALSE;
}

void Win32Form::Minimize() {
    if (Exists()) {
        ShowWindow(host_->Handle(), SW_MINIMIZE);
    }
}

bool Win32Form::IsMinimized() const {
    return Exists() && IsIconic(host_->Handle()) != FALSE;
}

bool Win32Form::Exists() const {
    return host_->Handle() != nullptr;
}

OleColour Win32Form::BackColour() const {
    return host_->Controls().WindowBackColour();
}

void Win32Form::SetBackColour(OleColour colour) {
    host_->Controls().SetWindowBackColour(colour);
}

void Win32Form::SetBackPicture(SharedPicture picture) {
    picture_ = std::move(picture);
    if (Exists()) {
        InvalidateRect(host_->Handle(), nullptr, TRUE);
    }
}

void Win32Form::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(host_->Handle(), &client);
    FillRect(dc, &client, host_->Controls().WindowBackground());
    if (!picture_ || picture_->width <= 0 || picture_->height <= 0 ||
        picture_->pixels.size() < static_cast<std::size_t>(picture_->width) * picture_->height) {
        return;
    }
    // The picture's pixels are at 96 DPI; it grows with the window's. Its 0xAARRGGBB pixels are the DIB's
    // blue, green, red and unused bytes.
    const int dpi = WindowDpi(host_->Handle());
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{.biSize = sizeof(BITMAPINFOHEADER),
                                      .biWidth = picture_->width,
                                      .biHeight = -picture_->height,  // rows from the top
                                      .biPlanes = 1,
                                      .biBitCount = 32,
                                      .biCompression = BI_RGB};
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, 0, 0, MulDiv(picture_->width, dpi, USER_DEFAULT_SCREEN_DPI),
                  MulDiv(picture_->height, dpi, USER_DEFAULT_SCREEN_DPI), 0, 0, picture_->width,
                  picture_->height, picture_->pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Form::PopUpMenu(const Menu& menu) {
    if (!Exists()) {
        return;
    }
    std::vector<const MenuItem*> choosable;
    const HMENU popup = BuildMenu(menu.items, choosable);
    POINT pointer{};
    GetCursorPos(&pointer);
    // Only a menu of the foreground window closes when the user clicks elsewhere; this matters for the tray
    // menu, opened while frmJubo is hidden.
    SetForegroundWindow(host_->Handle());
    // The menu answers with the chosen item instead of a command message, so the handler runs here, after the
    // menu has closed.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                         pointer.x, pointer.y, host_->Handle(), nullptr));
    // The documented step after a notification icon's menu: without a message after it, the menu opened the
    // next time closes at once.
    PostMessageW(host_->Handle(), WM_NULL, 0, 0);
    DestroyMenu(popup);
    if (chosen < kFirstMenuItemId || chosen - kFirstMenuItemId >= choosable.size()) {
        return;
    }
    if (const auto handler = choosable[chosen - kFirstMenuItemId]->onClick) {
        handler();
    }
}

std::unique_ptr<Form> Win32FormFactory::Create(const WindowSpec& layout) {
    auto form = std::make_unique<Win32Form>(layout, layout.taskbarButton ? icon_ : nullptr);
    if (!form->Exists()) {
        throw std::runtime_error("the window " + layout.name + " could not be made");
    }
    return form;
}

}  // namespace orv::win32
