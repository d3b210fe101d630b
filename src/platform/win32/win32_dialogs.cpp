#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include "platform/win32/input_box.h"

namespace orv::win32 {

void Win32Dialogs::ShowMessage(const Text& text, const Text& title, MessageIcon icon) {
    const UINT iconFlag = icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : 0;
    MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | iconFlag);
}

std::optional<Text> Win32Dialogs::AskText(const Text& prompt, const Text& title) {
    return RunInputBox(GetActiveWindow(), prompt, title);
}

}  // namespace orv::win32
