#pragma once
// frmAddDir ("Add Directory"): made hidden the first time it is used. When it is made, its three lists start
// at the process's working directory of that moment: Drive1 lists every drive with the current one chosen,
// Dir1 the path from the root down to the current folder and then that folder's subfolders, File1 every file
// of the folder (hidden and system files left out). Opening a folder in Dir1 or choosing a drive moves Dir1
// at once; Dir1's path is the directory every playlist entry is resolved against. File1 is pointed at a
// folder only when the window is made and by PointFile1AtDir1. "Cancel" hides the window; the close box
// discards it, and the next use makes it afresh.
#include <functional>
#include <vector>

#include "platform/folders.h"
#include "platform/form.h"
#include "platform/single_form.h"

namespace orv {

class AddDirWindow {
  public:
    AddDirWindow(FormFactory& forms, Folders& folders);

    // Dir1's path, making the window (hidden) if it does not exist.
    Text Dir1Path();
    // File1's entries, in its order, making the window (hidden) if it does not exist.
    const std::vector<Text>& File1Entries();
    // Points File1 at Dir1's folder, read again. A hidden window's list box is filled when it is next shown.
    void PointFile1AtDir1();

    bool Exists() const { return frmAddDir_.Exists(); }
    // The window, made hidden if it does not exist.
    Form& Window() { return frmAddDir_.Get(); }
    // Shown modeless; already shown, it comes to the front.
    void Show() {
        Form& window = frmAddDir_.Get();
        if (window.IsVisible()) {
            window.BringToFront();
        } else {
            if (file1Stale_) {
                ShowFile1();
            }
            window.Show();
        }
    }
    void Hide() { frmAddDir_.Get().Hide(); }

    // "OK" (XPButton1) pressed.
    std::function<void()> onOk;

  private:
    void Load(Form& form);
    // Makes the path Dir1's and lists its steps and subfolders.
    void OpenFolder(const Text& path);
    void ChangeDrive();
    void ShowFile1();

    Folders& folders_;
    Form* form_ = nullptr;
    Text path_;
    // The folder each of Dir1's entries opens.
    std::vector<Text> dir1Paths_;
    std::vector<Text> file1_;
    // File1's list box does not show file1_ yet (it was pointed elsewhere while hidden).
    bool file1Stale_ = false;
    SingleForm frmAddDir_;
};

}  // namespace orv
