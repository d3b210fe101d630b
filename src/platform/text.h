#pragma once
// Text inside the program is UTF-16 on Windows (wchar_t); ANSI bytes only cross the messenger's windows and files.
#include <string>

namespace orv {
using Text = std::wstring;
using AnsiText = std::string;
}  // namespace orv
