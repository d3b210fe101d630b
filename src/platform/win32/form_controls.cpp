#include "platform/win32/form_controls.h"

#include "platform/control_order.h"
#include "platform/win32/colours.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/dpi.h"

namespace orv::win32 {

namespace {

// Child window identifiers, in the order of the layout data, start here.
constexpr int kFirstControlId = 1000;

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::OptionButton || kind == ControlKind::PushButton;
}

}  // namespace

void FormControls::Build(HWND parent, const WindowSpec& spec) {
    parent_ = parent;
    dpi_ = WindowDpi(parent);
    windowBack_.reset(CreateSolidBrush(ToColorRef(spec.back)));
    controls_.clear();

    HWND previous = nullptr;
    for (const ControlSpec* item : CreationOrder(spec)) {
        auto control = std::make_unique<Control>();
        control->spec = *item;
        control->backBrush.reset(CreateSolidBrush(ToColorRef(item->back)));

        if (const auto windowClass = ChildWindowClassOf(*item)) {
            DWORD style = WS_CHILD | WS_CLIPSIBLINGS | windowClass->style;
            if (item->visible) {
                style |= WS_VISIBLE;
            }
            if (!item->enabled) {
                style |= WS_DISABLED;
            }
            if (item->tabIndex >= 0 && TakesFocus(item->kind)) {
                style |= WS_TABSTOP;
            }
            const auto id = static_cast<INT_PTR>(kFirstControlId + (item - spec.controls.data()));
            control->window = CreateWindowExW(
                windowClass->exStyle, windowClass->className, item->caption.c_str(), style, 0, 0, 0, 0,
                parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
            if (control->window != nullptr) {
                // Each new control goes right after the one before it, whatever the system's default
                // placement.
                SetWindowPos(control->window, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                previous = control->window;
                Place(*control);
            }
        }
        controls_.push_back(std::move(control));
    }
}

void FormControls::Place(Control& control) const {
    const ControlSpec& spec = control.spec;
    control.font = CreateFontForDpi(spec.font, dpi_);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.get()), FALSE);
    SetWindowPos(control.window, nullptr, TwipsToPixels(spec.left, dpi_), TwipsToPixels(spec.top, dpi_),
                 TwipsToPixels(spec.width, dpi_), TwipsToPixels(spec.height, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FormControls::Find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->spec.name == name) {
            return control->window;
        }
    }
    return nullptr;
}

std::string FormControls::NameOf(HWND child) const {
    const Control* control = FindControl(child);
    return control ? control->spec.name : std::string{};
}

const FormControls::Control* FormControls::FindControl(HWND child) const {
    if (child == nullptr) {
        return nullptr;
    }
    for (const auto& control : controls_) {
        if (control->window == child) {
            return control.get();
        }
    }
    return nullptr;
}

void FormControls::ApplyDpi(int dpi) {
    dpi_ = dpi;
    for (auto& control : controls_) {
        if (control->window != nullptr) {
            Place(*control);
            InvalidateRect(control->window, nullptr, TRUE);
        }
    }
}

HBRUSH FormControls::ControlColours(HDC dc, HWND child) {
    const Control* control = FindControl(child);
    if (control == nullptr) {
        return nullptr;
    }
    SetTextColor(dc, ToColorRef(control->spec.fore));
    if (control->spec.transparent) {
        SetBkMode(dc, TRANSPARENT);
        return windowBack_.get();
    }
    SetBkColor(dc, ToColorRef(control->spec.back));
    return control->backBrush.get();
}

void FormControls::PaintLines(HDC dc) const {
    for (const auto& control : controls_) {
        const ControlSpec& spec = control->spec;
        if (spec.kind != ControlKind::Line || !spec.visible) {
            continue;
        }
        // A line's width is in pixels at 96 DPI, like its border.
        const int width = MulDiv(spec.lineWidth, dpi_, USER_DEFAULT_SCREEN_DPI);
        UniquePen pen(CreatePen(PS_SOLID, width, ToColorRef(spec.fore)));
        const HGDIOBJ old = SelectObject(dc, pen.get());
        MoveToEx(dc, TwipsToPixels(spec.left, dpi_), TwipsToPixels(spec.top, dpi_), nullptr);
        LineTo(dc, TwipsToPixels(spec.left + spec.width, dpi_), TwipsToPixels(spec.top + spec.height, dpi_));
        SelectObject(dc, old);
    }
}

bool FormControls::HandleCommand(WPARAM wParam, LPARAM lParam) {
    const Control* control = FindControl(reinterpret_cast<HWND>(lParam));
    if (control == nullptr || !control->onCommand) {
        return false;
    }
    // A copy: the handler may replace itself.
    const auto handler = control->onCommand;
    handler(HIWORD(wParam));
    return true;
}

void FormControls::OnCommand(std::string_view name, std::function<void(int notifyCode)> handler) {
    for (auto& control : controls_) {
        if (control->spec.name == name) {
            control->onCommand = std::move(handler);
        }
    }
}

}  // namespace orv::win32
