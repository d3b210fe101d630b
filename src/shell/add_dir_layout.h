#pragma once
// The add-directory dialog frmAddDir ("Add Directory") as layout data: the drive list, the directory list
// whose path is the playlist's current directory, the file list, "OK" and "Cancel".
#include "platform/layout.h"

namespace orv {

WindowSpec AddDirWindowSpec();

}  // namespace orv
