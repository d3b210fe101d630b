#pragma once
// Files the program writes and reads, by name (relative names resolve against the working directory).
#include "platform/text.h"

namespace orv {

class Files {
public:
    virtual ~Files() = default;
    // Appends the bytes, creating the file when it is missing. A failure loses the bytes silently.
    virtual void Append(const Text& fileName, const AnsiText& bytes) = 0;
};

}  // namespace orv
