#pragma once
// The media engine's two events and their handlers: end of stream plays on, a new stream is announced.
#include "platform/media_engine.h"
#include "player/navigation.h"
#include "player/now_playing.h"

namespace orv {

inline void BindEngineEvents(MediaEngine& engine, Navigation& navigation, NowPlayingAnnouncer& announcer) {
    engine.onEndOfStream = [&navigation](std::int32_t result) {
        navigation.MediaPlayer1_EndOfStream(result);
    };
    engine.onNewStream = [&announcer] { announcer.MediaPlayer1_NewStream(); };
}

}  // namespace orv
