#pragma once
#include <functional>

#include "platform/process.h"

namespace orv::win32 {

// Ends the process with exit code 0; no window's handler runs afterwards.
class Win32Process : public Process {
  public:
    [[noreturn]] void EndNow() override;

    // Run first by EndNow, to let go of what must not be cut off (it must run no window's handler).
    std::function<void()> beforeEnd;
};

}  // namespace orv::win32
