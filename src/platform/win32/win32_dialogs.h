#pragma once
// Message boxes and the input box, owned by the window that is active when they are shown.
#include "platform/dialogs.h"

namespace orv::win32 {

class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(const Text& text, const Text& title, MessageIcon icon) override;
    std::optional<Text> AskText(const Text& prompt, const Text& title) override;
};

}  // namespace orv::win32
