#include "platform/win32/win32_folders.h"

#include <windows.h>

namespace orv::win32 {

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found) {
    const Text name = found.cFileName;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..";
}

}  // namespace

Text Win32Folders::CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0) {
        return {};
    }
    Text path(length, L'\0');
    const DWORD written = GetCurrentDirectoryW(length, path.data());
    path.resize(written < length ? written : 0);
    return path;
}

std::vector<Text> Win32Folders::FoldersIn(const Text& path) {
    std::vector<Text> folders;
    const Text pattern = path + (path.ends_with(L"\\") ? L"*" : L"\\*");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return folders;
    }
    do {
        if (IsFolder(found)) {
            folders.push_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return folders;
}

}  // namespace orv::win32
