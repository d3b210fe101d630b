// Playlist sources against the real file system: frmAddDir's three lists over a temporary folder tree, and
// ".mlt" lists saved and loaded through the real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "playlist/list_file_format.h"
#include "shell/add_dir_window.h"

namespace orv::win32 {
namespace {

// A fresh folder under the temporary folder, removed with all it holds.
class TemporaryTree {
  public:
    TemporaryTree() {
        wchar_t base[MAX_PATH]{};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"orvjubo-sources-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TemporaryTree() { Remove(path_); }
    const Text& Path() const { return path_; }
    void File(const Text& name, const AnsiText& bytes = "x", DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const Text full = path_ + L"\\" + name;
        UniqueFile file(
            CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    void Folder(const Text& name) { CreateDirectoryW((path_ + L"\\" + name).c_str(), nullptr); }

  private:
    static void Remove(const Text& path) {
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const Text name = found.cFileName;
                const Text full = path + L"\\" + name;
                if (name == L"." || name == L"..") {
                    continue;
                }
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    Remove(full);
                } else {
                    DeleteFileW(full.c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path.c_str());
    }
    Text path_;
};

// The whole file, read through the port in pieces of at most `piece` bytes; nothing when it cannot be read.
std::optional<AnsiText> ReadWhole(Files& files, const Text& fileName, std::size_t piece) {
    const std::unique_ptr<FileReader> file = files.OpenForReading(fileName);
    if (!file) {
        return std::nullopt;
    }
    AnsiText bytes;
    for (;;) {
        const std::optional<AnsiText> next = file->Read(piece);
        if (!next || next->size() > piece) {
            return std::nullopt;
        }
        if (next->empty()) {
            return bytes;
        }
        bytes += *next;
    }
}

std::vector<Text> Items(const ListBox& list) {
    std::vector<Text> items;
    for (int i = 0; i < list.Count(); ++i) {
        items.push_back(list.Item(i));
    }
    return items;
}

TEST(PlaylistSourcesOnDisk, AddDirectoryListsShowTheWorkingDirectory) {
    TemporaryTree tree;
    tree.Folder(L"zed");
    tree.Folder(L"Alpha");
    tree.File(L"b.mp3");
    tree.File(L"A.mp3");
    tree.File(L"notes.txt");
    tree.File(L"hidden.mp3", "x", FILE_ATTRIBUTE_HIDDEN);
    tree.File(L"system.mp3", "x", FILE_ATTRIBUTE_SYSTEM);

    wchar_t previous[MAX_PATH]{};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(tree.Path().c_str()));
    Win32FormFactory forms;
    Win32Folders folders;
    const auto frmJubo = forms.Create(MainWindowSpec());
    AddDirWindow addDir(forms, folders);
    Form& form = addDir.Window();
    SetCurrentDirectoryW(previous);

    EXPECT_EQ(Items(form.ListBoxNamed("File1")), (std::vector<Text>{L"A.mp3", L"b.mp3", L"notes.txt"}))
        << "by name, hidden and system files left out";
    const std::vector<Text> dir1 = Items(form.ListBoxNamed("Dir1"));
    ASSERT_GE(dir1.size(), 3u);
    EXPECT_EQ((std::vector<Text>{dir1.end() - 2, dir1.end()}), (std::vector<Text>{L"Alpha", L"zed"}));
    EXPECT_EQ(dir1[dir1.size() - 3], tree.Path().substr(tree.Path().rfind(L'\\') + 1));
    const FormDriveList& drive1 = form.DriveListNamed("Drive1");
    const Text drive{static_cast<wchar_t>(towlower(tree.Path()[0])), L':'};
    EXPECT_EQ(drive1.SelectedText(), drive);

    form.ListBoxNamed("Dir1").SetListIndex(static_cast<int>(dir1.size()) - 2);
    form.ListBoxNamed("Dir1").onDoubleClick();
    EXPECT_EQ(addDir.Dir1Path(), tree.Path() + L"\\Alpha");
    addDir.PointFile1AtDir1();
    EXPECT_TRUE(addDir.File1Entries().empty());
}

TEST(PlaylistSourcesOnDisk, ListsSurviveARoundTripAndAFailedSaveKeepsTheOldList) {
    TemporaryTree tree;
    Win32Files files;
    Win32CodePage codePage;
    const Text path = tree.Path() + L"\\mix.mlt";
    const std::vector<Text> entries = {L"a, \"b\".mp3", L"  c.mp3 ", L"", L"D:\\x\\\u65E5\u672C.mp3"};

    ASSERT_TRUE(files.Replace(path, ListFileBytes(entries, codePage)));
    const auto read = ReadWhole(files, path, 1 << 20);
    ASSERT_TRUE(read);
    EXPECT_EQ(ListFileEntries(*read, codePage), entries);
    EXPECT_EQ(ReadWhole(files, path, 3), read) << "in pieces of three bytes";
    EXPECT_FALSE(files.OpenForReading(tree.Path() + L"\\gone.mlt"));
    // The system's code page holds these exactly; a character it would only write as a look-alike does not.
    EXPECT_EQ(ListFileBytes({L"caf\u00E9.mp3"}, codePage), "caf\xE9.mp3\r\n");
    EXPECT_EQ(ListFileBytes({L"\u0100.mp3"}, codePage), "\xEF\xBB\xBF\xC4\x80.mp3\r\n");

    // Another program holds the list open without letting it be replaced.
    UniqueFile holder(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_FALSE(files.Replace(path, "new\r\n"));
    holder.reset();
    EXPECT_EQ(ReadWhole(files, path, 1 << 20), read);
    WIN32_FIND_DATAW found{};
    int count = 0;
    const HANDLE search = FindFirstFileW((tree.Path() + L"\\*").c_str(), &found);
    do {
        count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? 1 : 0;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(count, 1) << "no temporary file is left behind";
}

}  // namespace
}  // namespace orv::win32
