#include "shell/skin_picture.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The lettering's glyphs on a grid of 5 x 7 cells, '#' inked.
struct Glyph {
    char letter;
    const char* rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
};
constexpr char kName[] = "Orv Jubo";
constexpr int kGlyphColumns = 5, kGlyphRows = 7, kAdvance = 6;

const Glyph* GlyphOf(char letter) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

// Whether the lettering inks the cell (column, row) of the whole name; outside the name nothing is inked.
bool Inked(int column, int row) {
    if (column < 0 || row < 0 || row >= kGlyphRows) {
        return false;
    }
    const int index = column / kAdvance;
    const int inGlyph = column % kAdvance;
    if (index >= static_cast<int>(sizeof kName) - 1 || inGlyph >= kGlyphColumns) {
        return false;
    }
    const Glyph* glyph = GlyphOf(kName[index]);
    return glyph != nullptr && glyph->rows[row][inGlyph] == '#';
}

// The swirl texture's brightness, 0 to 1, at a point in 96-DPI pixel units.
double Swirl(double x, double y) {
    // Vortices that twist the plane round their centres, strongest at the centre.
    struct Vortex {
        double x, y, radius, turn;
    };
    constexpr Vortex kVortices[] = {
        {95, 90, 120, 3.2},  {300, 70, 95, -2.6}, {230, 230, 130, 2.4},
        {60, 270, 90, -2.0}, {360, 300, 80, 1.8},
    };
    for (const Vortex& vortex : kVortices) {
        const double dx = x - vortex.x, dy = y - vortex.y;
        const double reach = (dx * dx + dy * dy) / (vortex.radius * vortex.radius);
        // Beyond three radii a vortex turns the plane by less than a thousandth of a radian.
        if (reach > 9) {
            continue;
        }
        const double angle = vortex.turn * std::exp(-reach);
        const double c = std::cos(angle), s = std::sin(angle);
        x = vortex.x + dx * c - dy * s;
        y = vortex.y + dx * s + dy * c;
    }
    // Fine bands across the twisted plane, a second finer set across them, and a slow swell that leaves
    // patches of the picture dark.
    const double bands = 0.5 + 0.5 * std::sin(x * 0.11 + 1.6 * std::sin(y * 0.023));
    const double fine = 0.5 + 0.5 * std::sin(y * 0.19 + 1.1 * std::sin(x * 0.031 + 0.5));
    const double swell = 0.5 + 0.5 * std::sin(x * 0.017 + y * 0.013 + 0.8) * std::cos(y * 0.021 - 0.4);
    const double bands2 = bands * bands, bands6 = bands2 * bands2 * bands2;
    const double fine4 = fine * fine * fine * fine;
    const double value = bands6 * bands * (0.35 + 0.65 * swell) + 0.35 * fine4 * fine4 * fine4 * swell;
    return std::clamp(value, 0.0, 1.0);
}

// A sample's colour as shares of the accent colour and of white.
struct Tint {
    double accent = 0;
    double white = 0;
};

// The slanted grid of the lettering's cells, in 96-DPI units: the name ends 14 units from the right and
// bottom edges.
constexpr double kCell = 3.5;
constexpr double kSlant = 0.22;
constexpr double kNameLeft = kSkinPictureWidth - 16 - kCell * (kAdvance * (sizeof kName - 1) - 1);
constexpr double kNameBottom = kSkinPictureHeight - 14;

// The tint at a point whose swirl brightness is v. The texture changes slowly from pixel to pixel, so the
// caller samples it once a pixel; the lettering's edges are sharp, so they are sampled finer.
Tint TintAt(double x, double y, double v) {
    // Position in the lettering's grid, in cells.
    const double u = (x - kNameLeft + (y - kNameBottom) * kSlant) / kCell;
    const double w = (y - kNameBottom) / kCell + kGlyphRows;
    const int column = static_cast<int>(std::floor(u));
    const int row = static_cast<int>(std::floor(w));
    if (Inked(column, row)) {
        return {.accent = 0.45, .white = 0.55};
    }
    // The accent colour, towards white on the brightest crests.
    const double glow = v * v * v * v * 0.35;
    Tint tint{.accent = v * (1 - glow), .white = v * glow};
    if (row < -2 || row > kGlyphRows + 1 || column < -2) {
        return tint;
    }
    // A soft shadow round the letters keeps them legible on any part of the texture.
    double nearest = 3;
    for (int r = row - 2; r <= row + 2; ++r) {
        for (int c = column - 2; c <= column + 2; ++c) {
            if (Inked(c, r)) {
                const double dx = std::max({c - u, 0.0, u - (c + 1)});
                const double dy = std::max({r - w, 0.0, w - (r + 1)});
                nearest = std::min(nearest, std::sqrt(dx * dx + dy * dy));
            }
        }
    }
    const double t = std::clamp((nearest - 0.4) / 1.6, 0.0, 1.0);
    const double shade = 0.08 + 0.92 * t * t * (3 - 2 * t);
    return {.accent = tint.accent * shade, .white = tint.white * shade};
}

// Whether a pixel at (x, y), in 96-DPI units, lies in or near the lettering (its shadow included).
bool NearTheName(double x, double y) {
    constexpr double kMargin = 3 * kCell;
    return y >= kNameBottom - kGlyphRows * kCell - kMargin &&
           x >= kNameLeft - kSlant * kGlyphRows * kCell - kMargin;
}

std::uint32_t Channel(double accent, const Tint& tint) {
    const double value = accent * tint.accent + 255.0 * tint.white;
    return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

Picture DrawSkinPicture(std::uint32_t accentRgb, int dpi) {
    Picture picture;
    picture.width = (kSkinPictureWidth * dpi + 48) / 96;
    picture.height = (kSkinPictureHeight * dpi + 48) / 96;
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);

    const double red = (accentRgb >> 16) & 0xFF, green = (accentRgb >> 8) & 0xFF, blue = accentRgb & 0xFF;
    const double scale = 96.0 / dpi;  // picture pixels to 96-DPI units

    // Near the lettering each pixel is the mean of 2 x 2 samples, which keeps the letters' edges smooth.
    constexpr int kSamples = 2;
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            const double x = (px + 0.5) * scale, y = (py + 0.5) * scale;
            const double v = Swirl(x, y);
            Tint mean;
            if (NearTheName(x, y)) {
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const Tint tint = TintAt((px + (sx + 0.5) / kSamples) * scale,
                                                 (py + (sy + 0.5) / kSamples) * scale, v);
                        mean.accent += tint.accent / (kSamples * kSamples);
                        mean.white += tint.white / (kSamples * kSamples);
                    }
                }
            } else {
                mean = TintAt(x, y, v);
            }
            picture.pixels[static_cast<std::size_t>(py) * picture.width + px] =
                0xFF000000u | (Channel(red, mean) << 16) | (Channel(green, mean) << 8) | Channel(blue, mean);
        }
    }
    return picture;
}

}  // namespace orv
