#pragma once
// The file system's drives, folders and files through FindFirstFileW, the process's working directory and
// the program's own folder.
#include "platform/folders.h"

namespace orv::win32 {

class Win32Folders : public Folders {
  public:
    Text CurrentDirectory() override;
    Text ProgramFolder() override;
    std::vector<Text> FoldersIn(const Text& path) override;
    std::vector<Text> FilesIn(const Text& path) override;
    std::vector<Text> Drives() override;
    std::optional<Text> DriveFolder(const Text& drive) override;
};

}  // namespace orv::win32
