#pragma once
// The colour schemes' background pictures, each drawn the first time a window needs it and then shared by
// every window that shows it.
#include <cstdint>
#include <map>

#include "platform/form.h"

namespace orv {

// The accent of the red scheme, whose picture is frmJubo's background at start-up.
constexpr std::uint32_t kStartUpSkinAccent = 0xFF0000;

class SkinPictures {
  public:
    // The picture of the scheme whose accent is accentRgb (0x00RRGGBB), at 96 DPI: a window scales it to its
    // own DPI.
    SharedPicture Of(std::uint32_t accentRgb);

  private:
    std::map<std::uint32_t, SharedPicture> drawn_;
};

}  // namespace orv
