#pragma once
// A picture the program draws itself: 32-bit pixels, rows from the top, each pixel 0xAARRGGBB with the alpha
// byte 0xFF where the picture is opaque and 0 where it is transparent.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row after row from the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace orv
