#pragma once
// Files kept in memory: the bytes appended to each file name. Can be made to fail, silently (as the port
// promises) or by throwing (to check that callers survive a misbehaving file system). A shared event list,
// when given, also receives each append. Reading can be cut into short pieces and made to fail part-way, and
// a large file can stand in for one too big to hold: its bytes are made as they are read.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>

#include "fakes/fake_event_list.h"
#include "platform/files.h"

namespace orv::testing {

class FakeFiles : public Files {
  public:
    enum class Failure { None, LosesBytes, Throws };
    // A file of `size` bytes that repeat `pattern` over and over.
    struct LargeFile {
        AnsiText pattern;
        std::uint64_t size;
    };

    void Append(const Text& fileName, const AnsiText& bytes) override {
        ++appendCalls;
        if (events != nullptr) {
            events->push_back("append " + std::string(fileName.begin(), fileName.end()) + " " + bytes);
        }
        if (failure == Failure::Throws) {
            throw std::runtime_error("disk gone");
        }
        if (failure == Failure::None) {
            contents[fileName] += bytes;
        }
    }

    std::unique_ptr<FileReader> OpenForReading(const Text& fileName) override {
        if (const auto large = largeFiles.find(fileName); large != largeFiles.end()) {
            ++opened;
            return std::make_unique<Reader>(*this, large->second);
        }
        const auto found = contents.find(fileName);
        if (found == contents.end()) {
            return nullptr;
        }
        ++opened;
        return std::make_unique<Reader>(*this, LargeFile{found->second, found->second.size()});
    }

    bool Replace(const Text& fileName, const AnsiText& bytes) override {
        if (failure != Failure::None) {
            return false;
        }
        contents[fileName] = bytes;
        return true;
    }

    Failure failure = Failure::None;
    std::map<Text, AnsiText> contents;
    std::map<Text, LargeFile> largeFiles;
    // Every read hands out at most this many bytes, however many are asked for.
    std::size_t mostPerRead = std::numeric_limits<std::size_t>::max();
    // A read fails once this many bytes of the file have been read.
    std::optional<std::uint64_t> readFailsAfter;
    int appendCalls = 0;
    int opened = 0;
    // Over all files and readers.
    std::uint64_t bytesRead = 0;
    FakeEventList* events = nullptr;

  private:
    class Reader : public FileReader {
      public:
        Reader(FakeFiles& files, LargeFile file) : files_(files), file_(std::move(file)) {}

        std::optional<AnsiText> Read(std::size_t most) override {
            std::uint64_t end = file_.size;
            if (files_.readFailsAfter) {
                if (offset_ >= *files_.readFailsAfter) {
                    return std::nullopt;
                }
                end = std::min(end, *files_.readFailsAfter);
            }
            const auto count =
                static_cast<std::size_t>(std::min<std::uint64_t>({end - offset_, most, files_.mostPerRead}));
            AnsiText piece;
            if (count == 0) {
                return piece;
            }
            piece.reserve(count);
            auto at = static_cast<std::size_t>(offset_ % file_.pattern.size());
            while (piece.size() < count) {
                const std::size_t part = std::min(count - piece.size(), file_.pattern.size() - at);
                piece.append(file_.pattern, at, part);
                at = 0;
            }
            offset_ += count;
            files_.bytesRead += count;
            return piece;
        }

      private:
        FakeFiles& files_;
        LargeFile file_;
        std::uint64_t offset_ = 0;
    };
};

}  // namespace orv::testing
