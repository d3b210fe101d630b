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

TEST(MainWindowLayout, IsTheFixedWindowOfTheRightSizeAndCaption) {
    const WindowSpec layout = MainWindowSpec();
    EXPECT_EQ(layout.name, "frmJubo");
    EXPECT_EQ(layout.caption, L"Orv Jubo 2.1");
    EXPECT_EQ(layout.clientWidth, 5880);
    EXPECT_EQ(layout.clientHeight, 5160);
    EXPECT_EQ(layout.border, BorderStyle::FixedSingle);
    EXPECT_TRUE(layout.taskbarButton);
}

TEST(MainWindowLayout, TheTextBoxesOtherPartsReadAreThere) {
    const WindowSpec layout = MainWindowSpec();
    const ControlSpec* text1 = layout.Find("Text1");
    const ControlSpec* text2 = layout.Find("Text2");
    const ControlSpec* text3 = layout.Find("Text3");
    ASSERT_NE(text1, nullptr);
    ASSERT_NE(text2, nullptr);
    ASSERT_NE(text3, nullptr);
    for (const ControlSpec* box : {text1, text2, text3}) {
        EXPECT_EQ(box->kind, ControlKind::TextBox) << box->name;
    }
    EXPECT_FALSE(text1->enabled);
    EXPECT_EQ(text1->caption, L"");
    EXPECT_FALSE(text2->visible);
    EXPECT_EQ(text2->caption, L"Text2");
    EXPECT_FALSE(text3->visible);
    EXPECT_EQ(text3->caption, L"Text3");
}

TEST(CreationOrder, FollowsTheTabIndexesThenTheControlsWithoutATabStopInTheirOrder) {
    const WindowSpec layout{.controls = {{.name = "lineA", .tabIndex = -1},
                                         {.name = "tab2", .tabIndex = 2},
                                         {.name = "tab0", .tabIndex = 0},
                                         {.name = "lineB", .tabIndex = -1},
                                         {.name = "tab1", .tabIndex = 1},
                                         {.name = "tab22", .tabIndex = 22}}};
    std::vector<std::string> names;
    for (const ControlSpec* control : CreationOrder(layout)) {
        names.push_back(control->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"tab0", "tab1", "tab2", "tab22", "lineA", "lineB"}));
}

}  // namespace
}  // namespace orv
