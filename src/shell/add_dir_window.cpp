#include "shell/add_dir_window.h"

#include "shell/add_dir_layout.h"
#include "shell/folder_path.h"

namespace orv {

AddDirWindow::AddDirWindow(FormFactory& forms, Folders& folders)
    : folders_(folders), frmAddDir_(forms, AddDirWindowSpec(), [this](Form& form) { Load(form); }) {}

Text AddDirWindow::Dir1Path() {
    frmAddDir_.Get();
    return path_;
}

const std::vector<Text>& AddDirWindow::File1Entries() {
    frmAddDir_.Get();
    return file1_;
}

void AddDirWindow::PointFile1AtDir1() {
    Form& form = frmAddDir_.Get();
    file1_ = folders_.FilesIn(path_);
    // Filling a list box nobody sees would only slow a big folder down.
    if (form.IsVisible()) {
        ShowFile1();
    } else {
        file1Stale_ = true;
    }
}

void AddDirWindow::Load(Form& form) {
    form_ = &form;
    OpenFolder(folders_.CurrentDirectory());
    file1_ = folders_.FilesIn(path_);
    ShowFile1();

    FormDriveList& drive1 = form.DriveListNamed("Drive1");
    drive1.Clear();
    const std::vector<Text> drives = folders_.Drives();
    drive1.AddItems(drives);
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i] == DriveOf(path_)) {
            drive1.SetListIndex(static_cast<int>(i));
        }
    }
    drive1.onChange = [this] { ChangeDrive(); };

    FormListBox& dir1 = form.ListBoxNamed("Dir1");
    dir1.onDoubleClick = [this, &dir1] {
        const int chosen = dir1.ListIndex();
        if (chosen >= 0 && chosen < static_cast<int>(dir1Paths_.size())) {
            const Text folder = dir1Paths_[static_cast<std::size_t>(chosen)];  // a copy: the list is remade
            OpenFolder(folder);
        }
    };
    form.PushButtonNamed("XPButton1").onClick = [this] {
        if (onOk) {
            const auto handler = onOk;
            handler();
        }
    };
    form.PushButtonNamed("XPButton2").onClick = [&form] { form.Hide(); };
}

void AddDirWindow::OpenFolder(const Text& path) {
    path_ = path;
    dir1Paths_ = PathSteps(path);
    std::vector<Text> names;
    for (const Text& step : dir1Paths_) {
        names.push_back(StepName(step));
    }
    const int opened = static_cast<int>(dir1Paths_.size()) - 1;
    for (const Text& folder : folders_.FoldersIn(path)) {
        dir1Paths_.push_back(SubfolderPath(path, folder));
        names.push_back(folder);
    }
    FormListBox& dir1 = form_->ListBoxNamed("Dir1");
    dir1.Clear();
    dir1.AddItems(names);
    dir1.SetListIndex(opened);
}

void AddDirWindow::ChangeDrive() {
    const FormDriveList& drive1 = form_->DriveListNamed("Drive1");
    // A drive that is not ready leaves Dir1 where it was.
    if (const auto folder = folders_.DriveFolder(drive1.SelectedText())) {
        OpenFolder(*folder);
    }
}

void AddDirWindow::ShowFile1() {
    FormListBox& file1 = form_->ListBoxNamed("File1");
    file1.Clear();
    file1.AddItems(file1_);
    file1Stale_ = false;
}

}  // namespace orv
