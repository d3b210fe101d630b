#pragma once
// Every way the playlist is filled and trimmed outside playback, over the main window's List1 and Text1 and
// frmAddDir: one file, a folder, a refresh from the folder listing, a saved list; remove, clear and save.
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "playlist/directory_source.h"
#include "playlist/playlist_edits.h"
#include "playlist/playlist_files.h"

namespace orv {

struct PlaylistSources {
    // List1 and Text1 are frmJubo's.
    PlaylistSources(const Form& frmJubo, ListBox& List1, TextBox& Text1, AddDirWindow& frmAddDir,
                    Dialogs& dialogs, ChatSender& chat, Files& files, Folders& folders,
                    const CodePage& codePage)
        : edits(List1, Text1, dialogs, frmJubo, chat),
          directory(List1, frmAddDir, dialogs, frmJubo, chat),
          files(List1, dialogs, frmJubo, files, folders, codePage) {}

    PlaylistEdits edits;
    DirectorySource directory;
    PlaylistFiles files;
};

}  // namespace orv
