#include "platform/win32/win32_folders.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>

namespace orv::win32 {

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found) {
    const Text name = found.cFileName;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..";
}

// A file as a file list shows it: hidden and system files are left out.
bool IsListedFile(const WIN32_FIND_DATAW& found) {
    constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & kLeftOut) == 0;
}

// The key that orders names as CompareStringW does, without case.
std::string SortKey(const Text& name) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(name.size());
    // A few bytes per character hold nearly every key; the size is asked for only when one does not fit.
    std::string key(name.size() * 6 + 16, '\0');
    int size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), length,
                            reinterpret_cast<LPWSTR>(key.data()), static_cast<int>(key.size()));
    if (size <= 0) {
        size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), length, nullptr, 0);
        key.assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
        if (size > 0) {
            size = LCMapStringW(LOCALE_USER_DEFAULT, kFlags, name.c_str(), length,
                                reinterpret_cast<LPWSTR>(key.data()), size);
        }
    }
    key.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    return key;
}

// The names inside the path that pass the test, in the order a sorted list box gives them.
template <typename Test>
std::vector<Text> NamesIn(const Text& path, Test passes) {
    std::vector<Text> names;
    const Text pattern = path + (path.ends_with(L"\\") ? L"*" : L"\\*");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (passes(found)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    // The order of CompareStringW without case, through one sort key per name rather than a comparison per
    // pair (each comparison is costly under Wine).
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        keys.emplace_back(SortKey(names[i]), i);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<Text> sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(names[key.second]));
    }
    return sorted;
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

Text Win32Folders::ProgramFolder() {
    Text path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD written = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (written == 0) {
            return {};
        }
        if (written < path.size()) {
            path.resize(written);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.rfind(L'\\');
    return slash == Text::npos ? Text{} : path.substr(0, slash);
}

std::vector<Text> Win32Folders::FoldersIn(const Text& path) {
    return NamesIn(path, IsFolder);
}

std::vector<Text> Win32Folders::FilesIn(const Text& path) {
    return NamesIn(path, IsListedFile);
}

std::vector<Text> Win32Folders::Drives() {
    std::vector<Text> drives;
    const DWORD present = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((present & (1u << letter)) != 0) {
            drives.push_back(Text{static_cast<wchar_t>(L'a' + letter), L':'});
        }
    }
    return drives;
}

std::optional<Text> Win32Folders::DriveFolder(const Text& drive) {
    if (drive.size() < 2) {
        return std::nullopt;
    }
    // No error box for an empty floppy or card reader: the caller ignores a drive that is not ready.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const Text root = drive.substr(0, 2) + L"\\";
    const bool ready = GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    SetErrorMode(previousMode);
    if (!ready) {
        return std::nullopt;
    }
    // "d:" alone names the drive's current folder.
    wchar_t full[MAX_PATH]{};
    const Text relative = drive.substr(0, 2);
    const DWORD length = GetFullPathNameW(relative.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH || GetFileAttributesW(full) == INVALID_FILE_ATTRIBUTES) {
        Text upper = root;
        upper[0] = static_cast<wchar_t>(std::towupper(upper[0]));
        return upper;
    }
    return Text(full);
}

}  // namespace orv::win32
