#pragma once
// Files the program writes and reads, by name (relative names resolve against the working directory).
#include <cstddef>
#include <memory>
#include <optional>

#include "platform/text.h"

namespace orv {

// A file open for reading, read from its start to its end in pieces, so that no file has to fit in memory.
class FileReader {
  public:
    virtual ~FileReader() = default;
    // The next bytes of the file, at most `most` of them (a piece may be shorter than asked for); an empty
    // piece at the end of the file; nothing when reading failed.
    virtual std::optional<AnsiText> Read(std::size_t most) = 0;
};

class Files {
  public:
    virtual ~Files() = default;
    // Appends the bytes, creating the file when it is missing. A failure loses the bytes silently.
    virtual void Append(const Text& fileName, const AnsiText& bytes) = 0;
    // The file, open for reading from its start; nothing when it cannot be opened.
    virtual std::unique_ptr<FileReader> OpenForReading(const Text& fileName) = 0;
    // Writes the bytes beside the file and puts them in its place only once they are all written, so that
    // a failure leaves the old file as it was. False on failure.
    virtual bool Replace(const Text& fileName, const AnsiText& bytes) = 0;
};

}  // namespace orv
