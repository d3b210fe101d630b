#include "platform/win32/xp_button.h"

#include <commctrl.h>

#include "platform/exception_barrier.h"
#include "platform/win32/colours.h"
#include "platform/win32/unique_handles.h"

namespace orv::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x5850;  // "XP"
// Bit 30 of a key message's lParam: the key was down before this message.
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

// Half way from the colour to black: the shadow edge of the face.
COLORREF Darker(COLORREF colour) {
    return RGB(GetRValue(colour) / 2, GetGValue(colour) / 2, GetBValue(colour) / 2);
}

void DrawEdgeLines(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    UniquePen light(CreatePen(PS_SOLID, 1, topLeft));
    UniquePen dark(CreatePen(PS_SOLID, 1, bottomRight));
    const HGDIOBJ old = SelectObject(dc, light.get());
    MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    LineTo(dc, rect.left, rect.top);
    LineTo(dc, rect.right - 1, rect.top);
    SelectObject(dc, dark.get());
    LineTo(dc, rect.right - 1, rect.bottom - 1);
    LineTo(dc, rect.left - 1, rect.bottom - 1);
    SelectObject(dc, old);
}

bool IsUserInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) ||
           message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == BM_CLICK;
}

}  // namespace

XPButtonLook LookOf(const ControlSpec& control) {
    return XPButtonLook{.bcol = control.back, .fcol = control.fore, .fcolo = control.hoverFore};
}

XPButton::XPButton(HWND button, const XPButtonLook& look) : button_(button), look_(look) {
    SetWindowSubclass(button_, &XPButton::SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

XPButton::~XPButton() {
    if (button_ != nullptr) {
        RemoveWindowSubclass(button_, &XPButton::SubclassProcedure, kSubclassId);
    }
}

void XPButton::SetFaceColour(OleColour bcol) {
    look_.bcol = bcol;
    InvalidateRect(button_, nullptr, FALSE);
}

void XPButton::SetCaptionColour(OleColour fcol) {
    look_.fcol = fcol;
    InvalidateRect(button_, nullptr, FALSE);
}

void XPButton::SetHoverCaptionColour(OleColour fcolo) {
    look_.fcolo = fcolo;
    InvalidateRect(button_, nullptr, FALSE);
}

void XPButton::SetEnabled(bool enabled) {
    EnableWindow(button_, enabled ? TRUE : FALSE);
    if (!enabled) {
        SetHovered(false);
    }
}

void XPButton::SetHovered(bool hovered) {
    if (hovered_ != hovered) {
        hovered_ = hovered;
        InvalidateRect(button_, nullptr, FALSE);
    }
}

void XPButton::Draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    const COLORREF face = ToColorRef(look_.bcol);
    UniqueBrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &rect, faceBrush.get());
    const COLORREF light = RGB(255, 255, 255);
    const COLORREF dark = Darker(face);
    DrawEdgeLines(dc, rect, pressed ? dark : light, pressed ? light : dark);

    COLORREF caption = ToColorRef(hovered_ ? look_.fcolo : look_.fcol);
    if (disabled) {
        caption = GetSysColor(COLOR_GRAYTEXT);
    }
    wchar_t text[256] = {};
    GetWindowTextW(button_, text, 256);
    RECT textRect = rect;
    if (pressed) {
        OffsetRect(&textRect, 1, 1);
    }
    const auto font = reinterpret_cast<HFONT>(SendMessageW(button_, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, caption);
    DrawTextW(dc, text, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }

    if (look_.showf && (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = rect;
        InflateRect(&focus, -2, -2);  // a 17-pixel face leaves the caption room only this close to the edge
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

void XPButton::Clicked() {
    if (!IsWindowEnabled(button_)) {
        return;
    }
    // A copy: the handler may replace itself.
    if (const auto handler = onClick) {
        handler();
    }
}

LRESULT CALLBACK XPButton::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self) {
    LRESULT result = 0;
    if (!RunBehindBarrier(
            [&] { result = reinterpret_cast<XPButton*>(self)->HandleMessage(message, wParam, lParam); })) {
        result = 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &XPButton::SubclassProcedure, id);
        reinterpret_cast<XPButton*>(self)->button_ = nullptr;
    }
    return result;
}

LRESULT XPButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A disabled button takes no clicks, also from messages posted to it directly.
    if (IsUserInput(message) && !IsWindowEnabled(button_)) {
        return 0;
    }
    switch (message) {
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button would report a quick second click as a double-click, not a click.
            return DefSubclassProc(button_, WM_LBUTTONDOWN, wParam, lParam);
        case WM_MOUSEMOVE:
            if (!hovered_) {
                TRACKMOUSEEVENT track{
                    .cbSize = sizeof(TRACKMOUSEEVENT), .dwFlags = TME_LEAVE, .hwndTrack = button_};
                TrackMouseEvent(&track);
                SetHovered(true);
            }
            break;
        case WM_MOUSELEAVE:
            SetHovered(false);
            break;
        case WM_GETDLGCODE: {
            // Enter presses the focused button, as space does.
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            const LRESULT code = DefSubclassProc(button_, message, wParam, lParam);
            if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                return code | DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN:
            // Enter clicks once per press: a key held down repeats its WM_KEYDOWN with the bit that says it
            // was down already, and those repeats press nothing. Space is the button's own: it clicks on the
            // release after a press on the button.
            if (wParam == VK_RETURN) {
                if ((lParam & kKeyWasDown) == 0) {
                    SendMessageW(GetParent(button_), WM_COMMAND,
                                 MAKEWPARAM(GetDlgCtrlID(button_), BN_CLICKED),
                                 reinterpret_cast<LPARAM>(button_));
                }
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') {
                return 0;
            }
            break;
        default:
            break;
    }
    return DefSubclassProc(button_, message, wParam, lParam);
}

}  // namespace orv::win32
