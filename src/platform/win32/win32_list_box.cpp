#include "platform/win32/win32_list_box.h"

namespace orv::win32 {

namespace {

// Sends the list's messages for a long run of them (kMessagesPastSubclasses): straight through the list box
// class's own procedure when the list is this thread's (the same work as sending them, without their dispatch
// and any subclass for every entry), sent as usual otherwise.
class BulkSender {
  public:
    explicit BulkSender(HWND list) : list_(list) {
        if (GetWindowThreadProcessId(list_, nullptr) == GetCurrentThreadId()) {
            procedure_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list_, GCLP_WNDPROC));
        }
    }
    LRESULT operator()(UINT message, WPARAM wParam, LPARAM lParam) const {
        return procedure_ != nullptr ? CallWindowProcW(procedure_, list_, message, wParam, lParam)
                                     : SendMessageW(list_, message, wParam, lParam);
    }

  private:
    HWND list_;
    WNDPROC procedure_ = nullptr;
};

}  // namespace

int Win32ListBox::Count() const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

Text Win32ListBox::Item(int index) const {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    Text text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int Win32ListBox::ListIndex() const {
    const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

bool Win32ListBox::SetListIndex(int index) {
    // The list box itself would take any index beyond the end as "no selection".
    if (index < -1 || index >= Count()) {
        return false;
    }
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

void Win32ListBox::AddItem(const Text& text) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32ListBox::AddItems(const std::vector<Text>& texts) {
    if (texts.size() < 2) {
        ListBox::AddItems(texts);
        return;
    }
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    std::size_t characters = 0;
    for (const Text& text : texts) {
        characters += (text.size() + 1) * sizeof(wchar_t);
    }
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(characters));
    const BulkSender send(list_);
    for (const Text& text : texts) {
        send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    SetCursor(previous);
}

std::vector<Text> Win32ListBox::Items() const {
    const BulkSender send(list_);
    const int count = Count();
    std::vector<Text> items;
    items.reserve(static_cast<std::size_t>(count));
    std::vector<wchar_t> buffer(256);
    for (int i = 0; i < count; ++i) {
        const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR) {
            items.emplace_back();
            continue;
        }
        if (static_cast<std::size_t>(length) >= buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length) + 1);
        }
        const LRESULT copied =
            send(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
        items.emplace_back(buffer.data(), copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    }
    return items;
}

void Win32ListBox::RemoveItem(int index) {
    SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void Win32ListBox::Clear() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
}

}  // namespace orv::win32
