#pragma once
// A pop-up menu as data: items with captions, each bound to its handler, and submenus.
#include <functional>
#include <string>
#include <vector>

#include "platform/text.h"

namespace orv {

struct MenuItem {
    std::string name;
    Text caption;
    // Runs when the item is chosen, after the menu has closed; an empty handler does nothing.
    std::function<void()> onClick;
    // Not empty: the item opens this submenu and is not chosen itself.
    std::vector<MenuItem> items;
};

struct Menu {
    std::string name;
    std::vector<MenuItem> items;
};

// The item of that name anywhere in the menu or its submenus; nullptr when there is none.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, const std::string& name);

}  // namespace orv
