#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/unique_handles.h"

namespace orv::win32 {

void Win32Files::Append(const Text& fileName, const AnsiText& bytes) {
    // A file that cannot be opened, or a write that fails, loses the bytes; the program goes on.
    UniqueFile file(CreateFileW(fileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace orv::win32

namespace orv::win32 {

namespace {

bool WriteAll(HANDLE file, const AnsiText& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

std::optional<AnsiText> Win32Files::ReadAll(const Text& fileName) {
    UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > AnsiText().max_size()) {
        return std::nullopt;
    }
    AnsiText bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;  // the file shrank meanwhile
        }
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool Win32Files::Replace(const Text& fileName, const AnsiText& bytes) {
    const std::size_t slash = fileName.rfind(L'\\');
    const Text folder = slash == Text::npos ? Text(L".") : fileName.substr(0, slash);
    wchar_t temporary[MAX_PATH]{};
    if (GetTempFileNameW(folder.c_str(), L"mlt", 0, temporary) == 0) {
        return false;
    }
    bool written = false;
    {
        UniqueFile file(
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file && WriteAll(file.get(), bytes);
    }
    if (written &&
        MoveFileExW(temporary, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}

}  // namespace orv::win32
