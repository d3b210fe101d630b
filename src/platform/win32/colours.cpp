#include "platform/win32/colours.h"

namespace orv::win32 {

namespace {
std::uint32_t SystemColour(int index) {
    return static_cast<std::uint32_t>(GetSysColor(index));
}
}  // namespace

COLORREF ToColorRef(OleColour colour) {
    return static_cast<COLORREF>(ResolveColour(colour, &SystemColour));
}

}  // namespace orv::win32
