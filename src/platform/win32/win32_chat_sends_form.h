#pragma once
// frmChatSends as a real window: the two texts, the "Disable ChatSends" box and the "OK" button, built from
// its layout data. "OK" raises onOk; the close box raises onClosed and the window is destroyed; the end of
// the session changes nothing.
#include <windows.h>

#include <memory>

#include "platform/win32/form_window.h"
#include "platform/win32/win32_check_box.h"
#include "platform/win32/win32_text_box.h"
#include "player/chat_sends_window.h"

namespace orv::win32 {

class Win32ChatSendsForm : public ChatSendsForm {
  public:
    // Creates the window hidden, owned by the given window.
    explicit Win32ChatSendsForm(HWND owner);

    TextBox& Text1() override { return text1_; }
    TextBox& Text2() override { return text2_; }
    CheckBox& Check1() override { return check1_; }
    void Show() override { form_.Show(); }
    void Hide() override { form_.Hide(); }
    bool IsVisible() const override;

    FormWindow& Window() { return form_; }

  private:
    FormWindow form_;
    Win32TextBox text1_;
    Win32TextBox text2_;
    Win32CheckBox check1_;
};

class Win32ChatSendsFormFactory : public ChatSendsFormFactory {
  public:
    explicit Win32ChatSendsFormFactory(HWND owner) : owner_(owner) {}
    std::unique_ptr<ChatSendsForm> Create() override { return std::make_unique<Win32ChatSendsForm>(owner_); }

  private:
    HWND owner_;
};

}  // namespace orv::win32
