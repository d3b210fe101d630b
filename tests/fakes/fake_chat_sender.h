#pragma once
// Records every message the player sends to the chat room.
#include <vector>

#include "player/chat_sender.h"

namespace orv::testing {

class FakeChatSender : public ChatSender {
  public:
    void ChatSend(const Text& message) override { sent.push_back(message); }
    std::vector<Text> sent;
};

}  // namespace orv::testing
