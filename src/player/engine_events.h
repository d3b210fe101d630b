#pragma once
// The media engine's two events and their handlers: end of stream plays on, a new stream is announced.
#include "platform/handler_queue.h"
#include "platform/media_engine.h"
#include "player/navigation.h"
#include "player/now_playing.h"

namespace orv {

// The engine may raise an event in the middle of a handler (a new stream inside SetFileName); the player
// handles each event later, between handlers, so a song starts before the chat room is told of it and a slow
// room cannot hold the song back.
inline void BindEngineEvents(MediaEngine& engine, HandlerQueue& later, Navigation& navigation,
                             NowPlayingAnnouncer& announcer) {
    engine.onEndOfStream = [&later, &navigation](std::int32_t result) {
        later.Post([&navigation, result] { navigation.MediaPlayer1_EndOfStream(result); });
    };
    engine.onNewStream = [&later, &announcer] {
        later.Post([&announcer] { announcer.MediaPlayer1_NewStream(); });
    };
}

}  // namespace orv
