#pragma once
// An ANSI code page of the system: the system's own (CP_ACP) for the program, any other for tests.
#include "platform/code_page.h"

namespace orv::win32 {

class Win32CodePage : public CodePage {
  public:
    // The system's ANSI code page, as it is when the program starts.
    Win32CodePage();
    // A code page by its number, such as 1252, 932 or 65001 (UTF-8).
    explicit Win32CodePage(unsigned codePage);

    // Characters the code page lacks become its default character "?", never a look-alike (on the code pages
    // that let the caller choose). Every conversion uses only the flags that its code page takes; a
    // conversion that the system refuses throws CodePageError.
    AnsiText ToAnsi(const Text& text) const override;
    Text FromAnsi(const AnsiText& bytes) const override;
    std::optional<AnsiText> ToAnsiExactly(const Text& text) const override;

  private:
    unsigned codePage_;
    // The most bytes one character takes in the code page.
    std::size_t longestCharacter_;
};

}  // namespace orv::win32
