#pragma once
// The program's message loop, and the one step of it that the tests share: keyboard navigation first (Tab,
// the arrows, Space, Enter and Escape move between and press the controls of whichever window has them),
// then the message's own window.
#include <windows.h>

namespace orv::win32 {

void DispatchWithKeyboardNavigation(MSG& msg);
// Until WM_QUIT; its exit code.
int RunMessageLoop();

}  // namespace orv::win32
