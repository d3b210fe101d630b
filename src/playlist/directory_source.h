#pragma once
// Songs from a folder: frmAddDir's "OK" points its file list at Dir1's folder, read again, and appends every
// file the list then holds; Refresh replaces the playlist with the file list as it stands. Both say so when
// there are none, and only then hide the dialog and tell the room the playlist's count.
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "player/chat_sender.h"
#include "shell/add_dir_window.h"

namespace orv {

class DirectorySource {
  public:
    // Binds frmAddDir's "OK" to LoadDirectory. Refresh's message is frmJubo's, OK's frmAddDir's.
    DirectorySource(ListBox& List1, AddDirWindow& frmAddDir, Dialogs& dialogs, const Form& frmJubo,
                    ChatSender& chat);

    // "Directory": frmAddDir shown, modeless.
    void ShowDialog() { frmAddDir_.Show(); }
    // "OK": a folder that can no longer be read counts as an empty one.
    void LoadDirectory();
    // "Refresh": the listing taken at the last "OK" (or when frmAddDir was made), not read again.
    void Refresh();

  private:
    // Appends the file list's entries; says so, in a box of the owner, when there are none.
    void AppendFile1(const Form& owner);

    ListBox& List1_;
    AddDirWindow& frmAddDir_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
    ChatSender& chat_;
};

}  // namespace orv
