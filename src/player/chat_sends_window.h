#pragma once
// frmChatSends ("Chat Sends"): the texts around the now-playing name and the "Disable ChatSends" switch.
// The window exists at most once; it is created hidden the first time it is shown or read, "OK" hides it and
// keeps its values, and its close box discards it, so the next use starts again from the initial values.
#include <functional>
#include <memory>

#include "platform/controls.h"

namespace orv {

// The settings the program reads from frmChatSends.
class ChatSendsSettings {
  public:
    virtual ~ChatSendsSettings() = default;
    virtual TextBox& Text1() = 0;    // text before the song
    virtual TextBox& Text2() = 0;    // text after the song
    virtual CheckBox& Check1() = 0;  // "Disable ChatSends"
};

// One created frmChatSends window.
class ChatSendsForm : public ChatSendsSettings {
  public:
    virtual void Show() = 0;  // modeless, and activated
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;

    // The user's "OK" (XPButton1) click.
    std::function<void()> onOk;
    // The user closed the window with its close box. The window is gone or going; its owner stops using the
    // form and destroys it later, never during this call.
    std::function<void()> onClosed;
};

// Creates the window hidden, with its initial values: switch clear, both texts empty.
class ChatSendsFormFactory {
  public:
    virtual ~ChatSendsFormFactory() = default;
    virtual std::unique_ptr<ChatSendsForm> Create() = 0;
};

class ChatSendsWindow {
  public:
    explicit ChatSendsWindow(ChatSendsFormFactory& factory) : factory_(factory) {}
    ChatSendsWindow(const ChatSendsWindow&) = delete;
    ChatSendsWindow& operator=(const ChatSendsWindow&) = delete;

    // The settings, creating the window hidden if it does not exist.
    ChatSendsSettings& Settings() { return Form(); }
    // The main window's "Chat Sends" button (XPButton2): shows the window, creating it first if needed. A
    // window that is already visible is left as it is (not even brought to the front).
    void Show();
    bool Exists() const { return form_ != nullptr; }

  private:
    ChatSendsForm& Form();
    void Ok();
    void Closed();

    ChatSendsFormFactory& factory_;
    std::unique_ptr<ChatSendsForm> form_;
    // A closed form waits here until the next use, so it is never destroyed inside its own handler.
    std::unique_ptr<ChatSendsForm> closedForm_;
};

}  // namespace orv
