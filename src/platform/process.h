#pragma once
// Ending the program at once: no window's handler runs afterwards.

namespace orv {

class Process {
public:
    virtual ~Process() = default;
    [[noreturn]] virtual void EndNow() = 0;
};

}  // namespace orv
