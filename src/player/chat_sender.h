#pragma once
// Where the player's announcements go: the chat room, through the chat module's ChatSend.
#include "platform/text.h"

namespace orv {

class ChatSender {
  public:
    virtual ~ChatSender() = default;
    // Posts one message into the chat room; nothing is reported back.
    virtual void ChatSend(const Text& message) = 0;
};

}  // namespace orv
