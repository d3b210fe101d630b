#include "platform/win32/form_controls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/control_order.h"
#include "platform/win32/accessible_control.h"
#include "platform/win32/colours.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/dpi.h"

namespace orv::win32 {

namespace {

// Child window identifiers, in the order of the layout data, start here.
constexpr int kFirstControlId = 1000;

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ListBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::OptionButton || kind == ControlKind::PushButton ||
           kind == ControlKind::DriveList;
}

// The design-time state that is not the window text: a check box's or option button's mark, a list's entries,
// how far a drive list opens.
void SetInitialState(HWND window, const ControlSpec& control) {
    if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::OptionButton) {
        const WPARAM state = control.check == CheckState::Ticked   ? BST_CHECKED
                             : control.check == CheckState::Grayed ? BST_INDETERMINATE
                                                                   : BST_UNCHECKED;
        SendMessageW(window, BM_SETCHECK, state, 0);
    }
    if (control.kind == ControlKind::DriveList) {
        // The layout's height is the closed box's; the opened list shows several drives all the same.
        SendMessageW(window, CB_SETMINVISIBLE, 8, 0);
    }
    if (control.kind == ControlKind::ListBox) {
        for (const std::wstring& item : control.items) {
            SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    }
}

// The child window identifier of the named control of the layout; 0 when there is none.
int ControlIdOf(const WindowSpec& layout, std::string_view name) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        if (layout.controls[i].name == name) {
            return kFirstControlId + static_cast<int>(i);
        }
    }
    return 0;
}

ScreenReaderDescription DescriptionOf(const ControlSpec& control, int labelId) {
    return {.role = ScreenReaderRoleOf(control.kind), .name = control.accessibleName, .labelId = labelId};
}

}  // namespace

void FormControls::Build(HWND parent, const WindowSpec& layout) {
    parent_ = parent;
    dpi_ = WindowDpi(parent);
    windowBackColour_ = layout.back;
    windowBack_.reset(CreateSolidBrush(ToColorRef(layout.back)));
    controls_.clear();

    HWND previous = nullptr;
    bool previousIsOption = false;
    for (const ControlSpec* item : CreationOrder(layout)) {
        auto control = std::make_unique<Control>();
        control->layout = *item;
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
            // The option buttons next to each other in the tab order are one group for the arrow keys: the
            // first of them starts it and the control after the last starts the next.
            const bool isOption = item->kind == ControlKind::OptionButton;
            if (isOption != previousIsOption) {
                style |= WS_GROUP;
            }
            previousIsOption = isOption;
            const auto id = static_cast<INT_PTR>(kFirstControlId + (item - layout.controls.data()));
            control->window = CreateWindowExW(
                windowClass->exStyle, windowClass->className, item->caption.c_str(), style, 0, 0, 0, 0,
                parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
            if (control->window != nullptr) {
                // The label is made later (labels come last), so its name is looked up when it is asked for.
                control->labelId = ControlIdOf(layout, item->labelledBy);
                DescribeToScreenReaders(control->window, DescriptionOf(*item, control->labelId));
                if (windowClass->withoutVisualStyle) {
                    // A theme class list that names no class: the control draws itself in the classic look.
                    SetWindowTheme(control->window, L" ", L" ");
                }
                // Each new control goes right after the one before it, whatever the system's default
                // placement.
                SetWindowPos(control->window, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                previous = control->window;
                Place(*control);
                if (item->kind == ControlKind::PushButton) {
                    control->button = std::make_unique<XPButton>(control->window, LookOf(*item));
                }
                SetInitialState(control->window, *item);
            }
        }
        controls_.push_back(std::move(control));
    }
}

void FormControls::Place(Control& control) const {
    const ControlSpec& layout = control.layout;
    control.font = CreateFontForDpi(layout.font, dpi_);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(control.font.get()), FALSE);
    SetWindowPos(control.window, nullptr, TwipsToPixels(layout.left, dpi_), TwipsToPixels(layout.top, dpi_),
                 TwipsToPixels(layout.width, dpi_), TwipsToPixels(layout.height, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FormControls::Find(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->layout.name == name) {
            return control->window;
        }
    }
    return nullptr;
}

XPButton* FormControls::Button(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->layout.name == name) {
            return control->button.get();
        }
    }
    return nullptr;
}

void FormControls::Adopt(std::string_view name, HWND window) {
    for (auto& control : controls_) {
        if (control->layout.name != name) {
            continue;
        }
        const HWND standIn = control->window;
        control->button.reset();
        control->window = window;
        if (standIn != nullptr) {
            SetWindowPos(window, standIn, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            DestroyWindow(standIn);
        }
        Place(*control);
        ShowWindow(window, control->layout.visible ? SW_SHOWNA : SW_HIDE);
        DescribeToScreenReaders(window, DescriptionOf(control->layout, control->labelId));
        return;
    }
}

bool FormControls::DrawItem(const DRAWITEMSTRUCT& item) const {
    const Control* control = FindControl(item.hwndItem);
    if (control == nullptr || !control->button) {
        return false;
    }
    control->button->Draw(item);
    return true;
}

std::string FormControls::NameOf(HWND child) const {
    const Control* control = FindControl(child);
    return control ? control->layout.name : std::string{};
}

const ControlSpec* FormControls::LayoutOf(std::string_view name) const {
    const Control* control = FindNamed(name);
    return control ? &control->layout : nullptr;
}

FormControls::Control* FormControls::FindNamed(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->layout.name == name) {
            return control.get();
        }
    }
    return nullptr;
}

void FormControls::SetForeColour(std::string_view name, OleColour colour) {
    Control* control = FindNamed(name);
    if (control == nullptr) {
        return;
    }
    control->layout.fore = colour;
    if (control->button) {
        control->button->SetCaptionColour(colour);
    } else if (control->layout.kind == ControlKind::Line) {
        InvalidateRect(parent_, nullptr, TRUE);
    } else if (control->window != nullptr) {
        InvalidateRect(control->window, nullptr, TRUE);
    }
}

void FormControls::SetBackColour(std::string_view name, OleColour colour) {
    Control* control = FindNamed(name);
    if (control == nullptr) {
        return;
    }
    control->layout.back = colour;
    control->backBrush.reset(CreateSolidBrush(ToColorRef(colour)));
    if (control->button) {
        control->button->SetFaceColour(colour);
    } else if (control->window != nullptr) {
        InvalidateRect(control->window, nullptr, TRUE);
    }
}

void FormControls::SetWindowBackColour(OleColour colour) {
    windowBackColour_ = colour;
    windowBack_.reset(CreateSolidBrush(ToColorRef(colour)));
    InvalidateRect(parent_, nullptr, TRUE);
}

void FormControls::SelectOption(std::string_view name) {
    for (const auto& control : controls_) {
        if (control->layout.kind == ControlKind::OptionButton && control->window != nullptr) {
            const bool selected = control->layout.name == name;
            SendMessageW(control->window, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
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
    SetTextColor(dc, ToColorRef(control->layout.fore));
    if (control->layout.transparent) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, ToColorRef(control->layout.back));
    return control->backBrush.get();
}

bool FormControls::IsTransparent(HWND child) const {
    const Control* control = FindControl(child);
    return control != nullptr && control->layout.transparent;
}

void FormControls::PaintLines(HDC dc) const {
    for (const auto& control : controls_) {
        const ControlSpec& layout = control->layout;
        if (layout.kind != ControlKind::Line || !layout.visible) {
            continue;
        }
        // A line's width is in pixels at 96 DPI, like its border.
        const int width = MulDiv(layout.lineWidth, dpi_, USER_DEFAULT_SCREEN_DPI);
        UniquePen pen(CreatePen(PS_SOLID, width, ToColorRef(layout.fore)));
        const HGDIOBJ old = SelectObject(dc, pen.get());
        MoveToEx(dc, TwipsToPixels(layout.left, dpi_), TwipsToPixels(layout.top, dpi_), nullptr);
        LineTo(dc, TwipsToPixels(layout.left + layout.width, dpi_),
               TwipsToPixels(layout.top + layout.height, dpi_));
        SelectObject(dc, old);
    }
}

bool FormControls::HandleCommand(WPARAM wParam, LPARAM lParam) {
    const Control* control = FindControl(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) {
        return false;
    }
    const int notifyCode = HIWORD(wParam);
    // Copies: a handler may replace itself or destroy the window.
    const auto handler = control->onCommand;
    XPButton* const button = control->button.get();
    // A disabled box is the program's alone, even when a click message reaches it.
    const bool userClick = notifyCode == BN_CLICKED && IsWindowEnabled(control->window);
    if (userClick && control->layout.kind == ControlKind::CheckBox) {
        // The user only ticks and clears; grayed is the program's to set.
        const bool ticked = SendMessageW(control->window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageW(control->window, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (userClick && control->layout.kind == ControlKind::OptionButton) {
        SelectOption(control->layout.name);
    }
    if (button != nullptr && notifyCode == BN_CLICKED) {
        button->Clicked();
        if (handler) {
            handler(notifyCode);
        }
        return true;
    }
    if (handler) {
        handler(notifyCode);
    }
    return handler || control->layout.kind == ControlKind::CheckBox ||
           control->layout.kind == ControlKind::OptionButton;
}

void FormControls::OnCommand(std::string_view name, std::function<void(int notifyCode)> handler) {
    for (auto& control : controls_) {
        if (control->layout.name == name) {
            control->onCommand = std::move(handler);
        }
    }
}

}  // namespace orv::win32
