#pragma once
// Message boxes, the input box and the Open dialog, owned by the Win32 form's window (none for a form that is
// not one, or whose window is gone).
#include "platform/dialogs.h"

namespace orv::win32 {

class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) override;
    std::optional<Text> AskText(const Form* owner, const Text& prompt, const Text& title) override;
    // GetOpenFileNameW; like the common dialog, it leaves the working directory at the folder it last showed.
    OpenFileChoice AskOpenFile(const Form* owner, const OpenFileRequest& request) override;
};

}  // namespace orv::win32
