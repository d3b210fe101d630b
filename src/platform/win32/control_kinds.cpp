#include "platform/win32/control_kinds.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include "platform/win32/xp_button.h"

namespace orv::win32 {

namespace {

DWORD StaticAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Centre:
            return SS_CENTER;
        case TextAlign::Right:
            return SS_RIGHT;
        case TextAlign::Left:
            break;
    }
    return SS_LEFT;
}

DWORD EditAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Centre:
            return ES_CENTER;
        case TextAlign::Right:
            return ES_RIGHT;
        case TextAlign::Left:
            break;
    }
    return ES_LEFT;
}

// A flat control has a thin line round it; the others have the sunken 3-D edge.
ChildWindowClass WithBorder(ChildWindowClass window, const ControlSpec& control) {
    if (control.flat) {
        window.style |= WS_BORDER;
    } else {
        window.exStyle |= WS_EX_CLIENTEDGE;
    }
    return window;
}

}  // namespace

std::optional<ChildWindowClass> ChildWindowClassOf(const ControlSpec& control) {
    switch (control.kind) {
        case ControlKind::Label:
            return ChildWindowClass{WC_STATICW, StaticAlignment(control.align) | SS_NOTIFY, 0};
        case ControlKind::TextBox: {
            DWORD style = EditAlignment(control.align) | ES_AUTOHSCROLL;
            if (control.multiLine) {
                style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
            }
            return WithBorder({WC_EDITW, style, 0}, control);
        }
        case ControlKind::ListBox:
            return WithBorder({WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, 0}, control);
        case ControlKind::CheckBox:
            // Three states; the window that holds it answers the clicks (FormControls::HandleCommand).
            return ChildWindowClass{WC_BUTTONW, BS_3STATE | (control.flat ? BS_FLAT : 0u), 0, true};
        case ControlKind::OptionButton:
            // The window's option buttons are one group, whatever stands between them in the tab order.
            return ChildWindowClass{WC_BUTTONW, BS_RADIOBUTTON | (control.flat ? BS_FLAT : 0u), 0, true};
        case ControlKind::PushButton:
            // Taken over by XPButton, which paints it.
            return ChildWindowClass{WC_BUTTONW, XPButton::kWindowStyle, 0};
        case ControlKind::DriveList:
            return ChildWindowClass{WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0, true};
        case ControlKind::Panel:
            return ChildWindowClass{WC_STATICW, SS_NOTIFY, 0};
        case ControlKind::Line:
            break;
    }
    return std::nullopt;
}

LONG ScreenReaderRoleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return ROLE_SYSTEM_STATICTEXT;
        case ControlKind::TextBox:
            return ROLE_SYSTEM_TEXT;
        case ControlKind::ListBox:
            return ROLE_SYSTEM_LIST;
        case ControlKind::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case ControlKind::OptionButton:
            return ROLE_SYSTEM_RADIOBUTTON;
        case ControlKind::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case ControlKind::DriveList:
            return ROLE_SYSTEM_COMBOBOX;
        case ControlKind::Panel:
            return ROLE_SYSTEM_GROUPING;
        case ControlKind::Line:
            break;
    }
    return ROLE_SYSTEM_CLIENT;
}

}  // namespace orv::win32
