#pragma once
// The system's ANSI code page (CP_ACP).
#include "platform/code_page.h"

namespace orv::win32 {

class Win32CodePage : public CodePage {
  public:
    // Characters the code page lacks become its default character "?", never a look-alike.
    AnsiText ToAnsi(const Text& text) const override;
    Text FromAnsi(const AnsiText& bytes) const override;
    // In one pass: the conversion itself says whether a character lacked its exact form.
    std::optional<AnsiText> ToAnsiExactly(const Text& text) const override;
};

}  // namespace orv::win32
