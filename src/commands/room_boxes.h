#pragma once
// The program's dialogs, the room's message boxes held to one at a time. A message box shown while a chat
// line is handled is the room's. While one of the room's boxes is open, its modal loop goes on delivering the
// scanner's ticks; a box that a further chat line would open then is not shown, and its caller goes on as if
// it had been closed at once. What the user does meanwhile is the user's: those boxes are shown as always.
#include "platform/dialogs.h"

namespace orv {

class RoomBoxes : public Dialogs {
    // Sets the flag while it lives, then puts back what it was.
    class Setting {
      public:
        Setting(bool& flag, bool value) : flag_(flag), was_(flag) { flag_ = value; }
        ~Setting() { flag_ = was_; }
        Setting(const Setting&) = delete;
        Setting& operator=(const Setting&) = delete;

      private:
        bool& flag_;
        bool was_;
    };

  public:
    explicit RoomBoxes(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Held while a chat line is handled: the message boxes shown meanwhile are the room's.
    class ChatLine {
      public:
        explicit ChatLine(RoomBoxes& boxes) : handling_(boxes.handlingChatLine_, true) {}

      private:
        Setting handling_;
    };

    void ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) override;
    // The room asks for no text and no file: these are always the user's.
    std::optional<Text> AskText(const Form* owner, const Text& prompt, const Text& title) override {
        return dialogs_.AskText(owner, prompt, title);
    }
    OpenFileChoice AskOpenFile(const Form* owner, const OpenFileRequest& request) override {
        return dialogs_.AskOpenFile(owner, request);
    }

  private:
    Dialogs& dialogs_;
    bool handlingChatLine_ = false;
    bool roomBoxOpen_ = false;
};

}  // namespace orv
