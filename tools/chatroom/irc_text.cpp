#include "irc_text.h"

#include "playlist/utf8.h"

#include <cstdint>
#include <cwctype>

namespace chatroom {

namespace {

constexpr char kBold = '\x02';
constexpr char kColour = '\x03';
constexpr char kHexColour = '\x04';
constexpr char kReset = '\x0F';
constexpr char kMonospace = '\x11';
constexpr char kReverse = '\x16';
constexpr char kItalic = '\x1D';
constexpr char kStrikethrough = '\x1E';
constexpr char kUnderline = '\x1F';
// HTML's blue (#0000ff) among the colours IRC clients agree on.
constexpr char kBlueColour[] =
    "\x03"
    "12";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The count (at most `most`) of characters from `at` on that pass the test.
template <typename Test>
std::size_t Run(std::string_view text, std::size_t at, std::size_t most, Test test) {
    std::size_t count = 0;
    while (count < most && at + count < text.size() && test(text[at + count])) {
        ++count;
    }
    return count;
}

// The text without IRC's formatting codes: a colour code takes its "NN[,NN]" with it (the comma only when a
// digit follows), a hexadecimal colour its "RRGGBB[,RRGGBB]".
std::string WithoutFormatting(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kColour || c == kHexColour) {
            const bool hex = c == kHexColour;
            const std::size_t width = hex ? 6 : 2;
            const auto digit = hex ? IsHexDigit : IsDigit;
            std::size_t used = Run(text, i + 1, width, digit);
            if (used > 0 && i + 1 + used < text.size() && text[i + 1 + used] == ',') {
                const std::size_t background = Run(text, i + 2 + used, width, digit);
                if (background > 0) {
                    used += 1 + background;
                }
            }
            i += used;
        } else if (c != kBold && c != kReset && c != kMonospace && c != kReverse && c != kItalic &&
                   c != kStrikethrough && c != kUnderline) {
            plain.push_back(c);
        }
    }
    return plain;
}

// The room's text is UTF-16 on Windows; where wchar_t is wider (the native tests) a character is one.
void AppendWide(std::wstring& out, char32_t c) {
    if (sizeof(wchar_t) == 2 && c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(static_cast<wchar_t>(c));
    }
}

std::wstring Lowered(std::wstring_view text) {
    std::wstring lowered(text);
    for (wchar_t& c : lowered) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return lowered;
}

// The character a reference ("lt", "amp", "#187", "#xBB") stands for; 0 when it names none.
char32_t Referenced(std::wstring_view name) {
    if (name.size() > 1 && name[0] == L'#') {
        const bool hex = name[1] == L'x' || name[1] == L'X';
        char32_t value = 0;
        const std::wstring_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 6) {
            return 0;
        }
        for (const wchar_t d : digits) {
            int v = -1;
            if (d >= L'0' && d <= L'9') {
                v = d - L'0';
            } else if (hex && d >= L'a' && d <= L'f') {
                v = d - L'a' + 10;
            } else if (hex && d >= L'A' && d <= L'F') {
                v = d - L'A' + 10;
            }
            if (v < 0) {
                return 0;
            }
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(v);
        }
        return value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) ? 0 : value;
    }
    struct Named {
        std::wstring_view name;
        char32_t c;
    };
    constexpr Named kNamed[] = {{L"lt", U'<'},   {L"gt", U'>'},    {L"amp", U'&'},
                                {L"quot", U'"'}, {L"apos", U'\''}, {L"nbsp", U' '}};
    for (const Named& named : kNamed) {
        if (Lowered(name) == named.name) {
            return named.c;
        }
    }
    return 0;
}

// One piece of an IRC message: a formatting code, or one character's UTF-8 bytes.
struct Piece {
    std::string bytes;
    bool isText;
};

// The formatting on at some point of a message, as the codes that turn it on.
struct Formatting {
    bool bold = false;
    bool underline = false;
    bool blue = false;

    std::string Codes() const {
        std::string codes;
        if (bold) {
            codes.push_back(kBold);
        }
        if (underline) {
            codes.push_back(kUnderline);
        }
        if (blue) {
            codes.append(kBlueColour);
        }
        return codes;
    }
};

// Applies a tag ("b", "/u", "font color=blue") to the formatting, adding the code it takes.
void ApplyTag(std::wstring_view tag, Formatting& on, std::vector<Piece>& pieces) {
    const std::wstring lowered = Lowered(tag);
    const auto toggle = [&](bool& state, bool wanted, char code) {
        if (state != wanted) {
            state = wanted;
            pieces.push_back({std::string(1, code), false});
        }
    };
    std::wstring name = lowered.substr(0, lowered.find_first_of(L" \t\r\n/", lowered[0] == L'/' ? 1 : 0));
    if (name == L"b" || name == L"strong") {
        toggle(on.bold, true, kBold);
    } else if (name == L"/b" || name == L"/strong") {
        toggle(on.bold, false, kBold);
    } else if (name == L"u") {
        toggle(on.underline, true, kUnderline);
    } else if (name == L"/u") {
        toggle(on.underline, false, kUnderline);
    } else if (name == L"font") {
        std::wstring attributes = lowered.substr(name.size());
        std::erase_if(attributes, [](wchar_t c) { return c == L' ' || c == L'"' || c == L'\''; });
        const bool blue = attributes.find(L"color=blue") != std::wstring::npos ||
                          attributes.find(L"color=#0000ff") != std::wstring::npos;
        if (blue && !on.blue) {
            on.blue = true;
            pieces.push_back({kBlueColour, false});
        }
    } else if (name == L"/font" && on.blue) {
        on.blue = false;
        pieces.push_back({std::string(1, kColour), false});
    }
}

// The markup cut into codes and characters.
std::vector<Piece> PiecesOf(std::wstring_view markup) {
    std::vector<Piece> pieces;
    Formatting on;
    const auto addCharacter = [&](char32_t c) {
        if (c == U'\r' || c == U'\n' || c == U'\t') {
            c = U' ';  // a line of the protocol holds no line break
        }
        if (c < 0x20) {
            return;  // a control character would be a formatting code, or worse
        }
        std::wstring character;
        AppendWide(character, c);
        pieces.push_back({orv::ToUtf8(character), true});
    };
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const wchar_t c = markup[i];
        if (c == L'<') {
            const std::size_t close = markup.find(L'>', i + 1);
            if (close != std::wstring_view::npos && close > i + 1) {
                ApplyTag(markup.substr(i + 1, close - i - 1), on, pieces);
                i = close;
                continue;
            }
        } else if (c == L'&') {
            const std::size_t semicolon = markup.find(L';', i + 1);
            if (semicolon != std::wstring_view::npos && semicolon - i <= 10) {
                if (const char32_t referenced = Referenced(markup.substr(i + 1, semicolon - i - 1))) {
                    addCharacter(referenced);
                    i = semicolon;
                    continue;
                }
            }
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < markup.size() && markup[i + 1] >= 0xDC00 &&
                   markup[i + 1] <= 0xDFFF) {
            addCharacter(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (markup[i + 1] - 0xDC00));
            ++i;
            continue;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            addCharacter(0xFFFD);
            continue;
        }
        addCharacter(c);
    }
    return pieces;
}

}  // namespace

std::wstring FromIrcBytes(std::string_view bytes) {
    if (orv::IsWellFormedUtf8(bytes)) {
        return orv::FromUtf8(bytes);
    }
    std::wstring latin1;
    latin1.reserve(bytes.size());
    for (const char c : bytes) {
        latin1.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return latin1;
}

std::wstring IrcToPaneText(std::string_view utf8) {
    const std::wstring text = FromIrcBytes(WithoutFormatting(utf8));
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        switch (c) {
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            case L'&':
                escaped += L"&amp;";
                break;
            default:
                escaped.push_back(c);
        }
    }
    return escaped;
}

std::vector<std::string> PaneTextToIrc(std::wstring_view markup, std::size_t maxBytes) {
    std::vector<std::string> messages;
    std::string message;
    bool messageHasText = false;
    Formatting on;
    const auto finish = [&] {
        if (messageHasText) {
            messages.push_back(std::move(message));
        }
        message = on.Codes();
        messageHasText = false;
    };
    for (const Piece& piece : PiecesOf(markup)) {
        if (messageHasText && message.size() + piece.bytes.size() > maxBytes) {
            finish();
        }
        if (!piece.isText) {
            // Follow what the code does, for the parts that come after a split.
            if (piece.bytes[0] == kBold) {
                on.bold = !on.bold;
            } else if (piece.bytes[0] == kUnderline) {
                on.underline = !on.underline;
            } else if (piece.bytes[0] == kColour) {
                on.blue = piece.bytes.size() > 1;
            }
        }
        message += piece.bytes;
        messageHasText = messageHasText || piece.isText;
    }
    finish();
    return messages;
}

}  // namespace chatroom
