#pragma once
// No exception may leave a window procedure, a dialog procedure or a timer callback: the system cannot
// unwind through its own frames. A handler that throws is abandoned at that point, like any failed step.
#include <utility>

namespace orv::win32 {

// Runs the action; returns false when it threw (the exception is dropped).
template <typename Action>
bool RunBehindBarrier(Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace orv::win32
