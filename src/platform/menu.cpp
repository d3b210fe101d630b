#include "platform/menu.h"

namespace orv {

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, const std::string& name) {
    for (const auto& item : items) {
        if (item.name == name) {
            return &item;
        }
        if (const MenuItem* inner = FindMenuItem(item.items, name)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace orv
