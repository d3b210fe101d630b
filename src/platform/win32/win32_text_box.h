#pragma once
// A text box over an edit control (or any window whose text is its content).
#include <windows.h>

#include "platform/controls.h"

namespace orv::win32 {

class Win32TextBox : public TextBox {
  public:
    explicit Win32TextBox(HWND edit) : edit_(edit) {}
    Text GetText() const override;
    void SetText(const Text& text) override;

  private:
    HWND edit_;
};

// The window text of any window; empty when there is none.
Text WindowText(HWND window);

}  // namespace orv::win32
