#include "playlist/list_file_format.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <optional>
#include <utility>

#include "playlist/utf8.h"

namespace orv {

namespace {

Text Upper(Text text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return text;
}

bool IsDeviceName(const Text& name) {
    // The system takes the part before the first dot, trailing blanks dropped, as the device.
    Text stem = name.substr(0, name.find(L'.'));
    stem.erase(stem.find_last_not_of(L' ') + 1);
    stem = Upper(stem);
    static const std::array<const wchar_t*, 6> kDevices = {L"CON", L"PRN",    L"AUX",
                                                           L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) {
        return true;
    }
    // COM and LPT take a digit, and Windows counts the superscripts 1, 2 and 3 as digits there too.
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
           Text(L"0123456789\u00B9\u00B2\u00B3").find(stem[3]) != Text::npos;
}

}  // namespace

AnsiText ListFileBytes(const std::vector<Text>& entries, const CodePage& codePage) {
    std::size_t size = 0;
    for (const Text& entry : entries) {
        size += entry.size() + 2;
    }
    Text lines;
    lines.reserve(size);
    for (const Text& entry : entries) {
        lines += entry;
        lines += L"\r\n";
    }
    // One conversion for the whole list. ANSI bytes that began like the mark would read back as UTF-8.
    if (std::optional<AnsiText> ansi = codePage.ToAnsiExactly(lines);
        ansi && !StartsWithListFileMark(*ansi)) {
        return std::move(*ansi);
    }
    return AnsiText(kListFileMark) + ToUtf8(lines);
}

bool StartsWithListFileMark(std::string_view bytes) {
    return bytes.substr(0, kListFileMark.size()) == kListFileMark;
}

bool ListFileReader::Add(std::string_view bytes, std::vector<Text>& entries) {
    if (tooLong_) {
        return false;
    }
    const std::size_t before = pending_.size();
    pending_.append(bytes);
    if (pending_.empty()) {
        return true;
    }
    // A CR at the very end may be the first half of a CR LF: it waits for the next bytes. Before this piece
    // the pending bytes held no line end, except such a CR.
    const std::size_t searched = pending_.size() - (pending_.back() == '\r' ? 1 : 0);
    const std::size_t first = before == 0 ? 0 : before - 1;
    for (std::size_t i = searched; i-- > first;) {
        if (pending_[i] == '\r' || pending_[i] == '\n') {
            const bool fine = PutLines(Decode(std::string_view(pending_).substr(0, i + 1)), entries);
            pending_.erase(0, i + 1);
            tooLong_ = !fine;
            break;
        }
    }
    // The line not yet complete may hold a CR that waits for its LF and, the first line of a UTF-8 list,
    // the mark before it.
    const std::size_t mark = atStart_ && encoding_ == ListFileEncoding::Utf8 ? kListFileMark.size() : 0;
    if (pending_.size() > mark + kMaxListLineBytes + 1) {
        tooLong_ = true;
    }
    if (tooLong_) {
        pending_.clear();
    }
    return !tooLong_;
}

bool ListFileReader::Finish(std::vector<Text>& entries) {
    if (!tooLong_ && !pending_.empty()) {
        tooLong_ = !PutLines(Decode(pending_), entries);
    }
    pending_.clear();
    return !tooLong_;
}

Text ListFileReader::Decode(std::string_view bytes) {
    const bool atStart = std::exchange(atStart_, false);
    if (encoding_ == ListFileEncoding::Ansi) {
        return codePage_.FromAnsi(AnsiText(bytes));
    }
    if (atStart && StartsWithListFileMark(bytes)) {
        bytes.remove_prefix(kListFileMark.size());
    }
    return FromUtf8(bytes);
}

bool ListFileReader::PutLines(const Text& lines, std::vector<Text>& entries) {
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find_first_of(L"\r\n", start);
        if (end == Text::npos) {
            end = lines.size();
        }
        if (end - start > kMaxListEntryLength) {
            return false;
        }
        entries.emplace_back(lines, start, end - start);
        if (end == lines.size()) {
            break;
        }
        start = end + (lines.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    return true;
}

std::optional<std::vector<Text>> ListFileEntries(std::string_view bytes, const CodePage& codePage) {
    const ListFileEncoding encoding = StartsWithListFileMark(bytes) && IsWellFormedUtf8(bytes)
                                          ? ListFileEncoding::Utf8
                                          : ListFileEncoding::Ansi;
    ListFileReader reader(encoding, codePage);
    std::vector<Text> entries;
    if (!reader.Add(bytes, entries) || !reader.Finish(entries)) {
        return std::nullopt;
    }
    return entries;
}

bool IsListNameAllowed(const Text& name) {
    const bool badCharacter = std::any_of(name.begin(), name.end(), [](wchar_t c) {
        return c < 32 || Text(L"\\/:*?\"<>|").find(c) != Text::npos;
    });
    return !badCharacter && !IsDeviceName(name);
}

}  // namespace orv
