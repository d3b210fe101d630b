#pragma once
// The one barrier where a failure stops: a step that throws, whatever it throws, is abandoned at that point like
// any failed step, and what follows it runs. Window procedures, dialog procedures and timer callbacks stand
// behind it, since the system cannot unwind through its own frames; so do the steps that the program lets fail
// one at a time (start-up and shutdown, a scheme's assignments, the steps of a chat command).
#include <utility>

namespace orv {

// Runs the step; false when it threw (what it threw is dropped).
template <typename Step>
bool RunBehindBarrier(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace orv
