#pragma once
// The credits window Form2 ("Credits") as layout data: a title and four lines, one for each of the people who
// made the program.
#include "platform/layout.h"

namespace orv {

WindowSpec CreditsWindowSpec();

}  // namespace orv
