#pragma once
// A media engine that records every call in order. Every path opens unless the test marked it unplayable;
// an opened path raises onNewStream at once, as the real engine does when it opens a file. A call the test
// marked as failing throws, after it is recorded, something that is no std::exception (as a foreign component
// may).
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_colour_log.h"
#include "platform/media_engine.h"

namespace orv::testing {

class FakeMediaEngine : public MediaEngine {
  public:
    void SetFileName(const Text& path) override {
        calls.push_back(L"SetFileName " + path);
        fileName_ = path;
        open_ = !unplayable.contains(path);
        if (open_) {
            ++opened;
            if (onNewStream) {
                onNewStream();
            }
        }
    }
    Text FileName() const override { return fileName_; }
    bool HasOpenFile() const override { return open_; }
    void Play() override { Record(L"Play"); }
    void Pause() override { Record(L"Pause"); }
    void Stop() override { Record(L"Stop"); }
    bool Mute() const override { return mute_; }
    void SetMute(bool mute) override {
        calls.push_back(mute ? L"SetMute true" : L"SetMute false");
        mute_ = mute;
    }
    std::int32_t Volume() const override { return volume_; }
    void SetVolume(std::int32_t volume) override {
        calls.push_back(L"SetVolume " + std::to_wstring(volume));
        volume_ = volume;
    }
    void SetDisplayColour(OleColour colour) override {
        NoteColour("engine display");
        displayColour = colour;
    }

    // The current file has played to its end.
    void FireEndOfStream(std::int32_t result = 0) {
        if (onEndOfStream) {
            onEndOfStream(result);
        }
    }

    // The paths handed to SetFileName, in order.
    std::vector<Text> FilesSet() const {
        std::vector<Text> files;
        for (const auto& call : calls) {
            if (call.starts_with(L"SetFileName ")) {
                files.push_back(call.substr(12));
            }
        }
        return files;
    }

    struct ForeignFailure {};

    std::set<Text> unplayable;
    std::set<Text> failing;
    std::vector<Text> calls;
    int opened = 0;
    OleColour displayColour{};

  private:
    void Record(const Text& call) {
        calls.push_back(call);
        if (failing.contains(call)) {
            throw ForeignFailure{};
        }
    }

    Text fileName_;
    bool open_ = false;
    bool mute_ = false;
    std::int32_t volume_ = 0;
};

}  // namespace orv::testing
