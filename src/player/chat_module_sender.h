#pragma once
// Binds the player's announcements to the chat module.
#include "aim/chat.h"
#include "player/chat_sender.h"

namespace orv {

class ChatModuleSender : public ChatSender {
  public:
    explicit ChatModuleSender(Chat& chat) : chat_(chat) {}
    void ChatSend(const Text& message) override { chat_.ChatSend(message); }

  private:
    Chat& chat_;
};

}  // namespace orv
