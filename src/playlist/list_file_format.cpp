#include "playlist/list_file_format.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <optional>
#include <utility>

#include "playlist/utf8.h"

namespace orv {

namespace {

const AnsiText kByteOrderMark = "\xEF\xBB\xBF";

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
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'0' &&
           stem[3] <= L'9';
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
    // One conversion for the whole list.
    if (std::optional<AnsiText> ansi = codePage.ToAnsiExactly(lines)) {
        return std::move(*ansi);
    }
    return kByteOrderMark + ToUtf8(lines);
}

std::vector<Text> ListFileEntries(const AnsiText& bytes, const CodePage& codePage) {
    const Text text = bytes.starts_with(kByteOrderMark) ? FromUtf8(bytes.substr(kByteOrderMark.size()))
                                                        : codePage.FromAnsi(bytes);
    std::vector<Text> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == Text::npos) {
            entries.push_back(text.substr(start));
            break;
        }
        entries.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
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
