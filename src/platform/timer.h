#pragma once
// A periodic timer whose ticks arrive on the user-interface thread, between other events.
#include <functional>

namespace orv {

class UiTimer {
public:
    virtual ~UiTimer() = default;
    // Starts (or restarts) ticking every periodMs milliseconds.
    virtual void Start(unsigned periodMs, std::function<void()> onTick) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

}  // namespace orv
