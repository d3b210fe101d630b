// The stand-in room's IRC side over anything a server may send and anything the player may write: the lines
// the room writes are always single lines of the protocol, within its limit, and nothing from IRC becomes
// markup in the pane.
#include "chatroom/irc_session.h"
#include "chatroom/irc_text.h"
#include "fuzz/fuzz_support.h"
#include "playlist/utf8.h"

namespace {

using orv::fuzz::Check;

void CheckWritten(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        Check(line.size() <= chatroom::kIrcLineLimit, "a written line fits the protocol's limit");
        Check(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0,
              "a written line ends in CR LF");
        Check(line.find_first_of(std::string_view("\r\n\0", 3)) == line.size() - 2,
              "a written line is one line");
    }
}

void CheckPaneText(const std::string& irc) {
    const std::wstring pane = chatroom::IrcToPaneText(irc);
    Check(pane.find_first_of(L"<>") == std::wstring::npos, "nothing from IRC is markup in the pane");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    chatroom::IrcSession session(data.ConsumeRandomLengthString(12), "#room");
    double now = 0;
    session.Connected(now);
    while (data.remaining_bytes() > 0) {
        now += data.ConsumeIntegralInRange<int>(0, 3000) / 1000.0;
        if (data.ConsumeBool()) {
            // What a server sends, in pieces of any size.
            for (const chatroom::IrcEvent& event : session.Received(data.ConsumeRandomLengthString(600))) {
                CheckPaneText(event.text);
                CheckPaneText(event.nick);
            }
        } else {
            // What the player sends through the room.
            const std::wstring markup = orv::FromUtf8(data.ConsumeRandomLengthString(1200));
            const std::size_t longest = session.LongestText();
            const std::vector<std::string> texts = chatroom::PaneTextToIrc(markup, longest);
            for (const std::string& text : texts) {
                Check(text.size() <= longest, "a message text fits what one PRIVMSG carries");
                Check(orv::IsWellFormedUtf8(text), "a message text is UTF-8");
            }
            session.Say(texts);
        }
        CheckWritten(session.Due(now));
    }
    return 0;
}
