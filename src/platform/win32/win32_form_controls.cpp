#include "platform/win32/win32_form_controls.h"

#include <commctrl.h>

#include "platform/exception_barrier.h"
#include "platform/win32/win32_check_box.h"
#include "platform/win32/win32_list_box.h"
#include "platform/win32/win32_text_box.h"

namespace orv::win32 {

namespace {

// What every kind has: the caption is the window text, the rest comes from FormControls. A control whose
// window is gone (the window was closed) reads empty and ignores changes.
template <typename Interface>
class Win32Control : public Interface {
  public:
    Win32Control(FormWindow& window, const ControlSpec& control)
        : window_(window), name_(control.name), kind_(control.kind) {}

    ControlKind Kind() const override { return kind_; }
    Text Caption() const override {
        if (const HWND child = Child()) {
            return WindowText(child);
        }
        const ControlSpec* layout = Layout();
        return layout ? layout->caption : Text{};
    }
    void SetCaption(const Text& caption) override {
        if (const HWND child = Child()) {
            SetWindowTextW(child, caption.c_str());
        }
    }
    bool Enabled() const override {
        if (const HWND child = Child()) {
            return IsWindowEnabled(child) != FALSE;
        }
        const ControlSpec* layout = Layout();
        return layout && layout->enabled;
    }
    void SetEnabled(bool enabled) override {
        if (XPButton* button = window_.Controls().Button(name_)) {
            button->SetEnabled(enabled);
        } else if (const HWND child = Child()) {
            EnableWindow(child, enabled ? TRUE : FALSE);
        }
    }
    OleColour ForeColour() const override {
        const ControlSpec* layout = Layout();
        return layout ? layout->fore : OleColour{};
    }
    void SetForeColour(OleColour colour) override { window_.Controls().SetForeColour(name_, colour); }
    OleColour BackColour() const override {
        const ControlSpec* layout = Layout();
        return layout ? layout->back : OleColour{};
    }
    void SetBackColour(OleColour colour) override { window_.Controls().SetBackColour(name_, colour); }

  protected:
    HWND Child() const { return window_.Handle() != nullptr ? window_.Control(name_) : nullptr; }
    const ControlSpec* Layout() const { return window_.Controls().LayoutOf(name_); }

    FormWindow& window_;
    std::string name_;
    ControlKind kind_;
};

constexpr UINT_PTR kTabLeavesTheEditId = 1;

// A multiline edit asks for every key, and moves the focus on Tab itself only inside a dialog box: in the
// program's windows Tab and Shift+Tab go on to the next control as from any other box (Ctrl+Tab still types
// a tab).
LRESULT CALLBACK TabLeavesTheEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const bool plainTab = msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB &&
                              (GetKeyState(VK_CONTROL) & 0x8000) == 0;
        return plainTab ? code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE) : code;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, TabLeavesTheEdit, kTabLeavesTheEditId);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

class Win32FormTextBox : public Win32Control<FormTextBox> {
  public:
    Win32FormTextBox(FormWindow& window, const ControlSpec& control) : Win32Control(window, control) {
        // The edit reports typing and WM_SETTEXT alike.
        window_.Controls().OnCommand(name_, [this](int notifyCode) {
            if (notifyCode == EN_CHANGE && onChange) {
                const auto handler = onChange;
                handler();
            }
        });
        if (const HWND child = Child(); child != nullptr && control.multiLine) {
            SetWindowSubclass(child, TabLeavesTheEdit, kTabLeavesTheEditId, 0);
        }
    }
};

class Win32FormListBox : public Win32Control<FormListBox> {
  public:
    Win32FormListBox(FormWindow& window, const ControlSpec& control) : Win32Control(window, control) {
        window_.Controls().OnCommand(name_, [this](int notifyCode) {
            if (notifyCode == LBN_DBLCLK) {
                DoubleClick();
            }
        });
        // A plain window-procedure subclass: the common controls' subclassing looks up a window property at
        // every message, which costs a server round trip under Wine and makes long lists slow. It passes on
        // untouched the messages that Win32ListBox sends past it (kMessagesPastSubclasses).
        if (const HWND child = Child()) {
            SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            listProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32FormListBox::MouseProcedure)));
        }
    }
    ~Win32FormListBox() override {
        if (const HWND child = Child()) {
            Unhook(child);
        }
    }

    int Count() const override { return List().Count(); }
    Text Item(int index) const override { return List().Item(index); }
    int ListIndex() const override { return Child() ? List().ListIndex() : -1; }
    bool SetListIndex(int index) override { return Child() && List().SetListIndex(index); }
    void AddItem(const Text& text) override { List().AddItem(text); }
    void RemoveItem(int index) override { List().RemoveItem(index); }
    void Clear() override { List().Clear(); }
    void AddItems(const std::vector<Text>& texts) override { List().AddItems(texts); }
    std::vector<Text> Items() const override { return List().Items(); }

  private:
    Win32ListBox List() const { return Win32ListBox(Child()); }

    void DoubleClick() {
        if (onDoubleClick) {
            const auto handler = onDoubleClick;  // a copy: the handler may replace itself
            handler();
        }
    }

    void MouseDown(MouseButton button) {
        if (onMouseDown) {
            const auto handler = onMouseDown;
            handler(button);
        }
    }

    void Unhook(HWND child) {
        if (listProcedure_ != nullptr) {
            SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure_));
            SetWindowLongPtrW(child, GWLP_USERDATA, 0);
        }
    }

    static LRESULT CALLBACK MouseProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* list = reinterpret_cast<Win32FormListBox*>(GetWindowLongPtrW(child, GWLP_USERDATA));
        if (list == nullptr) {
            return DefWindowProcW(child, message, wParam, lParam);
        }
        const WNDPROC original = list->listProcedure_;
        switch (message) {
            case WM_NCDESTROY:
                list->Unhook(child);
                break;
            case WM_RBUTTONDOWN:
                // The right button leaves the selection as it was.
                RunBehindBarrier([&] { list->MouseDown(MouseButton::Right); });
                return 0;
            case WM_GETDLGCODE: {
                // Enter stays with the list instead of pressing the window's default button.
                const auto* msg = reinterpret_cast<const MSG*>(lParam);
                const LRESULT code = CallWindowProcW(original, child, message, wParam, lParam);
                return msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN
                           ? code | DLGC_WANTMESSAGE
                           : code;
            }
            case WM_KEYDOWN:
                // Enter does what a double-click does: the entry's own action.
                if (wParam == VK_RETURN) {
                    RunBehindBarrier([&] { list->DoubleClick(); });
                    return 0;
                }
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                // The context-menu key and Shift+F10 do what the right button does.
                if (wParam == VK_APPS || (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) != 0)) {
                    RunBehindBarrier([&] { list->MouseDown(MouseButton::Right); });
                    return 0;
                }
                break;
            case WM_LBUTTONDOWN:
            case WM_MBUTTONDOWN: {
                const LRESULT result = CallWindowProcW(original, child, message, wParam, lParam);
                RunBehindBarrier([&] {
                    list->MouseDown(message == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Middle);
                });
                return result;
            }
            default:
                break;
        }
        return CallWindowProcW(original, child, message, wParam, lParam);
    }

    WNDPROC listProcedure_ = nullptr;
};

// The drive list over a drop-down list combo box.
class Win32FormDriveList : public Win32Control<FormDriveList> {
  public:
    Win32FormDriveList(FormWindow& window, const ControlSpec& control) : Win32Control(window, control) {
        window_.Controls().OnCommand(name_, [this](int notifyCode) {
            if (notifyCode == CBN_SELCHANGE && onChange) {
                const auto handler = onChange;
                handler();
            }
        });
    }

    int Count() const override {
        const LRESULT count = Send(CB_GETCOUNT, 0, 0);
        return count < 0 ? 0 : static_cast<int>(count);
    }
    Text Item(int index) const override {
        const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) {
            return {};
        }
        Text text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied =
            Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        return text;
    }
    int ListIndex() const override {
        const LRESULT selected = Send(CB_GETCURSEL, 0, 0);
        return selected < 0 ? -1 : static_cast<int>(selected);
    }
    bool SetListIndex(int index) override {
        if (Child() == nullptr || index < -1 || index >= Count()) {
            return false;
        }
        Send(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        return true;
    }
    void AddItem(const Text& text) override { Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void RemoveItem(int index) override { Send(CB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    void Clear() override { Send(CB_RESETCONTENT, 0, 0); }

  private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        const HWND child = Child();
        return child != nullptr ? SendMessageW(child, message, wParam, lParam) : CB_ERR;
    }
};

class Win32FormCheckBox : public Win32Control<FormCheckBox> {
  public:
    using Win32Control::Win32Control;
    int Value() const override { return Win32CheckBox(Child()).Value(); }
    void SetValue(int value) override { Win32CheckBox(Child()).SetValue(value); }
};

constexpr UINT_PTR kArrowsSelectId = 2;

bool IsArrow(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// An arrow on an option button moves to the next (Right, Down) or previous (Left, Up) option of its group,
// round from the last to the first, and selects it as a click on it does. It is selected before it takes
// the focus: a clear option may report a click of its own when it takes the focus from the keyboard (Windows'
// buttons do), which would press it twice.
LRESULT CALLBACK ArrowsSelectInTheGroup(HWND option, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = DefSubclassProc(option, message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        return msg != nullptr && msg->message == WM_KEYDOWN && IsArrow(msg->wParam) ? code | DLGC_WANTARROWS
                                                                                    : code;
    }
    if (message == WM_KEYDOWN && IsArrow(wParam)) {
        const HWND window = GetParent(option);
        const HWND next = GetNextDlgGroupItem(window, option, wParam == VK_LEFT || wParam == VK_UP);
        if (next != nullptr && next != option &&
            (GetWindowLongW(next, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON) {
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED),
                         reinterpret_cast<LPARAM>(next));
            if (IsWindow(next)) {
                SetFocus(next);
            }
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(option, ArrowsSelectInTheGroup, kArrowsSelectId);
    }
    return DefSubclassProc(option, message, wParam, lParam);
}

class Win32FormOptionButton : public Win32Control<FormOptionButton> {
  public:
    Win32FormOptionButton(FormWindow& window, const ControlSpec& control) : Win32Control(window, control) {
        // FormControls has selected it by the time the handler runs.
        window_.Controls().OnCommand(name_, [this](int notifyCode) {
            if (notifyCode == BN_CLICKED && onClick) {
                const auto handler = onClick;
                handler();
            }
        });
        if (const HWND child = Child()) {
            SetWindowSubclass(child, ArrowsSelectInTheGroup, kArrowsSelectId, 0);
        }
    }
    bool Value() const override {
        const HWND child = Child();
        return child != nullptr && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void SetValue(bool selected) override {
        if (selected) {
            window_.Controls().SelectOption(name_);
        } else if (const HWND child = Child()) {
            SendMessageW(child, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
};

class Win32FormPushButton : public Win32Control<FormPushButton> {
  public:
    Win32FormPushButton(FormWindow& window, const ControlSpec& control) : Win32Control(window, control) {
        if (XPButton* button = window_.Controls().Button(name_)) {
            button->onClick = [this] {
                if (onClick) {
                    const auto handler = onClick;
                    handler();
                }
            };
        }
    }
};

// Labels, lines and panels: only what every control has.
class Win32FormPlainControl : public Win32Control<FormControl> {
  public:
    using Win32Control::Win32Control;
};

}  // namespace

std::unique_ptr<FormControl> MakeFormControl(FormWindow& window, const ControlSpec& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
            return std::make_unique<Win32FormTextBox>(window, control);
        case ControlKind::ListBox:
            return std::make_unique<Win32FormListBox>(window, control);
        case ControlKind::CheckBox:
            return std::make_unique<Win32FormCheckBox>(window, control);
        case ControlKind::OptionButton:
            return std::make_unique<Win32FormOptionButton>(window, control);
        case ControlKind::PushButton:
            return std::make_unique<Win32FormPushButton>(window, control);
        case ControlKind::DriveList:
            return std::make_unique<Win32FormDriveList>(window, control);
        case ControlKind::Label:
        case ControlKind::Line:
        case ControlKind::Panel:
            break;
    }
    return std::make_unique<Win32FormPlainControl>(window, control);
}

}  // namespace orv::win32
