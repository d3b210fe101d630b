#pragma once
// A timer that ticks only when the test says so; records how it was started and stopped.
#include <functional>

#include "platform/timer.h"

namespace orv::testing {

class FakeTimer : public UiTimer {
  public:
    void Start(unsigned periodMs, std::function<void()> onTick) override {
        ++starts;
        period = periodMs;
        running_ = true;
        onTick_ = std::move(onTick);
    }
    void Stop() override {
        ++stops;
        running_ = false;
    }
    bool IsRunning() const override { return running_; }

    // Delivers one tick if the timer is running; returns whether it did.
    bool Fire() {
        if (!running_ || !onTick_) {
            return false;
        }
        onTick_();
        return true;
    }

    int starts = 0;
    int stops = 0;
    unsigned period = 0;

  private:
    bool running_ = false;
    std::function<void()> onTick_;
};

}  // namespace orv::testing
