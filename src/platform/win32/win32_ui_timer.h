#pragma once
// A timer on a hidden message-only window of the user-interface thread: ticks arrive through that thread's
// message loop, between other events.
#include <functional>

#include "platform/timer.h"
#include "platform/win32/base_window.h"

namespace orv::win32 {

class Win32UiTimer : public UiTimer, private BaseWindow {
  public:
    // Creates the hidden window; call on the user-interface thread.
    Win32UiTimer();

    void Start(unsigned periodMs, std::function<void()> onTick) override;
    void Stop() override;
    bool IsRunning() const override { return running_; }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::function<void()> onTick_;
    bool running_ = false;
};

}  // namespace orv::win32
