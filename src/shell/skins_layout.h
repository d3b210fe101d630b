#pragma once
// The skin chooser Form3 as layout data: the list of the colour schemes and "OK".
#include "platform/layout.h"

namespace orv {

WindowSpec SkinsWindowSpec();

}  // namespace orv
