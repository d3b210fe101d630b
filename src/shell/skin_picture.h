#pragma once
// The background picture of a colour scheme: a swirl texture in the scheme's accent colour on black with the
// program's name lettered in the lower right. 392 x 323 pixels at 96 DPI, scaled with the DPI.
#include <cstdint>

#include "platform/picture.h"

namespace orv {

// The picture's size in pixels at 96 DPI.
constexpr int kSkinPictureWidth = 392;
constexpr int kSkinPictureHeight = 323;

// accentRgb is 0x00RRGGBB.
Picture DrawSkinPicture(std::uint32_t accentRgb, int dpi);

}  // namespace orv
