#include "platform/win32/win32_handler_queue.h"

#include "platform/exception_barrier.h"

namespace orv::win32 {

Win32HandlerQueue::Win32HandlerQueue() {
    CreateBaseWindow({.className = L"OrvJubo.PostedHandlers", .style = 0, .parent = HWND_MESSAGE});
}

Win32HandlerQueue::~Win32HandlerQueue() {
    DestroyBaseWindow();
}

void Win32HandlerQueue::Post(std::function<void()> handler) {
    if (Handle() == nullptr || !PostMessageW(Handle(), kRunPostedMessage, 0, 0)) {
        // Without a window to post to, the handler runs now rather than never.
        RunBehindBarrier(handler);
        return;
    }
    posted_.push_back(std::move(handler));
}

LRESULT Win32HandlerQueue::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunPostedMessage) {
        return DefaultHandling(message, wParam, lParam);
    }
    // One message per handler, so the handlers keep their order and other messages come between them.
    if (!posted_.empty()) {
        const auto handler = std::move(posted_.front());
        posted_.pop_front();
        RunBehindBarrier(handler);
    }
    return 0;
}

}  // namespace orv::win32
