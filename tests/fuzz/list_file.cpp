// Loading a ".mlt" list of any bytes, in pieces of any size, in a single-byte or a double-byte code page:
// the playlist gets the file's lines (after what it held), up to a line too long for an entry, which ends the
// load with "File Not Found"; and a list the program writes reads back as the entries it was written from.
#include <optional>

#include "fakes/fake_code_page.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fuzz/fuzz_support.h"
#include "playlist/list_file_format.h"
#include "playlist/playlist_files.h"
#include "playlist/utf8.h"

namespace {

using orv::AnsiText;
using orv::Text;
using orv::fuzz::Check;
using Texts = std::vector<Text>;

// The file's bytes: the input, where two zero bytes, a count of two bytes (high first), a length byte (its
// value modulo 4, plus 1) and that many bytes stand for those bytes repeated count times, so that a short
// input can make lines longer than any entry.
AnsiText FileBytes(const std::uint8_t* bytes, std::size_t size) {
    AnsiText file;
    for (std::size_t i = 0; i < size; ++i) {
        if (i + 5 < size && bytes[i] == 0 && bytes[i + 1] == 0) {
            const std::size_t count = bytes[i + 2] * 256u + bytes[i + 3];
            const std::size_t length = std::min<std::size_t>(bytes[i + 4] % 4 + 1, size - i - 5);
            const AnsiText unit(reinterpret_cast<const char*>(bytes + i + 5), length);
            for (std::size_t n = 0; n < count; ++n) {
                file += unit;
            }
            i += 4 + length;
        } else {
            file.push_back(static_cast<char>(bytes[i]));
        }
    }
    return file;
}

// The list's lines, read from the whole file at once: a line ends at CR LF, CR or LF.
Texts Lines(const Text& text) {
    Texts lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(L"\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const AnsiText file = FileBytes(bytes, size);
    const unsigned char last = size > 0 ? bytes[size - 1] : 0;  // chooses the code page and the pieces
    const orv::testing::FakeCodePage singleByte;
    const orv::fuzz::DoubleByteCodePage doubleByte;
    const orv::CodePage& codePage = last & 0x40 ? static_cast<const orv::CodePage&>(doubleByte) : singleByte;

    const bool utf8 = orv::StartsWithListFileMark(file) && orv::IsWellFormedUtf8(file);
    const Texts lines = Lines(utf8 ? orv::FromUtf8(std::string_view(file).substr(orv::kListFileMark.size()))
                                   : codePage.FromAnsi(file));
    const auto tooLong = std::find_if(
        lines.begin(), lines.end(), [](const Text& line) { return line.size() > orv::kMaxListEntryLength; });
    const Texts entries(lines.begin(), tooLong);
    const bool whole = tooLong == lines.end();

    const std::optional<Texts> read = orv::ListFileEntries(file, codePage);
    Check(read.has_value() == whole, "a list is refused exactly when a line is too long for an entry");
    Check(!read || *read == entries, "the entries are the file's lines");

    // "Playlist" in the program, the file read in pieces of 1 to 64 bytes.
    orv::testing::FakeListBox List1{L"kept.mp3"};
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeFiles files;
    orv::testing::FakeFolders folders;
    const orv::testing::FakeForm frmJubo{orv::WindowSpec{.name = "frmJubo"}};
    orv::PlaylistFiles playlistFiles{List1, dialogs, frmJubo, files, folders, codePage};
    files.contents[L"C:\\lists\\x.mlt"] = file;
    files.mostPerRead = 1 + last % 64;
    dialogs.openChoices = {{L"C:\\lists\\x.mlt", L"x.mlt"}};
    playlistFiles.Load();
    Texts expected = {L"kept.mp3"};
    expected.insert(expected.end(), entries.begin(), entries.end());
    Check(List1.items == expected, "the playlist gets the entries after what it held");
    Check(dialogs.Messages() == (whole ? Texts{} : Texts{L"File Not Found"}), "only a refused list says so");

    // Written and read back.
    if (whole) {
        const AnsiText written = orv::ListFileBytes(entries, codePage);
        Check(orv::ListFileEntries(written, codePage) == entries, "a written list reads back the same");
    }
    return 0;
}
