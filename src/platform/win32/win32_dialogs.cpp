#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/input_box.h"
#include "platform/win32/win32_form.h"

namespace orv::win32 {

namespace {

HWND OwnerWindow(const Form* owner) {
    const Win32Form* form = Win32Form::Of(owner);
    return form != nullptr ? form->Window().Handle() : nullptr;
}

}  // namespace

void Win32Dialogs::ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) {
    const UINT iconFlag = icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : 0;
    MessageBoxW(OwnerWindow(owner), text.c_str(), title.c_str(), MB_OK | iconFlag);
}

std::optional<Text> Win32Dialogs::AskText(const Form* owner, const Text& prompt, const Text& title) {
    return RunInputBox(OwnerWindow(owner), prompt, title);
}

OpenFileChoice Win32Dialogs::AskOpenFile(const Form* owner, const OpenFileRequest& request) {
    // "label|pattern|label|pattern" becomes the dialog's NUL-separated pairs, ended by two NULs.
    Text filter = request.filter;
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');
    Text fileName(32768, L'\0');
    Text fileTitle(MAX_PATH, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = OwnerWindow(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = static_cast<DWORD>(fileName.size());
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) {
        return {};
    }
    fileName.resize(fileName.find(L'\0'));
    fileTitle.resize(fileTitle.find(L'\0'));
    return {.fileName = fileName, .fileTitle = fileTitle};
}

}  // namespace orv::win32
