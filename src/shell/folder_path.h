#pragma once
// Paths as the directory list walks them: the folders from the root down to a path, and a subfolder's path.
#include <vector>

#include "platform/text.h"

namespace orv {

// The root ("C:\" or "\\server\share") and each folder below it down to the path itself, as full paths.
std::vector<Text> PathSteps(const Text& path);
// The last part of a step's path, the root as it is: what the directory list shows for it.
Text StepName(const Text& step);
// The subfolder's path: the path, one backslash, the name.
Text SubfolderPath(const Text& path, const Text& name);
// The drive ("c:") a path lies on, lower case; empty for a network path.
Text DriveOf(const Text& path);

}  // namespace orv
