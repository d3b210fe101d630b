#include "platform/layout.h"

namespace orv {

int TwipsToPixels(int twips, int dpi) {
    // Round half away from zero so that negative positions mirror positive ones.
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

std::uint32_t ResolveColour(OleColour colour, std::uint32_t (*systemColour)(int index)) {
    if (colour.IsSystem()) {
        return systemColour ? systemColour(colour.SystemIndex()) & 0x00FFFFFFu : 0u;
    }
    return colour.Bgr();
}

const ControlSpec* WindowSpec::Find(const std::string& controlName) const {
    for (const auto& c : controls) {
        if (c.name == controlName) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace orv
