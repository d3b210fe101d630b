#pragma once
// The order in which a window's controls are created, which is also their z-order and their tab order.
#include <vector>

#include "platform/layout.h"

namespace orv {

// Controls with a tab index, by tab index; then those without one, in the order of the layout data.
std::vector<const ControlSpec*> CreationOrder(const WindowSpec& spec);

}  // namespace orv
