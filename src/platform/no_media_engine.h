#pragma once
// The engine the program has when its engine could not be made: it opens nothing, plays nothing and raises
// no event, so every operation that needs an engine does nothing.
#include "platform/media_engine.h"

namespace orv {

class NoMediaEngine final : public MediaEngine {
  public:
    void SetFileName(const Text&) override {}
    Text FileName() const override { return {}; }
    bool HasOpenFile() const override { return false; }
    void Play() override {}
    void Pause() override {}
    void Stop() override {}
    bool Mute() const override { return false; }
    void SetMute(bool) override {}
    std::int32_t Volume() const override { return 0; }
    void SetVolume(std::int32_t) override {}
    void SetDisplayColour(OleColour) override {}
};

}  // namespace orv
