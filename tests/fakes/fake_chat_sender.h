#pragma once
// Records every message the player sends to the chat room.
#include <functional>
#include <vector>

#include "player/chat_sender.h"

namespace orv::testing {

class FakeChatSender : public ChatSender {
  public:
    void ChatSend(const Text& message) override {
        if (onSend) {
            onSend();
        }
        sent.push_back(message);
    }
    std::vector<Text> sent;
    // Runs at each send, before the message is recorded: lets a test look at the program at that moment.
    std::function<void()> onSend;
};

}  // namespace orv::testing
