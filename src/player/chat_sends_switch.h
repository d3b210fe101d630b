#pragma once
// The "Disable ChatSends" switch, read from frmChatSends' Check1.
#include "player/announcement_switch.h"
#include "player/chat_sends_window.h"

namespace orv {

class ChatSendsSwitch : public AnnouncementSwitch {
  public:
    explicit ChatSendsSwitch(ChatSendsWindow& chatSends) : chatSends_(chatSends) {}
    // Clear (0) means the announcements are sent; ticked or grayed suppresses them.
    bool IsClear() override { return chatSends_.Check1().Value() == 0; }

  private:
    ChatSendsWindow& chatSends_;
};

}  // namespace orv
