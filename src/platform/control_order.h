#pragma once
// The order in which a window's controls are created, which is also their z-order and the tab order of those
// that take the focus. Labels lie under every other control, as if painted on the window itself, so that a
// label that overlaps a text box or check box never hides it.
#include <vector>

#include "platform/layout.h"

namespace orv {

// Controls with a tab index, by tab index; then those without one, in the order of the layout data; then the
// labels, each over the ones before it in the tab order.
std::vector<const ControlSpec*> CreationOrder(const WindowSpec& layout);

}  // namespace orv
