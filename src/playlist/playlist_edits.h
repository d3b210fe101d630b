#pragma once
// Filling and trimming the playlist by hand: one file through the Open dialog, "Remove File" and
// "Clear Playlist". None of them touches playback.
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "player/chat_sender.h"

namespace orv {

class PlaylistEdits {
  public:
    // List1 is the playlist, Text1 the now-playing name; the dialogs are frmJubo's.
    PlaylistEdits(ListBox& List1, TextBox& Text1, Dialogs& dialogs, const Form& frmJubo, ChatSender& chat)
        : List1_(List1), Text1_(Text1), dialogs_(dialogs), frmJubo_(frmJubo), chat_(chat) {}

    // "File": the chosen file's full path appended and shown as the now-playing name; cancel changes nothing.
    void AddFile();
    // "Remove File": the selected entry goes and the now-playing name becomes "Artist : Song"; with nothing
    // selected says "No file selected!".
    void RemoveFile();
    // "Clear Playlist": the playlist and the now-playing name emptied; the room hears "Playlist cleared!".
    void ClearPlaylist();

  private:
    ListBox& List1_;
    TextBox& Text1_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
    ChatSender& chat_;
};

}  // namespace orv
