#include "platform/win32/regular_file.h"

#include <windows.h>

#include "platform/win32/unique_handles.h"

namespace orv::win32 {

namespace {

// The longest path the system can name, in characters, with its terminating NUL.
constexpr DWORD kLongestPath = 32768;

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The path as the system resolves it: "." and ".." gone, and a reserved device name, wherever it stands,
// turned into "\\.\NAME". Empty when the system cannot resolve it.
Text FullPath(const Text& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0 || size > kLongestPath) {
        return {};
    }
    Text full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return {};
    }
    full.resize(length);
    return full;
}

}  // namespace

bool IsRegularFile(const Text& path) {
    if (path.empty() || path.size() >= kLongestPath || path.find(L'\0') != Text::npos) {
        return false;
    }
    // Devices, pipes and shares all resolve to a path that starts with two backslashes.
    const Text full = FullPath(path);
    if (full.size() < 4 || !IsDriveLetter(full[0]) || full[1] != L':' || full[2] != L'\\') {
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(full.c_str(), GetFileExInfoStandard, &attributes) ||
        (attributes.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return false;
    }
    // A drive letter can still lead to something that is not a disk file (under Wine, a host system's
    // device); opened for its attributes only, such a file is not read.
    const UniqueFile file(CreateFileW(full.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && GetFileType(file.get()) == FILE_TYPE_DISK;
}

}  // namespace orv::win32
