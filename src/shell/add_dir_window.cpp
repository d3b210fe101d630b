#include "shell/add_dir_window.h"

#include "shell/add_dir_layout.h"

namespace orv {

AddDirWindow::AddDirWindow(FormFactory& forms, const Form& owner, Folders& folders)
    : folders_(folders), frmAddDir_(forms, AddDirWindowSpec(), &owner, [this](Form& form) { Load(form); }) {}

Text AddDirWindow::Dir1Path() {
    frmAddDir_.Get();
    return path_;
}

void AddDirWindow::Load(Form& form) {
    path_ = folders_.CurrentDirectory();
    FormListBox& dir1 = form.ListBoxNamed("Dir1");
    dir1.Clear();
    for (const Text& folder : folders_.FoldersIn(path_)) {
        dir1.AddItem(folder);
    }
}

}  // namespace orv
