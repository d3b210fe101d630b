#include "player/now_playing.h"

#include "platform/exception_barrier.h"
#include "player/chat_sends_switch.h"

namespace orv {

Text NowPlayingText(ChatSendsWindow& chatSends, const TextBox& nowPlayingName) {
    return chatSends.Text1().GetText() + nowPlayingName.GetText() + chatSends.Text2().GetText();
}

void NowPlayingAnnouncer::MediaPlayer1_NewStream() noexcept {
    // A failed announcement is dropped: the song plays on and auto-advance goes on.
    RunBehindBarrier([&] {
        if (ChatSendsSwitch(chatSends_).IsClear()) {
            chat_.ChatSend(NowPlayingText(chatSends_, nowPlayingName_));
        }
    });
}

}  // namespace orv
