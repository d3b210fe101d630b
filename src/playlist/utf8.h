#pragma once
// UTF-8 to and from the program's text (UTF-16 on Windows; one wchar_t per code point where wchar_t has 32
// bits). Pure functions without state, for any input.
//
// Reading is strict, after the Unicode standard's practice for replacement characters: a well-formed sequence
// gives its character; every ill-formed subsequence gives one U+FFFD, where a subsequence is the longest
// start of a well-formed sequence (a "maximal subpart"), or else the single byte that cannot start one.
// Overlong forms, encoded surrogates, values above U+10FFFF, lead bytes C0, C1 and F5 to FF and stray
// continuation bytes are all ill-formed: E0 80 80 reads as three U+FFFD, a four-byte sequence cut after its
// third byte as one.
//
// Writing always gives well-formed UTF-8: a surrogate that is not half of a pair (or, with 32-bit wchar_t,
// a value that is no character at all) is written as U+FFFD.
#include <string_view>

#include "platform/text.h"

namespace orv {

AnsiText ToUtf8(const Text& text);
Text FromUtf8(std::string_view bytes);
// Whether the bytes are well-formed UTF-8 throughout, so that FromUtf8 would replace nothing.
bool IsWellFormedUtf8(std::string_view bytes);

// IsWellFormedUtf8 over bytes that come in pieces: a sequence may be split between two pieces.
class Utf8Check {
  public:
    void Add(std::string_view bytes);
    // Whether all the bytes added so far are well-formed UTF-8, as the end of the input.
    bool WellFormed() const { return wellFormed_ && pendingLength_ == 0; }
    // Whether a broken sequence has been met, so that no further bytes can make the input well-formed.
    bool Broken() const { return !wellFormed_; }

  private:
    bool wellFormed_ = true;
    // The start of a sequence that the next piece may complete.
    char pending_[3] = {};
    std::size_t pendingLength_ = 0;
};

}  // namespace orv
