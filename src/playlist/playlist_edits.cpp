#include "playlist/playlist_edits.h"

namespace orv {

void PlaylistEdits::AddFile() {
    const OpenFileChoice choice =
        dialogs_.AskOpenFile(&frmJubo_, {.title = L"Load Songs.",
                                         .flags = kShareAware,
                                         .filter = L"MP3 Files(.mp3)|*.MP3|WMP Files(.wmp)|*.WMP"});
    if (choice.fileTitle.empty()) {
        return;
    }
    List1_.AddItem(choice.fileName);
    Text1_.SetText(choice.fileName);
}

void PlaylistEdits::RemoveFile() {
    const int selected = List1_.ListIndex();
    if (selected < 0) {
        dialogs_.ShowMessage(&frmJubo_, L"No file selected!", L"Error", MessageIcon::Exclamation);
        return;
    }
    List1_.RemoveItem(selected);
    List1_.SetListIndex(-1);
    Text1_.SetText(L"Artist : Song");
}

void PlaylistEdits::ClearPlaylist() {
    List1_.Clear();
    Text1_.SetText(L"");
    chat_.ChatSend(L"Playlist cleared!");
}

}  // namespace orv
