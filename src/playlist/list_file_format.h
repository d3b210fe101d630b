#pragma once
// The bytes of a ".mlt" list: each entry followed by CR LF, nothing else. The entries are in the ANSI code
// page when all of them fit in it; otherwise the file is UTF-8 behind its byte-order mark, so that no entry
// turns into question marks. Reading takes either form.
#include <vector>

#include "platform/code_page.h"
#include "platform/text.h"

namespace orv {

AnsiText ListFileBytes(const std::vector<Text>& entries, const CodePage& codePage);
// Each line is an entry, a last one without a line end too; a line end at the very end makes no entry.
std::vector<Text> ListFileEntries(const AnsiText& bytes, const CodePage& codePage);

// A list name that can be a file name in the program's folder: no \ / : * ? " < > | or control character,
// and not a device name such as CON, NUL or COM1.
bool IsListNameAllowed(const Text& name);

}  // namespace orv
