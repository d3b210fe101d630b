#pragma once
// Files kept in memory: the bytes appended to each file name. Can be made to fail, silently (as the port
// promises) or by throwing (to check that callers survive a misbehaving file system). A shared event list,
// when given, also receives each append.
#include <map>
#include <optional>
#include <stdexcept>

#include "fakes/fake_event_list.h"
#include "platform/files.h"

namespace orv::testing {

class FakeFiles : public Files {
  public:
    enum class Failure { None, LosesBytes, Throws };

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

    std::optional<AnsiText> ReadAll(const Text& fileName) override {
        const auto found = contents.find(fileName);
        return found == contents.end() ? std::nullopt : std::optional<AnsiText>(found->second);
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
    int appendCalls = 0;
    FakeEventList* events = nullptr;
};

}  // namespace orv::testing
