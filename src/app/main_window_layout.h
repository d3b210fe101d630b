#pragma once
// The main window frmJubo as layout data.
#include "platform/layout.h"

namespace orv {

WindowSpec MainWindowSpec();

}  // namespace orv
