#include "platform/win32/win32_check_box.h"

namespace orv::win32 {

int Win32CheckBox::Value() const {
    switch (SendMessageW(box_, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return 1;
        case BST_INDETERMINATE:
            return 2;
        default:
            return 0;
    }
}

void Win32CheckBox::SetValue(int value) {
    const WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
    SendMessageW(box_, BM_SETCHECK, state, 0);
}

}  // namespace orv::win32
