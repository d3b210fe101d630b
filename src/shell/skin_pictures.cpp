#include "shell/skin_pictures.h"

#include <memory>

#include "shell/skin_picture.h"

namespace orv {

SharedPicture SkinPictures::Of(std::uint32_t accentRgb) {
    SharedPicture& picture = drawn_[accentRgb];
    if (!picture) {
        picture = std::make_shared<const Picture>(DrawSkinPicture(accentRgb, 96));
    }
    return picture;
}

}  // namespace orv
