// The conversions of texts: UTF-8 both ways over any bytes and any text, in pieces or whole, and the ANSI
// code pages as the chat module and the list files use them.
#include "aim/chat.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_files.h"
#include "fuzz/fuzz_support.h"
#include "playlist/utf8.h"

namespace {

using orv::AnsiText;
using orv::Text;
using orv::fuzz::Check;

bool IsSurrogate(char32_t c, char32_t first) {
    return c >= first && c < first + 0x400;
}

// The text as its characters are: each surrogate pair one character, everything that is no character U+FFFD.
Text Characters(const Text& text) {
    Text characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char32_t>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<char32_t>(text[i + 1]) : 0;
        if (IsSurrogate(c, 0xD800) && IsSurrogate(next, 0xDC00)) {
            const char32_t joined = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            if constexpr (sizeof(wchar_t) == 2) {
                characters += text.substr(i, 2);
            } else {
                characters.push_back(static_cast<wchar_t>(joined));
            }
            ++i;
        } else {
            const bool none = IsSurrogate(c, 0xD800) || IsSurrogate(c, 0xDC00) || c > 0x10FFFF;
            characters.push_back(none ? L'\uFFFD' : static_cast<wchar_t>(c));
        }
    }
    return characters;
}

void CheckUtf8Bytes(std::string_view bytes, std::size_t piece) {
    const Text text = orv::FromUtf8(bytes);
    const bool wellFormed = orv::IsWellFormedUtf8(bytes);
    Check(wellFormed == (orv::ToUtf8(text) == bytes), "well-formed exactly when the bytes are the text's");
    Check(orv::FromUtf8(orv::ToUtf8(text)) == text, "what was read is written and read back the same");
    orv::Utf8Check check;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        check.Add(bytes.substr(at, piece));
        Check(!check.Broken() || !wellFormed, "no well-formed bytes look broken on the way");
    }
    Check(check.WellFormed() == wellFormed, "the check in pieces gives the answer of the whole");
    // A byte below 0x80 ends any sequence before it: reading the two parts gives the same text.
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            Check(orv::FromUtf8(bytes.substr(0, at)) + orv::FromUtf8(bytes.substr(at)) == text,
                  "each part before an ASCII byte reads on its own");
            break;
        }
    }
}

// What the room gets and what the log of sent messages holds are the same bytes.
void CheckSend(const orv::CodePage& codePage, const Text& message) {
    orv::testing::FakeChatWindows windows;
    const orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(windows);
    orv::testing::FakeFiles files;
    orv::Chat chat(windows, codePage, files);
    chat.ChatSend(message);
    const AnsiText sent = windows.TextOf(room.entry);
    Check(sent == codePage.ToAnsi(message), "the entry pane gets the message in the code page");
    Check(files.contents[orv::kSentMessagesFile] == "\"" + sent + "\"\r\n",
          "the log holds what the room got");
    const std::optional<AnsiText> exactly = codePage.ToAnsiExactly(codePage.FromAnsi(sent));
    Check(exactly == sent, "what the code page made, it holds exactly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(bytes), size);
    CheckUtf8Bytes(all, 1 + (size > 0 ? bytes[0] % 8 : 0));

    // Any text: characters of one byte, of 16 bits (surrogates among them) and of 32 bits.
    FuzzedDataProvider data(bytes, size);
    Text text;
    while (data.remaining_bytes() > 0) {
        const auto b = data.ConsumeIntegral<unsigned char>();
        if (b == 0xFE && sizeof(wchar_t) == 4) {
            text.push_back(static_cast<wchar_t>(data.ConsumeIntegral<std::uint32_t>() & 0x7FFFFFFF));
        } else {
            text.push_back(b == 0xFF ? static_cast<wchar_t>(data.ConsumeIntegral<char16_t>())
                                     : static_cast<wchar_t>(b));
        }
    }
    const AnsiText utf8 = orv::ToUtf8(text);
    Check(orv::IsWellFormedUtf8(utf8), "written UTF-8 is well-formed");
    Check(orv::FromUtf8(utf8) == Characters(text), "written UTF-8 reads back as the text's characters");

    const orv::testing::FakeCodePage singleByte;
    const orv::fuzz::DoubleByteCodePage doubleByte;
    for (const orv::CodePage* codePage :
         {static_cast<const orv::CodePage*>(&singleByte), static_cast<const orv::CodePage*>(&doubleByte)}) {
        CheckSend(*codePage, text);
        const Text read = codePage->FromAnsi(AnsiText(all));
        Check(codePage->ToAnsiExactly(read).has_value(), "what the code page reads, it can write exactly");
        const std::optional<AnsiText> exactly = codePage->ToAnsiExactly(text);
        Check(!exactly || codePage->FromAnsi(*exactly) == text, "an exact form reads back as the text");
    }
    return 0;
}
