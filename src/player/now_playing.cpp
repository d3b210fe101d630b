#include "player/now_playing.h"

#include "player/chat_sends_switch.h"

namespace orv {

Text NowPlayingText(ChatSendsWindow& chatSends, const TextBox& nowPlayingName) {
    return chatSends.Text1().GetText() + nowPlayingName.GetText() + chatSends.Text2().GetText();
}

void NowPlayingAnnouncer::MediaPlayer1_NewStream() {
    if (!ChatSendsSwitch(chatSends_).IsClear()) {
        return;
    }
    chat_.ChatSend(NowPlayingText(chatSends_, nowPlayingName_));
}

}  // namespace orv
