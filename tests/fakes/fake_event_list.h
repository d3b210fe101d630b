#pragma once
// One list of what several fakes saw, in the order it happened, for tests of the order between ports (a
// message to a window, then a line appended to a file, ...).
#include <string>
#include <vector>

namespace orv::testing {

using FakeEventList = std::vector<std::string>;

}  // namespace orv::testing
