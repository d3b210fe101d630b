#pragma once
// The folders and files of the file system as the drive, directory and file lists show them.
#include <optional>
#include <vector>

#include "platform/text.h"

namespace orv {

class Folders {
  public:
    virtual ~Folders() = default;
    // The process's working directory, without a trailing backslash unless it is a drive root.
    virtual Text CurrentDirectory() = 0;
    // The folder that holds the program's executable, without a trailing backslash.
    virtual Text ProgramFolder() = 0;
    // The names of the folders right inside the path ("." and ".." left out), by name; none when it cannot
    // be read.
    virtual std::vector<Text> FoldersIn(const Text& path) = 0;
    // The names of the files right inside the path, by name, hidden and system files left out; none when it
    // cannot be read.
    virtual std::vector<Text> FilesIn(const Text& path) = 0;
    // The machine's drives as "c:", "d:" ...
    virtual std::vector<Text> Drives() = 0;
    // The drive's current folder (its root unless the process has been elsewhere on it); nothing when the
    // drive is not ready.
    virtual std::optional<Text> DriveFolder(const Text& drive) = 0;
};

}  // namespace orv
