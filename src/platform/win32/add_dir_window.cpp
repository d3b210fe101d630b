#include "platform/win32/add_dir_window.h"

#include "shell/add_dir_layout.h"

namespace orv::win32 {

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found) {
    const Text name = found.cFileName;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..";
}

// The list shows the folders inside the path, as a directory list does below its current folder.
void ListFolders(HWND list, const Text& path) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const Text pattern = path + (path.ends_with(L"\\") ? L"*" : L"\\*");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (IsFolder(found)) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

Text ProcessCurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0) {
        return {};
    }
    Text path(length, L'\0');
    const DWORD written = GetCurrentDirectoryW(length, path.data());
    path.resize(written < length ? written : 0);
    return path;
}

Text AddDirWindow::Dir1Path() {
    EnsureCreated();
    return path_;
}

FormWindow& AddDirWindow::Window() {
    EnsureCreated();
    return *form_;
}

void AddDirWindow::EnsureCreated() {
    if (Exists()) {
        return;
    }
    // A window closed with its close box comes back as new.
    form_ = std::make_unique<FormWindow>();
    form_->Create(AddDirWindowSpec(), {.owner = owner_});
    path_ = ProcessCurrentDirectory();
    if (const HWND dir1 = form_->Control("Dir1")) {
        ListFolders(dir1, path_);
    }
}

}  // namespace orv::win32
