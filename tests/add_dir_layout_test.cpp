// frmAddDir's layout as far as the program uses it: the window and its directory list Dir1.
#include <gtest/gtest.h>

#include "shell/add_dir_layout.h"

namespace orv {
namespace {

TEST(AddDirLayout, IsAFixedToolWindowWithoutTaskbarButton) {
    const WindowSpec layout = AddDirWindowSpec();
    EXPECT_EQ(layout.name, "frmAddDir");
    EXPECT_EQ(layout.caption, L"Add Directory");
    EXPECT_EQ(layout.border, BorderStyle::FixedToolWindow);
    EXPECT_FALSE(layout.taskbarButton);
    EXPECT_EQ(layout.clientWidth, 2745);
    EXPECT_EQ(layout.clientHeight, 5040);
    EXPECT_EQ(layout.back, OleColour::System(12));
}

TEST(AddDirLayout, Dir1IsAFlatDarkListInsideTheWindow) {
    const WindowSpec layout = AddDirWindowSpec();
    const ControlSpec* dir1 = layout.Find("Dir1");
    ASSERT_NE(dir1, nullptr);
    EXPECT_EQ(dir1->kind, ControlKind::ListBox);
    EXPECT_TRUE(dir1->flat);
    EXPECT_EQ(dir1->back, OleColour::Hex(0x000000));
    EXPECT_EQ(dir1->fore, OleColour::Hex(0xC00000));
    EXPECT_LE(dir1->left + dir1->width, layout.clientWidth);
    EXPECT_LE(dir1->top + dir1->height, layout.clientHeight);
    EXPECT_EQ(dir1->tabIndex, 1);
}

}  // namespace
}  // namespace orv
