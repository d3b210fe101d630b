// List files and folders that are not what a playlist expects, handed to the whole program as a person would:
// "Add", "Playlist" and a file typed into the Open dialog, or "Add", "Directory", a folder opened in Dir1 and
// "OK". Whatever the input, the main window keeps answering, the program says what the rules say (or
// nothing), the entries the playlist held before stay, playing what came in opens no device, and a
// participant's "p?" still gets its reply.
//
// "Hostile": left out where the programs run under an emulator, where writing and reading these files would
// take minutes.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"

namespace e2e {
namespace {

// The longest the main window may be busy with one of these inputs before it counts as hung.
constexpr DWORD kBusyMs = 10000;
// The longest a whole load may take.
constexpr DWORD kLoadTimeoutMs = 120000;
// The entry the playlist holds, and plays, before each input: it must still be there afterwards.
const std::wstring kKeptEntry = L"kept.mp3";

bool WriteWholeFile(const std::wstring& path, const std::function<bool(HANDLE)>& write) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = write(file);
    return CloseHandle(file) && written;
}

bool WriteBytes(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Lines "song 0000001.mp3" and so on, each padded with blanks to 48 characters and ended by CR LF, up to
// the size; written in large pieces so that even 200 MB take about a second.
bool WriteNumberedList(const std::wstring& path, std::size_t size) {
    return WriteWholeFile(path, [&](HANDLE file) {
        constexpr std::size_t kLine = 50;
        constexpr std::size_t kPiece = std::size_t{8} << 20;
        std::string piece;
        piece.reserve(kPiece + kLine);
        std::size_t line = 0;
        for (std::size_t done = 0; done < size; done += kLine) {
            std::string text = "song " + std::to_string(1000000 + ++line) + ".mp3";
            text.resize(kLine - 2, ' ');
            piece += text + "\r\n";
            if (piece.size() >= kPiece) {
                if (!WriteBytes(file, piece)) {
                    return false;
                }
                piece.clear();
            }
        }
        return WriteBytes(file, piece);
    });
}

// Creates the file with this name in the folder; names past the system's usual path length are reached
// through "\\?\".
bool MakeEmptyFile(const std::wstring& folder, const std::wstring& name) {
    const std::wstring path = L"\\\\?\\" + folder + L"\\" + name;
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

// The folder's path on the host system when this runs under Wine; empty on Windows.
std::string HostPathUnderWine(const std::wstring& folder) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    char* name = unixName ? unixName(folder.c_str()) : nullptr;
    const std::string path = name ? name : "";
    if (name) {
        HeapFree(GetProcessHeap(), 0, name);
    }
    return path;
}

// Starts the host's shell with the script, under Wine; Wine does not wait for a host program to end.
bool RunHostScript(const std::string& script) {
    std::wstring commandLine = L"Z:\\bin\\sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Makes the files "100000xxx...x.mp3" and on, each name `length` characters long. Wine looks through the
// whole folder for every name it creates, so that 50 000 names take many minutes: there the host's shell
// makes them, in seconds.
bool MakeNumberedFiles(const std::wstring& folder, int count, std::size_t length) {
    const auto padding = [&](std::size_t number) { return length - 4 - number; };
    const std::string host = HostPathUnderWine(folder);
    if (host.empty() || host.find('\'') != std::string::npos) {
        for (int i = 0; i < count; ++i) {
            const std::wstring number = std::to_wstring(100000 + i);
            if (!MakeEmptyFile(folder, number + std::wstring(padding(number.size()), L'x') + L".mp3")) {
                return false;
            }
        }
        return true;
    }
    // The script says it has finished by a file beside the folder.
    const std::wstring finished = folder + L".made";
    const std::string script =
        "cd '" + host + "' && i=100000; while [ $i -lt " + std::to_string(100000 + count) + " ]; do : >${i}" +
        std::string(padding(6), 'x') + ".mp3 || exit 1; i=$((i+1)); done; : >'" + host + ".made'";
    if (!RunHostScript(script)) {
        return false;
    }
    return WaitUntil([&] { return GetFileAttributesW(finished.c_str()) != INVALID_FILE_ATTRIBUTES; }, 120000,
                     250);
}

// Removes the folder and the files in it, long names included.
void RemoveFolderOfFiles(const std::wstring& folder) {
    const std::wstring long_folder = L"\\\\?\\" + folder;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((long_folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((long_folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(long_folder.c_str());
}

// The bytes of a list made of random bytes, and how many entries its lines give: a line ends at CR LF, at
// a CR or at an LF, and the last line needs no line end.
struct RandomList {
    std::string bytes;
    std::size_t lines = 0;
};

RandomList MakeRandomList(std::size_t size) {
    RandomList list;
    std::mt19937 random(16);
    while (list.bytes.size() < size) {
        const std::uint32_t word = random();
        list.bytes.append(reinterpret_cast<const char*>(&word), sizeof word);
    }
    for (std::size_t i = 0; i < list.bytes.size(); ++i) {
        const char c = list.bytes[i];
        const bool crBeforeLf = c == '\r' && i + 1 < list.bytes.size() && list.bytes[i + 1] == '\n';
        list.lines += (c == '\n' || (c == '\r' && !crBeforeLf)) ? 1 : 0;
    }
    const char last = list.bytes.back();
    list.lines += (last != '\r' && last != '\n') ? 1 : 0;
    return list;
}

// One hostile input and what the program makes of it.
struct HostileInput {
    const char* name;
    // Makes the list file or the folder inside the player's folder; the number of entries it should add
    // (nothing when making it failed).
    std::function<std::optional<std::size_t>(const std::wstring& playerFolder)> make;
    // The list file to load, or the folder to open in Dir1, by its name in the player's folder.
    std::wstring chosen;
    bool isFolder = false;
    // The folder goes away after it was opened in Dir1 and before "OK".
    bool vanishes = false;
    // The text of the "Error" box the program shows, empty for none.
    std::wstring message;
    // The first entries added, in order.
    std::vector<std::wstring> firstAdded;
    // Every entry added is played in turn: the engine shows it, with no file open.
    bool playsAdded = false;
};

void PrintTo(const HostileInput& input, std::ostream* out) {
    *out << input.name;
}

class HostileFilesBesideRoom : public PlayerBesideRoom, public ::testing::WithParamInterface<HostileInput> {
  protected:
    void TearDown() override {
        PlayerBesideRoom::TearDown();
        if (GetParam().isFolder) {
            RemoveFolderOfFiles(folder_.File(GetParam().chosen));
        }
    }

    // Polls the condition while the main window must keep answering; false, with a failure, when the window
    // was busy for longer than kBusyMs or the condition did not come.
    bool WaitWhileAnswering(const std::function<bool()>& condition, const char* what) {
        const ULONGLONG deadline = GetTickCount64() + Scaled(kLoadTimeoutMs);
        for (;;) {
            const ULONGLONG asked = GetTickCount64();
            if (!Answers(mainWindow_, kBusyMs)) {
                ADD_FAILURE() << "the main window did not answer for " << (GetTickCount64() - asked)
                              << " ms while waiting for " << what;
                return false;
            }
            if (condition()) {
                return true;
            }
            if (GetTickCount64() >= deadline) {
                ADD_FAILURE() << "no " << what;
                return false;
            }
            Sleep(100);
        }
    }

    int PlaylistCount() { return static_cast<int>(SendMessageW(Playlist(mainWindow_), LB_GETCOUNT, 0, 0)); }

    std::wstring Entry(int index) {
        HWND playlist = Playlist(mainWindow_);
        const LRESULT length = SendMessageW(playlist, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) {
            return {};
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(playlist, LB_GETTEXT, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
        return text;
    }

    HWND ErrorBox() {
        return FindTopWindow({.processId = player_.Id(), .className = L"#32770", .caption = L"Error"});
    }

    // Selects the entry and presses "Play": the path goes into the current-path box Text2, and the engine,
    // which was handed it, has no file open.
    void PlayEntry(int index, const std::wstring& path) {
        ASSERT_TRUE(SelectEntry(Playlist(mainWindow_), index));
        PressButton(MainWindowButton(mainWindow_, L"Play"));
        EXPECT_TRUE(WaitWhileAnswering(
            [&] {
                // Text2 is one of the main window's own edits; an edit keeps its text to itself.
                for (HWND edit = nullptr; (edit = FindWindowExW(mainWindow_, edit, L"Edit", nullptr));) {
                    if (WindowText(edit) == path) {
                        return true;
                    }
                }
                return false;
            },
            "the path in Text2"));
        const EngineDisplay display = ReadEngineDisplay(mainWindow_);
        EXPECT_EQ(display.fileName, L"");
        EXPECT_EQ(display.status.rfind(L"No file", 0), 0u) << ToAnsi(display.status);
    }

    void ChooseFromAddMenu(int item) {
        PressButton(MainWindowButton(mainWindow_, L"Add"));
        ASSERT_TRUE(ChooseFromMenu(player_.Id(), item)) << "\"Add\" opened no menu";
    }

    void LoadList(const std::wstring& path) {
        ASSERT_NO_FATAL_FAILURE(ChooseFromAddMenu(2));
        const HWND open = WaitForTopWindow(
            {.processId = player_.Id(), .className = L"#32770", .caption = L"Load your list."});
        ASSERT_NE(open, nullptr) << "\"Playlist\" showed no Open dialog";
        ASSERT_TRUE(TypeIntoInputBox(open, path));
        PostMessageW(open, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntilGone(open));
    }

    void AddDirectory(const std::wstring& folder, bool vanishes) {
        ASSERT_NO_FATAL_FAILURE(ChooseFromAddMenu(0));
        const HWND addDir = WaitForTopWindow({.processId = player_.Id(), .caption = L"Add Directory"});
        ASSERT_NE(addDir, nullptr) << "\"Directory\" showed no \"Add Directory\" window";
        ASSERT_TRUE(OpenFolderInAddDirectory(addDir, folder)) << "Dir1 does not list the folder";
        if (vanishes) {
            RemoveFolderOfFiles(folder_.File(folder));
            ASSERT_FALSE(GetFileAttributesW(folder_.File(folder).c_str()) != INVALID_FILE_ATTRIBUTES);
        }
        ASSERT_TRUE(PressButtonIn(addDir, L"OK"));
    }

    HWND mainWindow_ = nullptr;
};

TEST_P(HostileFilesBesideRoom, TheProgramAnswersSaysWhatTheRulesSayAndKeepsWhatItHad) {
    const HostileInput& input = GetParam();
    ULONGLONG made = GetTickCount64();
    // Before the player starts, so that Dir1 lists the folders.
    const std::optional<std::size_t> added = input.make(folder_.Path());
    ASSERT_TRUE(added.has_value()) << "could not make the input";
    std::printf("[ made     ] %s in %llu ms\n", input.name, GetTickCount64() - made);
    mainWindow_ = StartRosaBesideTheRoom();
    ASSERT_NE(mainWindow_, nullptr);
    ASSERT_NE(EnableChatCommands(mainWindow_), nullptr);
    ASSERT_TRUE(AddToPlaylist(Playlist(mainWindow_), {kKeptEntry}));
    ASSERT_NO_FATAL_FAILURE(PlayEntry(0, folder_.File(kKeptEntry)));

    ULONGLONG started = GetTickCount64();
    if (input.isFolder) {
        ASSERT_NO_FATAL_FAILURE(AddDirectory(input.chosen, input.vanishes));
    } else {
        ASSERT_NO_FATAL_FAILURE(LoadList(folder_.File(input.chosen)));
    }
    const int expected = 1 + static_cast<int>(*added);
    const std::string loadedMessage = "Dir Loaded - <b> " + std::to_string(expected) + "</b> Files.";
    ASSERT_TRUE(WaitWhileAnswering(
        [&] {
            if (ErrorBox() != nullptr) {
                return true;
            }
            if (input.isFolder) {
                return ReadHistory().find(loadedMessage) != std::string::npos;
            }
            return PlaylistCount() >= expected;
        },
        "end of the load"));
    std::printf("[ loaded   ] %s in %llu ms, %d entries\n", input.name, GetTickCount64() - started,
                PlaylistCount());
    if (input.message.empty()) {
        Sleep(500);
        EXPECT_EQ(ErrorBox(), nullptr) << "an unexpected \"Error\" box";
    } else {
        const HWND box = ErrorBox();
        ASSERT_NE(box, nullptr) << "no \"Error\" box";
        EXPECT_NE(FindDescendant(box, L"", input.message), nullptr) << "the box does not say it";
        ASSERT_TRUE(PressButtonIn(box, L"OK"));
        EXPECT_TRUE(WaitUntilGone(box));
    }
    if (input.isFolder) {
        const std::string history = WaitForRoomToShow(loadedMessage);
        EXPECT_NE(history.find(loadedMessage), std::string::npos);
    }
    ASSERT_TRUE(WaitWhileAnswering([] { return true; }, "answer"));
    EXPECT_EQ(PlaylistCount(), expected);
    EXPECT_EQ(Entry(0), kKeptEntry) << "the entry the playlist held before is gone";
    for (std::size_t i = 0; i < input.firstAdded.size(); ++i) {
        EXPECT_EQ(Entry(1 + static_cast<int>(i)), input.firstAdded[i]) << i;
    }

    std::wstring lastPlayed = kKeptEntry;
    if (input.playsAdded) {
        for (std::size_t i = 0; i < input.firstAdded.size(); ++i) {
            const std::wstring& entry = input.firstAdded[i];
            SCOPED_TRACE(ToAnsi(entry));
            ASSERT_NO_FATAL_FAILURE(PlayEntry(1 + static_cast<int>(i), folder_.File(entry)));
            lastPlayed = entry;
        }
    }
    ASSERT_TRUE(SayAsParticipant(L"p?"));
    const std::string reply = ToAnsi(lastPlayed);
    const std::string history = WaitForRoomToShow(reply);
    const std::vector<std::string> messages = RoomMessages(history);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), reply) << "\"p?\" got no reply";
}

const std::wstring kLongPath = L"C:\\" + std::wstring(40000, L'a') + L".mp3";

INSTANTIATE_TEST_SUITE_P(
    HostileInputs, HostileFilesBesideRoom,
    ::testing::Values(
        HostileInput{
            .name = "ListOf200MB",
            .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                if (!WriteNumberedList(folder + L"\\big.mlt", std::size_t{200} << 20)) {
                    return std::nullopt;
                }
                // The playlist stops at 200 000 entries, kept.mp3 among them.
                return 200000 - 1;
            },
            .chosen = L"big.mlt",
            .message = L"The list is longer than the playlist can hold: the rest of it was not loaded.",
            .firstAdded = {L"song 1000001.mp3" + std::wstring(32, L' ')}},
        HostileInput{.name = "ListOfRandomBytes",
                     .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                         const RandomList list = MakeRandomList(std::size_t{1} << 20);
                         if (!WriteWholeFile(folder + L"\\random.mlt",
                                             [&](HANDLE file) { return WriteBytes(file, list.bytes); })) {
                             return std::nullopt;
                         }
                         return list.lines;
                     },
                     .chosen = L"random.mlt"},
        HostileInput{.name = "ListOfOneLineOf10MB",
                     .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                         const std::string line(std::size_t{10} << 20, 'x');
                         if (!WriteWholeFile(folder + L"\\line.mlt",
                                             [&](HANDLE file) { return WriteBytes(file, line + "\r\n"); })) {
                             return std::nullopt;
                         }
                         return 0;
                     },
                     .chosen = L"line.mlt",
                     .message = L"File Not Found"},
        HostileInput{.name = "ListNamingDevicesAFolderAndALongPath",
                     .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                         const std::string list = "CON\r\nNUL\r\n\\\\.\\PhysicalDrive0\r\nalbums\r\n" +
                                                  ToAnsi(kLongPath) + "\r\nafter.mp3\r\n";
                         if (!CreateDirectoryW((folder + L"\\albums").c_str(), nullptr) ||
                             !WriteWholeFile(folder + L"\\devices.mlt",
                                             [&](HANDLE file) { return WriteBytes(file, list); })) {
                             return std::nullopt;
                         }
                         return 4;
                     },
                     .chosen = L"devices.mlt",
                     .message = L"File Not Found",
                     .firstAdded = {L"CON", L"NUL", L"\\\\.\\PhysicalDrive0", L"albums"},
                     .playsAdded = true},
        HostileInput{.name = "FolderThatVanishesBeforeOk",
                     .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                         const std::wstring vanishing = folder + L"\\vanishing";
                         if (!CreateDirectoryW(vanishing.c_str(), nullptr) ||
                             !MakeEmptyFile(vanishing, L"a.mp3")) {
                             return std::nullopt;
                         }
                         return 0;
                     },
                     .chosen = L"vanishing",
                     .isFolder = true,
                     .vanishes = true,
                     .message = L"No files were found in specific folder"},
        HostileInput{.name = "FolderOf50000FilesWithNamesOf255Characters",
                     .make = [](const std::wstring& folder) -> std::optional<std::size_t> {
                         const std::wstring many = folder + L"\\many";
                         if (!CreateDirectoryW(many.c_str(), nullptr)) {
                             return std::nullopt;
                         }
                         if (!MakeNumberedFiles(many, 50000, 255)) {
                             return std::nullopt;
                         }
                         return 50000;
                     },
                     .chosen = L"many",
                     .isFolder = true,
                     .firstAdded = {L"100000" + std::wstring(245, L'x') + L".mp3"}}),
    [](const ::testing::TestParamInfo<HostileInput>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
