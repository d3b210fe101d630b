#pragma once
// frmAddDir ("Add Directory"): made hidden the first time the playlist needs its current directory. Its
// directory list Dir1 starts at the process's current directory when the window is made and lists the
// folders inside it; Dir1's path is the directory every playlist entry is resolved against.
#include <windows.h>

#include <memory>

#include "platform/text.h"
#include "platform/win32/form_window.h"

namespace orv::win32 {

class AddDirWindow {
  public:
    explicit AddDirWindow(HWND owner) : owner_(owner) {}

    // Dir1's path, making the window (hidden) if it does not exist.
    Text Dir1Path();
    bool Exists() const { return form_ != nullptr && form_->Handle() != nullptr; }
    // The window, made hidden if it does not exist.
    FormWindow& Window();

  private:
    void EnsureCreated();

    HWND owner_;
    std::unique_ptr<FormWindow> form_;
    Text path_;
};

// The process's current directory, without a trailing backslash unless it is a drive root.
Text ProcessCurrentDirectory();

}  // namespace orv::win32
