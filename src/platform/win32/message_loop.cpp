#include "platform/win32/message_loop.h"

namespace orv::win32 {

void DispatchWithKeyboardNavigation(MSG& msg) {
    const HWND window = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (window == nullptr || !IsDialogMessageW(window, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchWithKeyboardNavigation(msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace orv::win32
