#include "platform/win32/win32_files.h"

#include <windows.h>

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
