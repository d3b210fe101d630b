// What filling the playlist costs, beside the bare work it cannot avoid, in the same run:
//  - a folder of 10 000 files through "OK" on the shown frmAddDir (the folder read and sorted by name, File1
//    filled, the names appended to the playlist, the dialog hidden), beside enumerating the folder and
//    filling one plain list box with its drawing off;
//  - a 100 000-entry list saved ("Save") and loaded ("Playlist"), beside reading the entries out of a plain
//    list box (each entry's length, then its text) and writing the bytes raw, and reading the bytes raw and
//    filling a plain list box.
// Goal: at most 1.5 times the baseline. Medians of several rounds.
//   bench/under_wine.sh playlist_sources_bench [BUILD_FOLDER] --rounds R
// (default 5 rounds; ORVJUBO_BENCH_PARTS=1 also times the parts once). "OK" is pressed on the shown dialog.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "report_row.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "playlist/list_file_format.h"
#include "playlist/playlist_sources.h"

namespace {

constexpr double kGoalRatio = 1.5;
constexpr int kFolderFiles = 10000;
constexpr int kListEntries = 100000;

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class QuietChat : public orv::ChatSender {
  public:
    void ChatSend(const orv::Text&) override {}
};

// Answers the name box with "bench" and the Open dialog with the list just saved.
class ScriptedDialogs : public orv::Dialogs {
  public:
    explicit ScriptedDialogs(orv::Text list) : list_(std::move(list)) {}
    void ShowMessage(const orv::Form*, const orv::Text& text, const orv::Text&, orv::MessageIcon) override {
        std::fprintf(stderr, "unexpected message: %ls\n", text.c_str());
    }
    std::optional<orv::Text> AskText(const orv::Form*, const orv::Text&, const orv::Text&) override {
        return orv::Text(L"bench");
    }
    orv::OpenFileChoice AskOpenFile(const orv::Form*, const orv::OpenFileRequest&) override {
        return {list_, L"bench.mlt"};
    }

  private:
    orv::Text list_;
};

// The real folders, with the program's folder moved to the benchmark's own.
class BenchFolders : public orv::win32::Win32Folders {
  public:
    explicit BenchFolders(orv::Text folder) : folder_(std::move(folder)) {}
    orv::Text ProgramFolder() override { return folder_; }

  private:
    orv::Text folder_;
};

std::wstring MakeTemporaryFolder() {
    wchar_t base[MAX_PATH]{};
    GetTempPathW(MAX_PATH, base);
    const std::wstring folder =
        std::wstring(base) + L"orvjubo-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                const std::wstring full = folder + L"\\" + name;
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    RemoveFolder(full);
                } else {
                    DeleteFileW(full.c_str());
                }
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring EntryName(int i) {
    wchar_t name[64];
    std::swprintf(name, 64, L"%05d - Some Artist - A Song With A Title.mp3", i);
    return name;
}

// A plain list box with its drawing off while it is filled.
void FillPlainList(HWND list, const std::vector<std::wstring>& names) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& name : names) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void Report(const char* what, double baseline, double product) {
    const double ratio = product / baseline;
    std::printf("%-50s baseline %9.1f ms   program %9.1f ms   ratio %5.2f  %s\n", what, baseline, product,
                ratio, ratio <= kGoalRatio ? "ok" : "OVER GOAL");
    char figure[32], bare[64], goal[32];
    std::snprintf(figure, sizeof figure, "%.0f ms", product);
    std::snprintf(bare, sizeof bare, "%.0f ms (plain list box, raw I/O)", baseline);
    std::snprintf(goal, sizeof goal, "<= %.1f x baseline", kGoalRatio);
    orv::bench::PrintReportRow(what, figure, bare, ratio, goal, ratio <= kGoalRatio);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int rounds = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wcscmp(argv[i], L"--rounds") == 0) {
            rounds = std::max(1, _wtoi(argv[i + 1]));
        }
    }
    const std::wstring root = MakeTemporaryFolder();
    const std::wstring songs = root + L"\\songs";
    CreateDirectoryW(songs.c_str(), nullptr);
    for (int i = 0; i < kFolderFiles; ++i) {
        const HANDLE file = CreateFileW((songs + L"\\" + EntryName(i)).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
    const std::wstring listPath = root + L"\\bench.mlt";

    orv::win32::Win32FormFactory forms;
    BenchFolders folders(root);
    ScriptedDialogs dialogs(listPath);
    QuietChat chat;
    orv::win32::Win32Files files;
    orv::win32::Win32CodePage codePage;
    const auto frmJubo = forms.Create(orv::MainWindowSpec());
    frmJubo->Show();
    orv::FormListBox& list1 = frmJubo->ListBoxNamed("List1");
    SetCurrentDirectoryW(songs.c_str());
    orv::AddDirWindow addDir(forms, folders);
    addDir.Window();
    orv::PlaylistSources sources(*frmJubo, list1, frmJubo->TextBoxNamed("Text1"), addDir, dialogs, chat,
                                 files, folders, codePage);
    const HWND plain = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0,
                                       0, 200, 200, nullptr, nullptr, nullptr, nullptr);

    std::vector<double> folderBase, folderProduct, saveBase, saveProduct, loadBase, loadProduct;
    for (int round = 0; round < rounds; ++round) {
        SendMessageW(plain, LB_RESETCONTENT, 0, 0);
        folderBase.push_back(Milliseconds([&] {
            std::vector<std::wstring> names;
            WIN32_FIND_DATAW found{};
            const HANDLE search = FindFirstFileW((songs + L"\\*").c_str(), &found);
            do {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                    names.emplace_back(found.cFileName);
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
            FillPlainList(plain, names);
        }));
        list1.Clear();
        addDir.Show();
        folderProduct.push_back(Milliseconds([&] { sources.directory.LoadDirectory(); }));
        if (list1.Count() != kFolderFiles) {
            std::fprintf(stderr, "the folder gave %d entries, not %d\n", list1.Count(), kFolderFiles);
            return 1;
        }
    }

    std::vector<std::wstring> entries;
    for (int i = 0; i < kListEntries; ++i) {
        entries.push_back(EntryName(i));
    }
    const std::wstring rawPath = root + L"\\raw.mlt";
    for (int round = 0; round < rounds; ++round) {
        SendMessageW(plain, LB_RESETCONTENT, 0, 0);
        FillPlainList(plain, entries);
        list1.Clear();
        list1.AddItems(entries);
        saveBase.push_back(Milliseconds([&] {
            std::string bytes;
            const int count = static_cast<int>(SendMessageW(plain, LB_GETCOUNT, 0, 0));
            std::wstring text;
            char ansi[1024];
            for (int i = 0; i < count; ++i) {
                // Entries of any length: the length first, then the text.
                text.resize(
                    static_cast<std::size_t>(SendMessageW(plain, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)));
                SendMessageW(plain, LB_GETTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text.data()));
                const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                       ansi, sizeof ansi, nullptr, nullptr);
                bytes.append(ansi, static_cast<std::size_t>(std::max(length, 0)));
                bytes += "\r\n";
            }
            const HANDLE file = CreateFileW(rawPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(file);
        }));
        saveProduct.push_back(Milliseconds([&] { sources.files.Save(); }));

        SendMessageW(plain, LB_RESETCONTENT, 0, 0);
        loadBase.push_back(Milliseconds([&] {
            const HANDLE file = CreateFileW(rawPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
            std::string bytes(GetFileSize(file, nullptr), '\0');
            DWORD read = 0;
            ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
            CloseHandle(file);
            std::vector<std::wstring> lines;
            std::size_t start = 0;
            for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
                 start = end + 2, end = bytes.find("\r\n", start)) {
                std::wstring line(end - start, L'\0');
                MultiByteToWideChar(CP_ACP, 0, bytes.data() + start, static_cast<int>(end - start),
                                    line.data(), static_cast<int>(line.size()));
                lines.push_back(std::move(line));
            }
            FillPlainList(plain, lines);
        }));
        list1.Clear();
        loadProduct.push_back(Milliseconds([&] { sources.files.Load(); }));
        if (list1.Count() != kListEntries) {
            std::fprintf(stderr, "the list gave %d entries, not %d\n", list1.Count(), kListEntries);
            return 1;
        }
    }

    if (std::getenv("ORVJUBO_BENCH_PARTS") != nullptr) {
        std::vector<orv::Text> got;
        std::printf("read List1 %.1f ms\n", Milliseconds([&] { got = list1.Items(); }));
        orv::AnsiText bytes;
        std::printf("encode %.1f ms\n", Milliseconds([&] { bytes = orv::ListFileBytes(got, codePage); }));
        std::printf("replace %.1f ms\n", Milliseconds([&] { files.Replace(listPath, bytes); }));
        std::printf("read %.1f ms\n", Milliseconds([&] {
                        bytes.clear();
                        const auto file = files.OpenForReading(listPath);
                        while (file) {
                            const auto piece = file->Read(std::size_t{1} << 20);
                            if (!piece || piece->empty()) {
                                break;
                            }
                            bytes += *piece;
                        }
                    }));
        std::printf("decode %.1f ms\n",
                    Milliseconds([&] { got = orv::ListFileEntries(bytes, codePage).value_or(got); }));
        list1.Clear();
        std::printf("fill List1 %.1f ms\n", Milliseconds([&] { list1.AddItems(got); }));
        std::printf("FilesIn %.1f ms\n", Milliseconds([&] { got = folders.FilesIn(songs); }));
    }
    std::printf("median of %d rounds; goal: program <= %.1f x baseline\n", rounds, kGoalRatio);
    Report("folder of 10 000 files into the playlist (\"OK\")", Median(folderBase), Median(folderProduct));
    Report("list of 100 000 entries saved (\"Save\")", Median(saveBase), Median(saveProduct));
    Report("list of 100 000 entries loaded (\"Playlist\")", Median(loadBase), Median(loadProduct));
    DestroyWindow(plain);
    SetCurrentDirectoryW(L"C:\\");
    RemoveFolder(root);
    return 0;
}
