#include "platform/control_order.h"

#include <algorithm>

namespace orv {

namespace {

// 0: controls with a tab index; 1: those without; 2: labels, which lie under every other control.
int Layer(const ControlSpec& control) {
    if (control.kind == ControlKind::Label) {
        return 2;
    }
    return control.tabIndex >= 0 ? 0 : 1;
}

}  // namespace

std::vector<const ControlSpec*> CreationOrder(const WindowSpec& layout) {
    std::vector<const ControlSpec*> order;
    order.reserve(layout.controls.size());
    for (const auto& control : layout.controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlSpec* a, const ControlSpec* b) {
        const int aLayer = Layer(*a), bLayer = Layer(*b);
        if (aLayer != bLayer) {
            return aLayer < bLayer;
        }
        if (aLayer == 0) {
            return a->tabIndex < b->tabIndex;
        }
        // A label later in the tab order lies over the ones before it.
        return aLayer == 2 && a->tabIndex > b->tabIndex;
    });
    return order;
}

}  // namespace orv
