#include "shell/program_icon.h"

#include <cstdint>

namespace orv {

namespace {

// The icon pixel by pixel: '.' transparent, 'k' black, 'd' dark red, 'R' red, 'r' bright red, 'w' white.
constexpr const char* kRows[kProgramIconSize] = {
    ".....kkkkkk.....", "...kkrrrrRRkk...", "..krrRkkkkkRdk..", ".krRkkkkkwwkkdk.",
    ".kRkkdRRkwkwkkk.", "krRkdRkkkwkkwkRk", "krkkRkkkkwkkkkRk", "kRkdRkkkkwkkkkRk",
    "kRkRkkkwwwkkkdRk", "kRkRkkwwwwkkkRrk", "kRkdRkkwwkkkRRrk", ".kdkRRkkkkkRRrk.",
    ".kkdkkRRRRRrrk..", "..kkddkkkkkrk...", "...kkkdRRRRkk...", ".....kkkkkk.....",
};

std::uint32_t ColourOf(char pixel) {
    switch (pixel) {
        case 'k':
            return 0xFF000000u;
        case 'd':
            return 0xFF800000u;
        case 'R':
            return 0xFFC00000u;
        case 'r':
            return 0xFFFF0000u;
        case 'w':
            return 0xFFFFFFFFu;
        default:
            return 0;
    }
}

}  // namespace

Picture DrawProgramIcon() {
    Picture icon{.width = kProgramIconSize, .height = kProgramIconSize};
    for (const char* row : kRows) {
        for (int x = 0; x < kProgramIconSize; ++x) {
            icon.pixels.push_back(ColourOf(row[x]));
        }
    }
    return icon;
}

}  // namespace orv
