#include "platform/win32/win32_ui_timer.h"

#include "platform/exception_barrier.h"

namespace orv::win32 {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Win32UiTimer::Win32UiTimer() {
    CreateBaseWindow({.className = L"OrvJubo.Timer", .style = 0, .parent = HWND_MESSAGE});
}

void Win32UiTimer::Start(unsigned periodMs, std::function<void()> onTick) {
    onTick_ = std::move(onTick);
    // Setting the same identifier again replaces the period and restarts the count.
    running_ = SetTimer(Handle(), kTimerId, periodMs, nullptr) != 0;
}

void Win32UiTimer::Stop() {
    KillTimer(Handle(), kTimerId);
    running_ = false;
}

LRESULT Win32UiTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (running_ && onTick_) {
            // A copy: the tick may stop or restart the timer with another handler.
            const auto tick = onTick_;
            RunBehindBarrier(tick);
        }
        return 0;
    }
    return BaseWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace orv::win32
