#pragma once
// Handlers that run later on the user-interface thread: each one after the handler now running has returned,
// in the order they were posted. The way the media engine's events reach the player between other handlers.
#include <functional>

namespace orv {

class HandlerQueue {
  public:
    virtual ~HandlerQueue() = default;
    virtual void Post(std::function<void()> handler) = 0;
};

}  // namespace orv
