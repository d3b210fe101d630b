#pragma once
// frmAddDir ("Add Directory"): made hidden the first time the playlist needs its current directory. Its
// directory list Dir1 starts at the process's working directory when the window is made and lists the folders
// inside it; Dir1's path is the directory every playlist entry is resolved against. The close box discards
// the window; the next use makes it afresh.
#include "platform/folders.h"
#include "platform/form.h"
#include "platform/single_form.h"

namespace orv {

class AddDirWindow {
  public:
    // The owner is the main window.
    AddDirWindow(FormFactory& forms, const Form& owner, Folders& folders);

    // Dir1's path, making the window (hidden) if it does not exist.
    Text Dir1Path();
    bool Exists() const { return frmAddDir_.Exists(); }
    // The window, made hidden if it does not exist.
    Form& Window() { return frmAddDir_.Get(); }

  private:
    void Load(Form& form);

    Folders& folders_;
    Text path_;
    SingleForm frmAddDir_;
};

}  // namespace orv
