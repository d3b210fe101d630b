#pragma once
#include "platform/files.h"

namespace orv::win32 {

// Appends through CreateFileW with append access, creating the file when it is missing; reads files in
// pieces; replaces a file through a temporary one in its folder. Sizes of any length are written and read in
// pieces that a single call can take.
class Win32Files : public Files {
  public:
    void Append(const Text& fileName, const AnsiText& bytes) override;
    std::unique_ptr<FileReader> OpenForReading(const Text& fileName) override;
    bool Replace(const Text& fileName, const AnsiText& bytes) override;
};

}  // namespace orv::win32
