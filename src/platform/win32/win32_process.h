#pragma once
#include "platform/process.h"

namespace orv::win32 {

// Ends the process with exit code 0; no window's handler runs afterwards.
class Win32Process : public Process {
  public:
    [[noreturn]] void EndNow() override;
};

}  // namespace orv::win32
