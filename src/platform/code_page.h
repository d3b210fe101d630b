#pragma once
// The system's ANSI code page: the messenger's windows and the program's text files use it.
#include "platform/text.h"

namespace orv {

class CodePage {
public:
    virtual ~CodePage() = default;
    // Characters the code page cannot hold become its replacement character.
    virtual AnsiText ToAnsi(const Text& text) const = 0;
    virtual Text FromAnsi(const AnsiText& bytes) const = 0;
};

}  // namespace orv
