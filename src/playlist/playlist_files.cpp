#include "playlist/playlist_files.h"

#include <limits>
#include <memory>

#include "platform/exception_barrier.h"
#include "playlist/list_file_format.h"
#include "playlist/utf8.h"

namespace orv {

namespace {

// A list is read, and its entries go into the playlist, this many bytes at a time.
constexpr std::size_t kListPieceBytes = std::size_t{1} << 20;

// The first bytes of the file: as many as the mark has, unless the file is shorter.
std::optional<AnsiText> ReadStart(FileReader& file) {
    AnsiText start;
    while (start.size() < kListFileMark.size()) {
        const std::optional<AnsiText> piece = file.Read(kListPieceBytes);
        if (!piece) {
            return std::nullopt;
        }
        if (piece->empty()) {
            break;
        }
        start += *piece;
    }
    return start;
}

// Whether the file, whose first bytes have been read, is well-formed UTF-8 to its end; nothing when reading
// failed. Reading stops at the first broken sequence.
std::optional<bool> IsWellFormedToTheEnd(FileReader& file, std::string_view start) {
    Utf8Check check;
    check.Add(start);
    while (!check.Broken()) {
        const std::optional<AnsiText> piece = file.Read(kListPieceBytes);
        if (!piece) {
            return std::nullopt;
        }
        if (piece->empty()) {
            break;
        }
        check.Add(*piece);
    }
    return check.WellFormed();
}

}  // namespace

void PlaylistFiles::Save() {
    const auto name = dialogs_.AskText(&frmJubo_, L"ListName", L"ListName");
    if (!name) {
        return;
    }
    if (!IsListNameAllowed(*name)) {
        dialogs_.ShowMessage(
            &frmJubo_,
            L"The list was not saved: a list name cannot hold \\ / : * ? \" < > | and cannot be "
            L"a device name such as CON or NUL.",
            L"Error", MessageIcon::None);
        return;
    }
    const std::vector<Text> entries = List1_.Items();
    const Text path = folders_.ProgramFolder() + L"\\" + *name + L".mlt";
    bool saved = false;
    RunBehindBarrier([&] { saved = files_.Replace(path, ListFileBytes(entries, codePage_)); });
    if (!saved) {
        dialogs_.ShowMessage(&frmJubo_, L"The list was not saved: " + path + L" could not be written.",
                             L"Error", MessageIcon::None);
    }
}

void PlaylistFiles::Load() {
    const OpenFileChoice choice = dialogs_.AskOpenFile(
        &frmJubo_, {.title = L"Load your list.", .flags = kShareAware, .filter = L"list Files|*.mlt"});
    if (choice.fileName.empty()) {
        return;
    }
    bool loaded = false;
    // Whatever went wrong (memory ran out, the code page failed), it is a list that could not be read.
    RunBehindBarrier([&] { loaded = AppendList(choice.fileName); });
    if (!loaded) {
        dialogs_.ShowMessage(&frmJubo_, L"File Not Found", L"Error", MessageIcon::None);
    }
}

bool PlaylistFiles::AppendList(const Text& fileName) {
    std::unique_ptr<FileReader> file = files_.OpenForReading(fileName);
    if (!file) {
        return false;
    }
    std::optional<AnsiText> start = ReadStart(*file);
    if (!start) {
        return false;
    }
    ListFileEncoding encoding = ListFileEncoding::Ansi;
    if (StartsWithListFileMark(*start)) {
        // Read through once to know whether it is UTF-8, then again from the start for the entries.
        const std::optional<bool> wellFormed = IsWellFormedToTheEnd(*file, *start);
        file = wellFormed ? files_.OpenForReading(fileName) : nullptr;
        if (!file) {
            return false;
        }
        encoding = *wellFormed ? ListFileEncoding::Utf8 : ListFileEncoding::Ansi;
        start = AnsiText{};
    }
    ListFileReader list(encoding, codePage_);
    std::vector<Text> entries;
    bool read = list.Add(*start, entries);
    while (read && AppendToPlaylist(entries)) {
        const std::optional<AnsiText> piece = file->Read(kListPieceBytes);
        if (!piece) {
            return false;
        }
        if (piece->empty()) {
            const bool finished = list.Finish(entries);
            return AppendToPlaylist(entries) && finished;
        }
        read = list.Add(*piece, entries);
    }
    // A line too long for an entry: the entries before it go in all the same.
    if (!read) {
        AppendToPlaylist(entries);
    }
    return false;
}

bool PlaylistFiles::AppendToPlaylist(std::vector<Text>& entries) {
    if (entries.empty()) {
        return true;
    }
    const int before = List1_.Count();
    // The playlist counts its entries in an int.
    const auto room = static_cast<std::size_t>(std::numeric_limits<int>::max() - before);
    const bool fits = entries.size() <= room;
    if (!fits) {
        entries.resize(room);
    }
    List1_.AddItems(entries);
    const int after = List1_.Count();
    const bool tookAll = after >= before && static_cast<std::size_t>(after - before) == entries.size();
    entries.clear();
    return fits && tookAll;
}

}  // namespace orv
