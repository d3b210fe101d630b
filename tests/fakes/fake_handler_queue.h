#pragma once
// Posted handlers wait until the test lets them run, as they wait for the user-interface thread's next turn.
#include <deque>
#include <functional>

#include "platform/handler_queue.h"

namespace orv::testing {

class FakeHandlerQueue : public HandlerQueue {
  public:
    void Post(std::function<void()> handler) override { posted.push_back(std::move(handler)); }
    // Runs the posted handlers in order, including those they post.
    void RunPosted() {
        while (!posted.empty()) {
            const auto handler = std::move(posted.front());
            posted.pop_front();
            handler();
        }
    }
    std::deque<std::function<void()>> posted;
};

}  // namespace orv::testing
