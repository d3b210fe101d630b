#pragma once
// Posted handlers on a message-only window of the user-interface thread: Post queues the handler and posts
// the window a private message; the thread's message loop delivers it once the handler now running has
// returned. A handler that throws is abandoned like any other. Handlers still waiting when the queue goes are
// dropped.
//
// Make it, use it and destroy it on the user-interface thread.
#include <windows.h>

#include <deque>
#include <functional>

#include "platform/handler_queue.h"
#include "platform/win32/base_window.h"

namespace orv::win32 {

class Win32HandlerQueue final : public HandlerQueue, private BaseWindow {
  public:
    static constexpr UINT kRunPostedMessage = WM_APP + 0x2B0;

    Win32HandlerQueue();
    ~Win32HandlerQueue() override;

    void Post(std::function<void()> handler) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::deque<std::function<void()>> posted_;
};

}  // namespace orv::win32
