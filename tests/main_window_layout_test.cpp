// Faults a layout table can carry: controls outside the window, clashing tab indexes or names.
#include <gtest/gtest.h>

#include <set>

#include "app/main_window_layout.h"
#include "platform/control_order.h"

namespace orv {
namespace {

void ExpectSoundLayout(const WindowSpec& layout) {
    std::set<std::string> names;
    std::set<int> tabIndexes;
    for (const auto& control : layout.controls) {
        SCOPED_TRACE(control.name);
        EXPECT_TRUE(names.insert(control.name).second) << "name used twice";
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(tabIndexes.insert(control.tabIndex).second) << "tab index used twice";
        }
        EXPECT_GE(control.left, 0);
        EXPECT_GE(control.top, 0);
        EXPECT_GE(control.width, 0);
        EXPECT_GE(control.height, 0);
        // The designer lets a control overhang the client area by a pixel's width (15 twips) at most.
        EXPECT_LE(control.left + control.width, layout.clientWidth + 15);
        EXPECT_LE(control.top + control.height, layout.clientHeight + 15);
    }
}

TEST(MainWindowLayout, ControlsLieInsideTheClientAreaWithUniqueNamesAndTabIndexes) {
    ExpectSoundLayout(MainWindowSpec());
}

TEST(CreationOrder, FollowsTheTabIndexesThenTheControlsWithoutATabStopThenTheLabelsLastOnTop) {
    const WindowSpec layout{.controls = {{.name = "lineA", .kind = ControlKind::Line, .tabIndex = -1},
                                         {.name = "label3", .kind = ControlKind::Label, .tabIndex = 3},
                                         {.name = "tab2", .kind = ControlKind::TextBox, .tabIndex = 2},
                                         {.name = "label0", .kind = ControlKind::Label, .tabIndex = 0},
                                         {.name = "tab0", .kind = ControlKind::CheckBox, .tabIndex = 0},
                                         {.name = "lineB", .kind = ControlKind::Line, .tabIndex = -1},
                                         {.name = "tab1", .kind = ControlKind::PushButton, .tabIndex = 1},
                                         {.name = "tab22", .kind = ControlKind::Panel, .tabIndex = 22}}};
    std::vector<std::string> names;
    for (const ControlSpec* control : CreationOrder(layout)) {
        names.push_back(control->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"tab0", "tab1", "tab2", "tab22", "lineA", "lineB", "label3",
                                               "label0"}));
}

}  // namespace
}  // namespace orv
