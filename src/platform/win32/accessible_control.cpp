#include "platform/win32/accessible_control.h"

#include <ole2.h>
#include <oleacc.h>

#include <memory>

#include "platform/exception_barrier.h"

namespace orv::win32 {

namespace {

// The interface is named by __uuidof rather than by oleacc's IID_IAccessible: the 64-bit MinGW import library
// resolves that data symbol to the import's thunk, not to the identifier.
constexpr wchar_t kDescriptionProperty[] = L"OrvJubo.ScreenReaderDescription";

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The window's text as a name; S_FALSE and no name when it has none.
HRESULT NameFromWindowText(HWND window, BSTR* name) {
    *name = nullptr;
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return S_FALSE;
    }
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (text == nullptr) {
        return E_OUTOFMEMORY;
    }
    const int copied = GetWindowTextW(window, text, length + 1);
    *name = SysAllocStringLen(text, static_cast<UINT>(copied < 0 ? 0 : copied));
    SysFreeString(text);
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The system's description of one control, with its role, name and check mark as the description says; every
// other question, the walk through its children among them, goes to the system's object, which this one holds
// until its last reference goes.
class AccessibleControl final : public IAccessible, public IEnumVARIANT, public IOleWindow {
  public:
    AccessibleControl(HWND control, IAccessible* standard, const ScreenReaderDescription& description)
        : control_(control), description_(description), standard_(standard) {
        if (FAILED(standard_->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&children_)))) {
            children_ = nullptr;
        }
    }
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // IUnknown: one identity for all its interfaces.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else if (IsEqualIID(iid, IID_IEnumVARIANT) && children_ != nullptr) {
            *object = static_cast<IEnumVARIANT*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: a late-bound question is answered through the system's type description, by this object.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrongArgument) override {
        ITypeInfo* info = nullptr;
        HRESULT outcome = standard_->GetTypeInfo(0, locale, &info);
        if (FAILED(outcome) || info == nullptr) {
            return FAILED(outcome) ? outcome : E_NOTIMPL;
        }
        outcome = IsEqualIID(iid, IID_NULL) ? info->Invoke(static_cast<IAccessible*>(this), member, flags,
                                                           parameters, result, exception, wrongArgument)
                                            : DISP_E_UNKNOWNINTERFACE;
        info->Release();
        return outcome;
    }

    // IAccessible: the corrected answers.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || role == nullptr) {
            return standard_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = description_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child) || name == nullptr) {
            return standard_->get_accName(child, name);
        }
        if (!description_.name.empty()) {
            *name = SysAllocString(description_.name.c_str());
            return *name != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        const HWND label =
            description_.labelId != 0 ? GetDlgItem(GetParent(control_), description_.labelId) : nullptr;
        return label != nullptr ? NameFromWindowText(label, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT outcome = standard_->get_accState(child, state);
        const bool checkable =
            description_.role == ROLE_SYSTEM_CHECKBUTTON || description_.role == ROLE_SYSTEM_RADIOBUTTON;
        if (FAILED(outcome) || !IsSelf(child) || !checkable || state == nullptr || state->vt != VT_I4) {
            return outcome;
        }
        state->lVal &= ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED);
        const LRESULT mark = SendMessageW(control_, BM_GETCHECK, 0, 0);
        if (mark == BST_CHECKED) {
            state->lVal |= STATE_SYSTEM_CHECKED;
        } else if (mark == BST_INDETERMINATE) {
            state->lVal |= STATE_SYSTEM_MIXED;
        }
        return outcome;
    }

    // IAccessible: the system's answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    // IEnumVARIANT: the system's children.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return children_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

    // IOleWindow: which window this describes.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  private:
    ~AccessibleControl() {
        if (children_ != nullptr) {
            children_->Release();
        }
        standard_->Release();
    }

    HWND control_;
    ScreenReaderDescription description_;
    IAccessible* standard_;
    IEnumVARIANT* children_ = nullptr;  // the system's object's own enumeration, when it has one
    LONG references_ = 1;
};

// WM_GETOBJECT for the client area: the corrected description, or 0 for the system's own.
LRESULT AnswerScreenReader(HWND control, WPARAM wParam) {
    const auto* description =
        static_cast<const ScreenReaderDescription*>(GetPropW(control, kDescriptionProperty));
    IAccessible* standard = nullptr;
    if (description == nullptr ||
        FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    AccessibleControl* answer = nullptr;
    if (!RunBehindBarrier([&] { answer = new AccessibleControl(control, standard, *description); })) {
        standard->Release();
        return 0;
    }
    // The result holds a reference of its own.
    const LRESULT result =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(answer));
    answer->Release();
    return result > 0 ? result : 0;
}

// Set as the control's procedure in place of its class's one, so that no per-message property lookup is
// needed to find the procedure it replaced.
LRESULT CALLBACK DescribedControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = AnswerScreenReader(control, wParam); answer != 0) {
            return answer;
        }
    } else if (message == WM_NCDESTROY) {
        delete static_cast<ScreenReaderDescription*>(RemovePropW(control, kDescriptionProperty));
    }
    const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
    return CallWindowProcW(classProcedure, control, message, wParam, lParam);
}

}  // namespace

void DescribeToScreenReaders(HWND control, const ScreenReaderDescription& description) {
    if (control == nullptr) {
        return;
    }
    auto copy = std::make_unique<ScreenReaderDescription>(description);
    delete static_cast<ScreenReaderDescription*>(RemovePropW(control, kDescriptionProperty));
    if (SetPropW(control, kDescriptionProperty, copy.get())) {
        copy.release();
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DescribedControlProcedure));
    }
}

}  // namespace orv::win32
