#pragma once
// UTF-8 to and from the program's UTF-16 text. Broken sequences read as U+FFFD.
#include "platform/text.h"

namespace orv {

AnsiText ToUtf8(const Text& text);
Text FromUtf8(const AnsiText& bytes);

}  // namespace orv
