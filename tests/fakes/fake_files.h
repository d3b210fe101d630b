#pragma once
// Files kept in memory: the bytes appended to each file name. Can be made to fail, silently (as the port
// promises) or by throwing (to check that callers survive a misbehaving file system).
#include <map>
#include <stdexcept>

#include "platform/files.h"

namespace orv::testing {

class FakeFiles : public Files {
  public:
    enum class Failure { None, LosesBytes, Throws };

    void Append(const Text& fileName, const AnsiText& bytes) override {
        ++appendCalls;
        if (failure == Failure::Throws) {
            throw std::runtime_error("disk gone");
        }
        if (failure == Failure::None) {
            contents[fileName] += bytes;
        }
    }

    Failure failure = Failure::None;
    std::map<Text, AnsiText> contents;
    int appendCalls = 0;
};

}  // namespace orv::testing
