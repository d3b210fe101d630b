#pragma once
// Ending the process, observable by a test: EndNow throws ProcessEnded instead of leaving.
#include "platform/process.h"

namespace orv::testing {

struct ProcessEnded {};

class FakeProcess : public Process {
  public:
    [[noreturn]] void EndNow() override {
        ++ends;
        throw ProcessEnded{};
    }
    int ends = 0;
};

}  // namespace orv::testing
