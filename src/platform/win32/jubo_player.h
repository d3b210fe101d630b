#pragma once
// The player on the main window frmJubo: the media engine's panel as MediaPlayer1, the playlist List1 with
// its double-click and right-click menu mnuListRclick, the "Play", "Mute", "Next Song", "Previous Song" and
// "Chat Sends" buttons, the engine's events, frmChatSends and frmAddDir's current directory.
//
// Make it on the user-interface thread after CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), once frmJubo
// exists with its controls.
#include <windows.h>

#include <memory>

#include "platform/dialogs.h"
#include "platform/no_media_engine.h"
#include "platform/win32/add_dir_window.h"
#include "platform/win32/form_window.h"
#include "platform/win32/media_player_panel.h"
#include "platform/win32/win32_chat_sends_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "platform/win32/win32_list_box.h"
#include "platform/win32/win32_text_box.h"
#include "player/announcement_switch.h"
#include "player/chat_sender.h"
#include "player/chat_sends_switch.h"
#include "player/chat_sends_window.h"
#include "player/navigation.h"
#include "player/now_playing.h"
#include "player/playback.h"

namespace orv::win32 {

// The items of the playlist's right-click menu mnuListRclick.
enum ListMenuItem : int {
    mnuListPlay = 0x4101,
    mnuListPause = 0x4102,
};

class JuboPlayer {
  public:
    JuboPlayer(FormWindow& frmJubo, Dialogs& dialogs, ChatSender& chat);
    ~JuboPlayer();
    JuboPlayer(const JuboPlayer&) = delete;
    JuboPlayer& operator=(const JuboPlayer&) = delete;

    // frmChatSends' "Disable ChatSends", read by start-up and shutdown.
    AnnouncementSwitch& DisableChatSends() { return switch_; }
    MediaPlayerPanel& MediaPlayer1() { return *panel_; }
    // The panel's engine, or one that does nothing when the panel could not be made.
    MediaEngine& Engine() { return engine_; }
    // Lets go of the engine's open file, raising no event; for the end of the program.
    void CloseEngine();
    ListBox& List1() { return list1_; }
    Playback& Player() { return playback_; }
    Navigation& Navigator() { return navigation_; }
    ChatSendsWindow& frmChatSends() { return chatSends_; }
    AddDirWindow& frmAddDir() { return addDir_; }
    HMENU mnuListRclick() const { return listMenu_; }

  private:
    static LRESULT CALLBACK List1Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self);
    void BindControls();
    void ShowListMenu(POINT clientPoint);

    FormWindow& frmJubo_;
    AddDirWindow addDir_;
    std::unique_ptr<MediaPlayerPanel> panel_;
    NoMediaEngine noEngine_;
    MediaEngine& engine_;
    Win32ListBox list1_;
    Win32TextBox text1_;
    Win32TextBox text2_;
    Playback playback_;
    Navigation navigation_;
    Win32ChatSendsFormFactory chatSendsForms_;
    ChatSendsWindow chatSends_;
    NowPlayingAnnouncer announcer_;
    ChatSendsSwitch switch_;
    // After the parts its handlers use, so that it goes before them: no posted engine event runs once the
    // player is being taken apart.
    Win32HandlerQueue engineEvents_;
    HMENU listMenu_ = nullptr;
};

}  // namespace orv::win32
