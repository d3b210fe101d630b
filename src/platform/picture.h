#pragma once
// A picture the program draws itself (a window's background): pixels at 96 DPI, scaled with the window's DPI.
#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

struct Bitmap {
    int width = 0;
    int height = 0;
    // Rows from the top, each pixel 0x00RRGGBB.
    std::vector<std::uint32_t> pixels;
};

// Shared and never changed once made; empty means no picture.
using Picture = std::shared_ptr<const Bitmap>;

}  // namespace orv
