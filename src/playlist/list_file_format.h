#pragma once
// The bytes of a ".mlt" list: each entry followed by CR LF, nothing else. The entries are in the ANSI code
// page when all of them have their exact form there; otherwise the file is UTF-8 behind its byte-order mark
// (EF BB BF), so that no entry turns into question marks. A file is read as UTF-8 only when it starts with
// the mark and is well-formed UTF-8 throughout; every other file is read in the ANSI code page, the bytes of
// a mark included. A line ends at CR LF, at CR or at LF.
//
// Apart from the code page, these are pure functions of their input.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/text.h"

namespace orv {

inline constexpr std::string_view kListFileMark = "\xEF\xBB\xBF";
// The longest entry a list gives, in characters: the longest path the system can name.
inline constexpr std::size_t kMaxListEntryLength = 32767;
// The most bytes a line of that length can take in any form a list is read in.
inline constexpr std::size_t kMaxListLineBytes = 4 * kMaxListEntryLength;

enum class ListFileEncoding { Ansi, Utf8 };

// Throws CodePageError when the code page cannot convert at all.
AnsiText ListFileBytes(const std::vector<Text>& entries, const CodePage& codePage);

bool StartsWithListFileMark(std::string_view bytes);

// Turns a list's bytes into entries as they come, in pieces of any size. An entry is handed out as soon as
// its line is complete, so only the line being read is held; a line longer than any entry can be ends the
// reading. A list read as UTF-8 starts with the mark, which gives no entry.
class ListFileReader {
  public:
    ListFileReader(ListFileEncoding encoding, const CodePage& codePage)
        : encoding_(encoding), codePage_(codePage) {}

    // Appends to `entries` the entries whose lines the bytes complete. False once a line is longer than
    // kMaxListEntryLength characters: the entries before it are appended, the reader takes nothing more.
    bool Add(std::string_view bytes, std::vector<Text>& entries);
    // The end of the list: a last line without a line end is an entry too. False as Add.
    bool Finish(std::vector<Text>& entries);

  private:
    Text Decode(std::string_view bytes);
    bool PutLines(const Text& lines, std::vector<Text>& entries);

    ListFileEncoding encoding_;
    const CodePage& codePage_;
    // The bytes of the line not yet complete.
    AnsiText pending_;
    bool atStart_ = true;
    bool tooLong_ = false;
};

// The entries of a whole list held in memory; nothing when a line is too long for an entry.
std::optional<std::vector<Text>> ListFileEntries(std::string_view bytes, const CodePage& codePage);

// A list name that can be a file name in the program's folder: no \ / : * ? " < > | or control character,
// and not a device name such as CON, NUL or COM1.
bool IsListNameAllowed(const Text& name);

}  // namespace orv
