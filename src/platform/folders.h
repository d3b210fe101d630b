#pragma once
// The folders of the file system as a directory list shows them.
#include <vector>

#include "platform/text.h"

namespace orv {

class Folders {
  public:
    virtual ~Folders() = default;
    // The process's working directory, without a trailing backslash unless it is a drive root.
    virtual Text CurrentDirectory() = 0;
    // The names of the folders right inside the path ("." and ".." left out); none when it cannot be read.
    virtual std::vector<Text> FoldersIn(const Text& path) = 0;
};

}  // namespace orv
