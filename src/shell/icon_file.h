#pragma once
// Writes a picture as the bytes of an icon file (.ico) holding one 256-colour image: the form the program's
// resources take its icon in.
#include <cstdint>
#include <vector>

#include "platform/picture.h"

namespace orv {

// Transparent pixels (alpha 0) go to the icon's mask. Empty when the picture has more than 256 opaque
// colours or is larger than 256 pixels either way.
std::vector<std::uint8_t> EncodeIconFile(const Picture& picture);

}  // namespace orv
