#include "playlist/playlist_files.h"

#include "playlist/list_file_format.h"

namespace orv {

void PlaylistFiles::Save() {
    const auto name = dialogs_.AskText(&frmJubo_, L"ListName", L"ListName");
    if (!name) {
        return;
    }
    if (!IsListNameAllowed(*name)) {
        dialogs_.ShowMessage(
            &frmJubo_,
            L"The list was not saved: a list name cannot hold \\ / : * ? \" < > | and cannot be "
            L"a device name such as CON or NUL.",
            L"Error", MessageIcon::None);
        return;
    }
    const std::vector<Text> entries = List1_.Items();
    const Text path = folders_.ProgramFolder() + L"\\" + *name + L".mlt";
    if (!files_.Replace(path, ListFileBytes(entries, codePage_))) {
        dialogs_.ShowMessage(&frmJubo_, L"The list was not saved: " + path + L" could not be written.",
                             L"Error", MessageIcon::None);
    }
}

void PlaylistFiles::Load() {
    const OpenFileChoice choice = dialogs_.AskOpenFile(
        &frmJubo_, {.title = L"Load your list.", .flags = kShareAware, .filter = L"list Files|*.mlt"});
    if (choice.fileName.empty()) {
        return;
    }
    const auto bytes = files_.ReadAll(choice.fileName);
    if (!bytes) {
        dialogs_.ShowMessage(&frmJubo_, L"File Not Found", L"Error", MessageIcon::None);
        return;
    }
    List1_.AddItems(ListFileEntries(*bytes, codePage_));
}

}  // namespace orv
