// The line helpers of the chat module over any text: what LastChatLine, StripTags and ChatTail promise.
#include "aim/chat.h"
#include "fuzz/fuzz_support.h"

namespace {

using orv::Text;
using orv::fuzz::Check;

bool IsMarkerAt(const Text& text, std::size_t at) {
    auto up = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; };
    return at + 4 <= text.size() && text[at] == L'<' && up(text[at + 1]) == L'B' &&
           up(text[at + 2]) == L'R' && text[at + 3] == L'>';
}

bool HasMarkerFrom(const Text& text, std::size_t from) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (IsMarkerAt(text, at)) {
            return true;
        }
    }
    return false;
}

// Whether `part` is what is left of `text` after characters were taken out.
bool IsSubsequence(const Text& part, const Text& text) {
    std::size_t at = 0;
    for (wchar_t c : text) {
        if (at < part.size() && part[at] == c) {
            ++at;
        }
    }
    return at == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Text text = orv::fuzz::WideText(data, 1 << 16);

    // LastChatLine: from the last "<BR>" (any case) up to the final character, which it never holds.
    const Text line = orv::LastChatLine(text);
    Check(line.empty() == !HasMarkerFrom(text, 0), "a line exactly when the text has a marker");
    if (!line.empty()) {
        const std::size_t at = text.size() - 1 - line.size();
        Check(line.size() < text.size(), "the line is shorter than the text");
        Check(text.compare(at, line.size(), line) == 0,
              "the line is the end of the text but its last character");
        Check(IsMarkerAt(text, at), "the line starts with a marker");
        Check(!HasMarkerFrom(text, at + 1), "the line starts at the last marker");
    }

    // StripTags: no "<" or ">" is left, what is left keeps its order, and the final character is never
    // copied.
    const Text stripped = orv::StripTags(text);
    Check(stripped.find_first_of(L"<>") == Text::npos, "no markup is left");
    Check(IsSubsequence(stripped, text.substr(0, text.empty() ? 0 : text.size() - 1)),
          "the stripped text is the text without some characters, in order, never the final one");
    if (!text.empty() && text.find(L'<') == Text::npos) {
        Text expected = text.substr(0, text.size() - 1);
        std::erase(expected, L'>');
        Check(stripped == expected, "without a \"<\" only every \">\" goes");
    }
    Check(orv::StripTags(stripped + L"x") == stripped, "stripping what was stripped changes nothing");
    // A tag closed before the final character goes whole: what stands before it is kept as it is stripped.
    if (const std::size_t open = text.find(L'<'); open != Text::npos) {
        Text before = text.substr(0, open);
        std::erase(before, L'>');
        Check(stripped.starts_with(before), "the text before the first \"<\" is kept");
        const std::size_t close = text.find(L'>', open);
        if (close == Text::npos || close + 1 >= text.size()) {
            Check(stripped == before, "an unclosed tag takes the rest");
        } else {
            Check(stripped == before + orv::StripTags(text.substr(close + 1)),
                  "a closed tag goes with its \">\"");
        }
    }

    // ChatTail: the last 500 characters.
    const Text tail = orv::ChatTail(text);
    Check(tail.size() == std::min(text.size(), orv::kChatTailLength), "the tail has 500 characters at most");
    Check(text.ends_with(tail), "the tail ends the text");
    return 0;
}
