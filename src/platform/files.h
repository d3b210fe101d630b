#pragma once
// Files the program writes and reads, by name (relative names resolve against the working directory).
#include <optional>

#include "platform/text.h"

namespace orv {

class Files {
  public:
    virtual ~Files() = default;
    // Appends the bytes, creating the file when it is missing. A failure loses the bytes silently.
    virtual void Append(const Text& fileName, const AnsiText& bytes) = 0;
    // The whole file; nothing when it cannot be opened or read.
    virtual std::optional<AnsiText> ReadAll(const Text& fileName) = 0;
    // Writes the bytes beside the file and puts them in its place only once they are all written, so that
    // a failure leaves the old file as it was. False on failure.
    virtual bool Replace(const Text& fileName, const AnsiText& bytes) = 0;
};

}  // namespace orv
