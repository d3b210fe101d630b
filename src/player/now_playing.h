#pragma once
// The now-playing announcement: whenever the engine opens a file, the chat room is told what plays.
#include "platform/controls.h"
#include "player/chat_sender.h"
#include "player/chat_sends_window.h"

namespace orv {

// frmChatSends' Text1, the main window's now-playing name and frmChatSends' Text2, with nothing between them.
Text NowPlayingText(ChatSendsWindow& chatSends, const TextBox& nowPlayingName);

class NowPlayingAnnouncer {
  public:
    // nowPlayingName is the main window's Text1.
    NowPlayingAnnouncer(ChatSendsWindow& chatSends, const TextBox& nowPlayingName, ChatSender& chat)
        : chatSends_(chatSends), nowPlayingName_(nowPlayingName), chat_(chat) {}

    // The engine's new-stream event: announces the song unless "Disable ChatSends" is set. Failures are
    // ignored.
    void MediaPlayer1_NewStream() noexcept;

  private:
    ChatSendsWindow& chatSends_;
    const TextBox& nowPlayingName_;
    ChatSender& chat_;
};

}  // namespace orv
