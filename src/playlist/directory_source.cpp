#include "playlist/directory_source.h"

#include <string>

namespace orv {

DirectorySource::DirectorySource(ListBox& List1, AddDirWindow& frmAddDir, Dialogs& dialogs,
                                 const Form& frmJubo, ChatSender& chat)
    : List1_(List1), frmAddDir_(frmAddDir), dialogs_(dialogs), frmJubo_(frmJubo), chat_(chat) {
    frmAddDir_.onOk = [this] { LoadDirectory(); };
}

void DirectorySource::LoadDirectory() {
    frmAddDir_.PointFile1AtDir1();
    AppendFile1(frmAddDir_.Window());
    frmAddDir_.Hide();
    chat_.ChatSend(L"Dir Loaded - <b> " + std::to_wstring(List1_.Count()) + L"</b> Files.");
}

void DirectorySource::Refresh() {
    List1_.Clear();
    AppendFile1(frmJubo_);
    frmAddDir_.Hide();
    chat_.ChatSend(L"Playlist Refreshed - Current Directory: <b>" + std::to_wstring(List1_.Count()) +
                   L"</b> Files.");
}

void DirectorySource::AppendFile1(const Form& owner) {
    const std::vector<Text>& files = frmAddDir_.File1Entries();
    if (files.empty()) {
        dialogs_.ShowMessage(&owner, L"No files were found in specific folder", L"Error", MessageIcon::None);
        return;
    }
    List1_.AddItems(files);
}

}  // namespace orv
