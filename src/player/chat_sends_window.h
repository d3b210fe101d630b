#pragma once
// frmChatSends ("Chat Sends"): the texts around the now-playing name and the "Disable ChatSends" switch.
// The window exists at most once; it is made hidden the first time it is shown or read, "OK" hides it and
// keeps its values, and its close box discards it, so the next use starts again from the initial values.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/single_form.h"

namespace orv {

class ChatSendsWindow {
  public:
    explicit ChatSendsWindow(FormFactory& forms);

    // The settings, making the window hidden if it does not exist.
    TextBox& Text1() { return frmChatSends_.Get().TextBoxNamed("Text1"); }      // text before the song
    TextBox& Text2() { return frmChatSends_.Get().TextBoxNamed("Text2"); }      // text after the song
    CheckBox& Check1() { return frmChatSends_.Get().CheckBoxNamed("Check1"); }  // "Disable ChatSends"

    // The main window's "Chat Sends" button (XPButton2): shows the window, making it first if needed.
    void Show() { frmChatSends_.Show(); }
    bool Exists() const { return frmChatSends_.Exists(); }
    Form& Window() { return frmChatSends_.Get(); }

  private:
    SingleForm frmChatSends_;
};

}  // namespace orv
