#pragma once
// The system's ANSI code page: the messenger's windows and the program's text files use it.
#include <optional>
#include <stdexcept>

#include "platform/text.h"

namespace orv {

// The code page could not convert a text at all (as opposed to lacking some of its characters): a text too
// long for the system, a code page the system does not have, or any other refusal of the system.
class CodePageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Every conversion either gives its whole result or throws CodePageError; none gives an empty text for a
// failure.
class CodePage {
  public:
    virtual ~CodePage() = default;
    // Characters the code page cannot hold become its replacement character.
    virtual AnsiText ToAnsi(const Text& text) const = 0;
    // Bytes that make no character in the code page become its replacement character.
    virtual Text FromAnsi(const AnsiText& bytes) const = 0;
    // The text in the code page when every character has its exact form there; nothing otherwise. On a
    // code page that holds all of Unicode (UTF-8), every text fits whose surrogates are all in pairs.
    virtual std::optional<AnsiText> ToAnsiExactly(const Text& text) const {
        AnsiText bytes = ToAnsi(text);
        if (FromAnsi(bytes) == text) {
            return bytes;
        }
        return std::nullopt;
    }
};

}  // namespace orv
