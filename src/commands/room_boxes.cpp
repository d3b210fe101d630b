#include "commands/room_boxes.h"

namespace orv {

void RoomBoxes::ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) {
    if (!handlingChatLine_) {
        dialogs_.ShowMessage(owner, text, title, icon);
        return;
    }
    if (roomBoxOpen_) {
        return;
    }
    // Inside the box only a further chat line is the room's again.
    class OpenBox {
      public:
        explicit OpenBox(RoomBoxes& boxes) : boxes_(boxes) {
            boxes_.roomBoxOpen_ = true;
            boxes_.handlingChatLine_ = false;
        }
        ~OpenBox() {
            boxes_.roomBoxOpen_ = false;
            boxes_.handlingChatLine_ = true;
        }
        OpenBox(const OpenBox&) = delete;
        OpenBox& operator=(const OpenBox&) = delete;

      private:
        RoomBoxes& boxes_;
    } open(*this);
    dialogs_.ShowMessage(owner, text, title, icon);
}

}  // namespace orv
