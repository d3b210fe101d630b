#include "platform/layout.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(TwipsToPixels, FifteenTwipsMakeAPixelAt96Dpi) {
    EXPECT_EQ(TwipsToPixels(0, 96), 0);
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(5880, 96), 392);  // the main window's client width
    EXPECT_EQ(TwipsToPixels(5160, 96), 344);
    EXPECT_EQ(TwipsToPixels(1695, 96), 113);
    EXPECT_EQ(TwipsToPixels(255, 96), 17);
}

TEST(TwipsToPixels, ScalesWithTheDpiAndRoundsToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(5880, 144), 588);
    EXPECT_EQ(TwipsToPixels(5160, 144), 516);
    EXPECT_EQ(TwipsToPixels(10, 144), 1);   // exactly one pixel
    EXPECT_EQ(TwipsToPixels(7, 96), 0);     // 0.47 px
    EXPECT_EQ(TwipsToPixels(8, 96), 1);     // 0.53 px
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);  // mirrors the positive case
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    EXPECT_EQ(TwipsToPixels(1440, 192), 192);
}

std::uint32_t FakeSystemColour(int index) {
    return 0xFF000000u | static_cast<std::uint32_t>(index * 0x010101);
}

TEST(OleColour, PlainColoursAreStoredBlueGreenRed) {
    EXPECT_EQ(OleColour::Hex(0xC00000).value, 0x000000C0u);
    EXPECT_EQ(OleColour::Hex(0x0000FF).value, 0x00FF0000u);
    EXPECT_EQ(OleColour::Hex(0x800000).Bgr(), 0x00000080u);
    EXPECT_FALSE(OleColour::Hex(0xFFFFFF).IsSystem());
    EXPECT_EQ(ResolveColour(OleColour::Hex(0x123456), FakeSystemColour), 0x00563412u);
}

TEST(OleColour, SystemColoursCarryTheirIndexInTheLowByte) {
    const OleColour menuText = OleColour::System(7);
    EXPECT_EQ(menuText.value, 0x80000007u);
    EXPECT_TRUE(menuText.IsSystem());
    EXPECT_EQ(menuText.SystemIndex(), 7);
    // The top byte of the system colour function's answer is not part of the colour.
    EXPECT_EQ(ResolveColour(menuText, FakeSystemColour), 0x00070707u);
    EXPECT_EQ(ResolveColour(OleColour{0x80000012u}, FakeSystemColour), 0x00121212u);
}

TEST(WindowSpec, FindsControlsByName) {
    WindowSpec layout{.name = "frmTest", .controls = {{.name = "List1"}, {.name = "Text1"}}};
    ASSERT_NE(layout.Find("Text1"), nullptr);
    EXPECT_EQ(layout.Find("Text1")->name, "Text1");
    EXPECT_EQ(layout.Find("Text9"), nullptr);
}

}  // namespace
}  // namespace orv
