#include "player/chat_sends_window.h"

#include "player/chat_sends_layout.h"

namespace orv {

ChatSendsWindow::ChatSendsWindow(FormFactory& forms)
    : frmChatSends_(forms, ChatSendsWindowSpec(), [](Form& form) {
          // "OK" hides the window and keeps what was entered.
          form.PushButtonNamed("XPButton1").onClick = [&form] { form.Hide(); };
      }) {}

}  // namespace orv
