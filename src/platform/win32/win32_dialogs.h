#pragma once
// Message boxes, the input box and the Open dialog, owned by the window that is active when they are shown.
#include "platform/dialogs.h"

namespace orv::win32 {

class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(const Text& text, const Text& title, MessageIcon icon) override;
    std::optional<Text> AskText(const Text& prompt, const Text& title) override;
    // GetOpenFileNameW; like the common dialog, it leaves the working directory at the folder it last showed.
    OpenFileChoice AskOpenFile(const OpenFileRequest& request) override;
};

}  // namespace orv::win32
