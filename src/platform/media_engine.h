#pragma once
// The media engine: plays one file at a time and reports when a file opens and when it has played to its end.
#include <cstdint>
#include <functional>

#include "platform/layout.h"
#include "platform/text.h"

namespace orv {

class MediaEngine {
  public:
    virtual ~MediaEngine() = default;

    // Replaces the current file and opens it; a file that opens raises onNewStream once.
    // A path that names no playable file opens nothing and raises nothing.
    virtual void SetFileName(const Text& path) = 0;
    virtual Text FileName() const = 0;
    // Whether the file named by the last SetFileName opened (and so raised onNewStream); false before any
    // file was set and after a path that names no playable file.
    virtual bool HasOpenFile() const = 0;
    // Plays the file set last; after a pause, continues where it halted.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;

    // Mute silences without losing the volume; both read back what was last written.
    virtual bool Mute() const = 0;
    virtual void SetMute(bool mute) = 0;
    // Hundredths of a decibel: -10000 silent .. 0 full.
    virtual std::int32_t Volume() const = 0;
    virtual void SetVolume(std::int32_t volume) = 0;

    // The colour of the text on the engine's panel display; kDisplayColourAtStart until it is set.
    virtual void SetDisplayColour(OleColour colour) = 0;
    static constexpr OleColour kDisplayColourAtStart = OleColour::Hex(0xC00000);

    // Events, delivered on the user-interface thread.
    std::function<void(std::int32_t result)> onEndOfStream;
    std::function<void()> onNewStream;
};

}  // namespace orv
