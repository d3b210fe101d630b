#include "shell/icon_file.h"

#include <algorithm>

namespace orv {

namespace {

constexpr int kPaletteSize = 256;
constexpr std::uint32_t kHeaderSize = 6 + 16;  // the file header and its one directory entry
constexpr std::uint32_t kInfoSize = 40;        // BITMAPINFOHEADER

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

bool Opaque(std::uint32_t pixel) {
    return (pixel >> 24) != 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 || picture.width > 256 || picture.height > 256) {
        return {};
    }
    // The palette: black first (under the mask), then each opaque colour in the order it first appears.
    std::vector<std::uint32_t> palette{0};
    for (std::uint32_t pixel : picture.pixels) {
        const std::uint32_t rgb = pixel & 0xFFFFFFu;
        if (Opaque(pixel) && std::find(palette.begin(), palette.end(), rgb) == palette.end()) {
            palette.push_back(rgb);
        }
    }
    if (palette.size() > kPaletteSize) {
        return {};
    }
    palette.resize(kPaletteSize, 0);

    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t colourStride = (width + 3) / 4 * 4;
    const std::uint32_t maskStride = (width + 31) / 32 * 4;
    const std::uint32_t imageSize = kInfoSize + kPaletteSize * 4 + (colourStride + maskStride) * height;

    std::vector<std::uint8_t> out;
    Put16(out, 0);                                          // reserved
    Put16(out, 1);                                          // an icon
    Put16(out, 1);                                          // one image
    out.push_back(static_cast<std::uint8_t>(width % 256));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(height % 256));
    out.push_back(0);  // 256 colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 8);  // bits per pixel
    Put32(out, imageSize);
    Put32(out, kHeaderSize);

    Put32(out, kInfoSize);
    Put32(out, width);
    Put32(out, height * 2);  // the colour image and the mask
    Put16(out, 1);
    Put16(out, 8);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);  // no compression, sizes and resolutions left to the reader
    }
    for (std::uint32_t rgb : palette) {
        Put32(out, rgb);  // blue, green, red, reserved
    }
    // Rows from the bottom up.
    for (std::uint32_t row = height; row-- > 0;) {
        for (std::uint32_t x = 0; x < colourStride; ++x) {
            const std::uint32_t pixel =
                x < width ? picture.At(static_cast<int>(x), static_cast<int>(row)) : 0;
            const auto index =
                Opaque(pixel) ? std::find(palette.begin(), palette.end(), pixel & 0xFFFFFFu) - palette.begin()
                              : 0;
            out.push_back(static_cast<std::uint8_t>(index));
        }
    }
    for (std::uint32_t row = height; row-- > 0;) {
        std::vector<std::uint8_t> mask(maskStride, 0);
        for (std::uint32_t x = 0; x < width; ++x) {
            if (!Opaque(picture.At(static_cast<int>(x), static_cast<int>(row)))) {
                mask[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

}  // namespace orv
