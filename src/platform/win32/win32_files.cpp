#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/unique_handles.h"

namespace orv::win32 {

namespace {

// The most bytes one ReadFile or WriteFile call is given.
constexpr std::size_t kMostPerCall = std::size_t{1} << 24;

bool WriteAll(HANDLE file, const AnsiText& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto piece = static_cast<DWORD>(std::min(bytes.size() - done, kMostPerCall));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

class Win32FileReader : public FileReader {
  public:
    explicit Win32FileReader(UniqueFile file) : file_(std::move(file)) {}

    std::optional<AnsiText> Read(std::size_t most) override {
        AnsiText bytes(std::min(most, kMostPerCall), '\0');
        DWORD read = 0;
        if (!ReadFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            return std::nullopt;
        }
        bytes.resize(read);
        return bytes;
    }

  private:
    UniqueFile file_;
};

}  // namespace

void Win32Files::Append(const Text& fileName, const AnsiText& bytes) {
    // A file that cannot be opened, or a write that fails, loses the bytes; the program goes on.
    UniqueFile file(CreateFileW(fileName.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        WriteAll(file.get(), bytes);
    }
}

std::unique_ptr<FileReader> Win32Files::OpenForReading(const Text& fileName) {
    UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return nullptr;
    }
    return std::make_unique<Win32FileReader>(std::move(file));
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
        written = file && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) != FALSE;
    }
    if (written &&
        MoveFileExW(temporary, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}

}  // namespace orv::win32
