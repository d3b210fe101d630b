#pragma once
#include "platform/files.h"

namespace orv::win32 {

// Appends through CreateFileW with append access, creating the file when it is missing; reads whole files;
// replaces a file through a temporary one in its folder.
class Win32Files : public Files {
  public:
    void Append(const Text& fileName, const AnsiText& bytes) override;
    std::optional<AnsiText> ReadAll(const Text& fileName) override;
    bool Replace(const Text& fileName, const AnsiText& bytes) override;
};

}  // namespace orv::win32
