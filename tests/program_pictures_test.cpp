// The pictures the program draws itself: the schemes' backgrounds and the icon in its committed file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "shell/icon_file.h"
#include "shell/program_icon.h"
#include "shell/skin_picture.h"

namespace orv {
namespace {

int Red(std::uint32_t p) {
    return (p >> 16) & 0xFF;
}
int Green(std::uint32_t p) {
    return (p >> 8) & 0xFF;
}
int Blue(std::uint32_t p) {
    return p & 0xFF;
}

// Hue in degrees of a colour that is not grey.
double Hue(int r, int g, int b) {
    return std::fmod(std::atan2(std::sqrt(3.0) * (g - b), 2.0 * r - g - b) * 180 / 3.14159265358979 + 360,
                     360);
}

struct Scheme {
    const char* name;
    std::uint32_t accent;
    int dpi;
    int width, height;
};

TEST(SkinPicture, IsADarkSwirlInTheAccentsHueWithTheNameInTheLowerRight) {
    for (const Scheme& scheme :
         {Scheme{"red", 0xFF0000, 96, 392, 323}, Scheme{"yellow", 0xFFFF00, 144, 588, 485}}) {
        SCOPED_TRACE(scheme.name);
        const Picture picture = DrawSkinPicture(scheme.accent, scheme.dpi);
        ASSERT_EQ(picture.width, scheme.width);
        ASSERT_EQ(picture.height, scheme.height);
        ASSERT_EQ(picture.pixels.size(), static_cast<size_t>(scheme.width) * scheme.height);

        const double accentHue = Hue(Red(scheme.accent), Green(scheme.accent), Blue(scheme.accent));
        int dark = 0, accentHued = 0, light = 0, lightOutsideName = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t p = picture.At(x, y);
                EXPECT_EQ(p >> 24, 0xFFu) << "opaque at " << x << "," << y;
                const int r = Red(p), g = Green(p), b = Blue(p);
                const int high = std::max({r, g, b}), low = std::min({r, g, b});
                dark += high < 48;
                accentHued += high >= 96 && high - low >= 48 && std::abs(Hue(r, g, b) - accentHue) < 8;
                // Only the letters are pale: the texture keeps most of its colour even on its crests.
                if (low >= 110) {
                    ++light;
                    const bool inName = x * 96 >= 200 * scheme.dpi && y * 96 >= 280 * scheme.dpi;
                    lightOutsideName += !inName;
                }
            }
        }
        const int all = picture.width * picture.height;
        EXPECT_GT(dark, all / 2);
        EXPECT_GT(accentHued, all / 10);
        EXPECT_GT(light, all / 200);
        EXPECT_EQ(lightOutsideName, 0);
    }
    EXPECT_EQ(DrawSkinPicture(0x0000C0, 96).pixels, DrawSkinPicture(0x0000C0, 96).pixels);
}

TEST(ProgramIcon, TheCommittedIconFileIsTheProgramsOwnDrawing) {
    const Picture icon = DrawProgramIcon();
    ASSERT_EQ(icon.width, 16);
    ASSERT_EQ(icon.height, 16);
    const std::vector<std::uint8_t> expected = EncodeIconFile(icon);
    // One 16 x 16 image of 8 bits per pixel: headers, a palette of 256, the pixels and the mask.
    ASSERT_EQ(expected.size(), 6u + 16 + 40 + 1024 + 256 + 64);
    EXPECT_EQ(expected[2], 1);   // an icon
    EXPECT_EQ(expected[4], 1);   // one image
    EXPECT_EQ(expected[6], 16);  // 16 wide
    EXPECT_EQ(expected[12], 8);  // bits per pixel
    // Corners are transparent, the middle is not.
    EXPECT_EQ(icon.At(0, 0) >> 24, 0u);
    EXPECT_EQ(icon.At(15, 15) >> 24, 0u);
    EXPECT_EQ(icon.At(8, 8) >> 24, 0xFFu);

    std::ifstream file(ORVJUBO_SOURCE_DIR "/src/app/orvjubo.ico", std::ios::binary);
    ASSERT_TRUE(file.is_open());
    const std::vector<std::uint8_t> committed{std::istreambuf_iterator<char>(file),
                                              std::istreambuf_iterator<char>()};
    EXPECT_EQ(committed, expected) << "regenerate it with tools/icongen";
}

}  // namespace
}  // namespace orv
