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
    const Setting boxOpen(roomBoxOpen_, true);
    // Inside the box only a further chat line is the room's again.
    const Setting usersMeanwhile(handlingChatLine_, false);
    dialogs_.ShowMessage(owner, text, title, icon);
}

}  // namespace orv
