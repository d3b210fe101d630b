#pragma once
// The player on the main window frmJubo: the media engine's panel as MediaPlayer1, the playlist List1 with
// its double-click and right-click menu mnuListRclick, the "Play", "Mute", "Next Song", "Previous Song" and
// "Chat Sends" buttons, the engine's events, frmChatSends and frmAddDir's current directory.
#include "platform/dialogs.h"
#include "platform/engine_panel.h"
#include "platform/folders.h"
#include "platform/form.h"
#include "platform/handler_queue.h"
#include "platform/no_media_engine.h"
#include "player/chat_sender.h"
#include "player/chat_sends_switch.h"
#include "player/chat_sends_window.h"
#include "player/navigation.h"
#include "player/now_playing.h"
#include "player/playback.h"
#include "shell/add_dir_window.h"

namespace orv {

class JuboPlayer {
  public:
    // frmJubo must exist with its controls; the engine's panel is put in the place of MediaPlayer1. The
    // engine's events are handled later, through the queue, after the handler that raised them.
    JuboPlayer(Form& frmJubo, FormFactory& forms, EnginePanels& enginePanels, Folders& folders,
               Dialogs& dialogs, ChatSender& chat, HandlerQueue& later);
    ~JuboPlayer();
    JuboPlayer(const JuboPlayer&) = delete;
    JuboPlayer& operator=(const JuboPlayer&) = delete;

    // frmChatSends' "Disable ChatSends", read by start-up and shutdown.
    AnnouncementSwitch& DisableChatSends() { return switch_; }
    // The panel's engine, or one that does nothing when the panel could not be made.
    MediaEngine& MediaPlayer1() { return engine_; }
    ListBox& List1() { return list1_; }
    Playback& Player() { return playback_; }
    Navigation& Navigator() { return navigation_; }
    ChatSendsWindow& frmChatSends() { return chatSends_; }
    AddDirWindow& frmAddDir() { return addDir_; }
    // The playlist's right-click menu.
    Menu mnuListRclick();
    // Its "Refresh".
    std::function<void()> onRefresh;

  private:
    void BindControls();

    Form& frmJubo_;
    NoMediaEngine noEngine_;
    MediaEngine& engine_;
    FormListBox& list1_;
    AddDirWindow addDir_;
    Playback playback_;
    Navigation navigation_;
    ChatSendsWindow chatSends_;
    NowPlayingAnnouncer announcer_;
    ChatSendsSwitch switch_;
};

}  // namespace orv
