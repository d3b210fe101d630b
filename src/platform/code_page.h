#pragma once
// The system's ANSI code page: the messenger's windows and the program's text files use it.
#include <optional>

#include "platform/text.h"

namespace orv {

class CodePage {
  public:
    virtual ~CodePage() = default;
    // Characters the code page cannot hold become its replacement character.
    virtual AnsiText ToAnsi(const Text& text) const = 0;
    virtual Text FromAnsi(const AnsiText& bytes) const = 0;
    // The text in the code page when every character has its exact form there; nothing otherwise.
    virtual std::optional<AnsiText> ToAnsiExactly(const Text& text) const {
        AnsiText bytes = ToAnsi(text);
        if (FromAnsi(bytes) == text) {
            return bytes;
        }
        return std::nullopt;
    }
};

}  // namespace orv
