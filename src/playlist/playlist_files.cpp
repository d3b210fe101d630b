#include "playlist/playlist_files.h"

#include <algorithm>
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
    Appended appended = Appended::Failed;
    listCharacters_ = 0;
    // Whatever went wrong (memory ran out, the code page failed), it is a list that could not be read.
    RunBehindBarrier([&] { appended = AppendList(choice.fileName); });
    if (appended == Appended::Full) {
        dialogs_.ShowMessage(&frmJubo_, kListTooLongForThePlaylist, L"Error", MessageIcon::None);
    } else if (appended == Appended::Failed) {
        dialogs_.ShowMessage(&frmJubo_, L"File Not Found", L"Error", MessageIcon::None);
    }
}

PlaylistFiles::Appended PlaylistFiles::AppendList(const Text& fileName) {
    std::unique_ptr<FileReader> file = files_.OpenForReading(fileName);
    if (!file) {
        return Appended::Failed;
    }
    std::optional<AnsiText> start = ReadStart(*file);
    if (!start) {
        return Appended::Failed;
    }
    ListFileEncoding encoding = ListFileEncoding::Ansi;
    if (StartsWithListFileMark(*start)) {
        // Read through once to know whether it is UTF-8, then again from the start for the entries.
        const std::optional<bool> wellFormed = IsWellFormedToTheEnd(*file, *start);
        file = wellFormed ? files_.OpenForReading(fileName) : nullptr;
        if (!file) {
            return Appended::Failed;
        }
        encoding = *wellFormed ? ListFileEncoding::Utf8 : ListFileEncoding::Ansi;
        start = AnsiText{};
    }
    ListFileReader list(encoding, codePage_);
    std::vector<Text> entries;
    bool read = list.Add(*start, entries);
    Appended appended = Appended::All;
    while (read && (appended = AppendToPlaylist(entries)) == Appended::All) {
        const std::optional<AnsiText> piece = file->Read(kListPieceBytes);
        if (!piece) {
            return Appended::Failed;
        }
        if (piece->empty()) {
            const bool finished = list.Finish(entries);
            appended = AppendToPlaylist(entries);
            return appended == Appended::All && !finished ? Appended::Failed : appended;
        }
        read = list.Add(*piece, entries);
    }
    // A line too long for an entry: the entries before it go in all the same.
    if (!read) {
        appended = AppendToPlaylist(entries);
        return appended == Appended::All ? Appended::Failed : appended;
    }
    return appended;
}

PlaylistFiles::Appended PlaylistFiles::AppendToPlaylist(std::vector<Text>& entries) {
    if (entries.empty()) {
        return Appended::All;
    }
    const int before = List1_.Count();
    std::size_t room =
        before < kMostPlaylistEntries ? static_cast<std::size_t>(kMostPlaylistEntries - before) : 0;
    room = std::min(room, entries.size());
    for (std::size_t i = 0; i < room; ++i) {
        if (entries[i].size() > kMostListCharacters - listCharacters_) {
            room = i;
            break;
        }
        listCharacters_ += entries[i].size();
    }
    const bool fits = room == entries.size();
    entries.resize(room);
    List1_.AddItems(entries);
    const int after = List1_.Count();
    const bool tookAll = after >= before && static_cast<std::size_t>(after - before) == entries.size();
    entries.clear();
    if (!tookAll) {
        return Appended::Failed;
    }
    return fits ? Appended::All : Appended::Full;
}

}  // namespace orv
