#pragma once
// The file system's folders through FindFirstFileW and the process's working directory.
#include "platform/folders.h"

namespace orv::win32 {

class Win32Folders : public Folders {
  public:
    Text CurrentDirectory() override;
    std::vector<Text> FoldersIn(const Text& path) override;
};

}  // namespace orv::win32
