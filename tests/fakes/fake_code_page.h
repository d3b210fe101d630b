#pragma once
// A single-byte code page in the manner of Windows-1252: characters up to 0xFF are their own byte, every
// other character becomes "?".
#include "platform/code_page.h"

namespace orv::testing {

class FakeCodePage : public CodePage {
  public:
    AnsiText ToAnsi(const Text& text) const override {
        AnsiText bytes;
        bytes.reserve(text.size());
        for (wchar_t c : text) {
            bytes.push_back(static_cast<unsigned long>(c) <= 0xFF ? static_cast<char>(c) : '?');
        }
        return bytes;
    }
    Text FromAnsi(const AnsiText& bytes) const override {
        Text text;
        text.reserve(bytes.size());
        for (char b : bytes) {
            text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(b)));
        }
        return text;
    }
};

}  // namespace orv::testing
