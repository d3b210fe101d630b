#include "player/entry_path.h"

namespace orv {

namespace {

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

}  // namespace

bool IsFullPath(const Text& entry) {
    return entry.size() >= 3 && IsDriveLetter(entry[0]) && entry[1] == L':' && entry[2] == L'\\';
}

Text EntryPath(const Text& currentDirectory, const Text& entry) {
    if (IsFullPath(entry)) {
        return entry;
    }
    // No normalisation: a directory that already ends in "\" keeps both backslashes.
    return currentDirectory + L"\\" + entry;
}

}  // namespace orv
