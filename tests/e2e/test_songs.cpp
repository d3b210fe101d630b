#include "e2e/test_songs.h"

#include <windows.h>

#include <cstdlib>

#include "e2e/harness.h"

namespace e2e {

namespace {

constexpr wchar_t kMediaFolderVariable[] = L"ORVJUBO_TEST_MEDIA_DIR";

// The media folder as a Windows path; a Unix path, as the test scripts give it, is reached through Wine's
// drive Z:.
std::wstring MediaFolder() {
    const wchar_t* value = _wgetenv(kMediaFolderVariable);
    std::wstring folder = value ? value : L"";
    if (!folder.empty() && folder.front() == L'/') {
        folder = L"Z:" + folder;
    }
    for (wchar_t& c : folder) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    while (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

::testing::AssertionResult CopyTestSong(const std::wstring& song, const std::wstring& targetPath) {
    const std::wstring folder = MediaFolder();
    if (folder.empty()) {
        return ::testing::AssertionFailure()
               << "ORVJUBO_TEST_MEDIA_DIR is not set: run tests/media/make_test_media.sh <folder> and export "
                  "ORVJUBO_TEST_MEDIA_DIR=<folder> (scripts/test does both)";
    }
    const std::wstring source = folder + L"\\" + song;
    if (!FileExists(source)) {
        return ::testing::AssertionFailure()
               << "the test song " << ToAnsi(source) << " is missing (run tests/media/make_test_media.sh)";
    }
    if (!CopyFileW(source.c_str(), targetPath.c_str(), FALSE)) {
        return ::testing::AssertionFailure() << "could not copy " << ToAnsi(source) << " to "
                                             << ToAnsi(targetPath) << ", error " << GetLastError();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace e2e
