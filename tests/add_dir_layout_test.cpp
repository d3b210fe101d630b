// frmAddDir's layout as far as the program uses it: the window and its directory list Dir1.
#include <gtest/gtest.h>

#include "shell/add_dir_layout.h"

namespace orv {
namespace {

TEST(AddDirLayout, IsAFixedToolWindowWithoutTaskbarButton) {
    const WindowSpec spec = AddDirWindowSpec();
    EXPECT_EQ(spec.name, "frmAddDir");
    EXPECT_EQ(spec.caption, L"Add Directory");
    EXPECT_EQ(spec.border, BorderStyle::FixedToolWindow);
    EXPECT_FALSE(spec.taskbarButton);
    EXPECT_EQ(spec.clientWidth, 2745);
    EXPECT_EQ(spec.clientHeight, 5040);
    EXPECT_EQ(spec.back, OleColour::System(12));
}

TEST(AddDirLayout, Dir1IsAFlatDarkListInsideTheWindow) {
    const WindowSpec spec = AddDirWindowSpec();
    const ControlSpec* dir1 = spec.Find("Dir1");
    ASSERT_NE(dir1, nullptr);
    EXPECT_EQ(dir1->kind, ControlKind::ListBox);
    EXPECT_TRUE(dir1->flat);
    EXPECT_EQ(dir1->back, OleColour::Hex(0x000000));
    EXPECT_EQ(dir1->fore, OleColour::Hex(0xC00000));
    EXPECT_LE(dir1->left + dir1->width, spec.clientWidth);
    EXPECT_LE(dir1->top + dir1->height, spec.clientHeight);
    EXPECT_EQ(dir1->tabIndex, 1);
}

}  // namespace
}  // namespace orv
