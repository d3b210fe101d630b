#include "platform/control_order.h"

#include <algorithm>

namespace orv {

std::vector<const ControlSpec*> CreationOrder(const WindowSpec& spec) {
    std::vector<const ControlSpec*> order;
    order.reserve(spec.controls.size());
    for (const auto& control : spec.controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
        const bool aTabs = a->tabIndex >= 0;
        const bool bTabs = b->tabIndex >= 0;
        if (aTabs != bTabs) {
            return aTabs;
        }
        return aTabs && a->tabIndex < b->tabIndex;
    });
    return order;
}

}  // namespace orv
