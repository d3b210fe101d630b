#pragma once
// A check box over a BUTTON window: 0 clear, 1 ticked, 2 grayed.
#include <windows.h>

#include "platform/controls.h"

namespace orv::win32 {

class Win32CheckBox : public CheckBox {
  public:
    explicit Win32CheckBox(HWND box) : box_(box) {}
    int Value() const override;
    void SetValue(int value) override;

  private:
    HWND box_;
};

}  // namespace orv::win32
