// The chat scanner's ticks over a conversation pane that changes in any way between them, through the fake
// room, in a single-byte or a double-byte code page. Each tick is checked against the scanner as its rules
// read, worked on the whole pane read twice (the last 500 characters and everything).
#include <optional>
#include <vector>

#include "aim/chat_scanner.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_files.h"
#include "fakes/fake_timer.h"
#include "fuzz/fuzz_support.h"

namespace {

using orv::Text;
using orv::fuzz::Check;

struct Report {
    Text who, message, datesaid;
    bool operator==(const Report&) const = default;
};

// The scanner's fields and one tick, with the positions counted from 1 as the rules give them.
struct ScannerRules {
    Text oldlastlyne, newlastlyne, fyrsttalk;

    void On(const Text& pane) { fyrsttalk = orv::ChatTail(pane); }

    std::optional<Report> Tick(const Text& full) {
        const Text tail = orv::ChatTail(full);
        Text newest = orv::LastChatLine(full);
        for (wchar_t& c : newest) {
            c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
        }
        if (newest.find(L"<font color=\"#ff0000\"") == Text::npos || tail == fyrsttalk || tail.size() <= 2) {
            return std::nullopt;
        }
        const Text line = orv::LastChatLine(tail);
        newlastlyne = line;
        if (line == oldlastlyne) {
            return std::nullopt;
        }
        oldlastlyne = line;
        const std::size_t n = line.size();
        const std::size_t comment = line.find(L"<!-- (");
        std::size_t i = (comment == Text::npos ? 0 : comment + 1) + 6;
        Text time;
        while (i + 1 <= n && line[i - 1] != L')') {
            time += line[i - 1];
            ++i;
        }
        const Text text = orv::StripTags(line);
        const std::size_t colon = text.find(L':');
        const std::size_t c = colon == Text::npos ? 0 : colon + 1;
        const Text who = c > 1 ? text.substr(0, c - 1) : Text{};
        const Text message = c + 1 < text.size() ? text.substr(c + 1) : Text{};
        return Report{who, message, L"{" + time + L"}"};
    }
};

// A switch between the two code pages, as the script asks.
class EitherCodePage : public orv::CodePage {
  public:
    orv::AnsiText ToAnsi(const Text& text) const override { return Current().ToAnsi(text); }
    Text FromAnsi(const orv::AnsiText& bytes) const override { return Current().FromAnsi(bytes); }
    bool doubleByte = false;

  private:
    const orv::CodePage& Current() const {
        return doubleByte ? static_cast<const orv::CodePage&>(doubleByte_) : singleByte_;
    }
    orv::testing::FakeCodePage singleByte_;
    orv::fuzz::DoubleByteCodePage doubleByte_;
};

}  // namespace

// One step a line: "a" and the bytes the pane gets at its end, "r" and the pane's new bytes, "m" and a
// number: that many "m" at the pane's end, "l" and a number: the pane's length as WM_GETTEXTLENGTH gives it
// from now on (above the most the program reads: too long), "t" a tick, "n" scanning on, "f" off, "c"
// ChatClear, "d" the double-byte code page, "s" the single-byte one. Any other line is added to the pane as
// it is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    EitherCodePage codePage;
    orv::testing::FakeChatWindows windows;
    const orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(windows);
    orv::testing::FakeFiles files;
    orv::Chat chat(windows, codePage, files);
    orv::testing::FakeTimer timer;
    orv::tasp_aim_chat tasp1(chat, timer);
    std::vector<Report> reported;
    tasp1.aimchatscan = [&](Text& who, Text& message, Text& datesaid) {
        reported.push_back({who, message, datesaid});
    };

    ScannerRules rules;
    orv::AnsiText& pane = windows.TextOf(room.history);
    std::optional<std::size_t> announced;
    const auto paneRead = [&] {
        if (!announced) {
            return codePage.FromAnsi(pane);
        }
        return *announced > orv::kMaxChatTextBytes ? Text{} : codePage.FromAnsi(pane.substr(0, *announced));
    };

    tasp1.aimchatscan_on();
    rules.On(paneRead());
    bool running = true;
    for (const std::string_view line : orv::fuzz::ScriptLines(bytes, size)) {
        const std::string_view rest = line.substr(std::min<std::size_t>(1, line.size()));
        const char step = line.empty() ? 0 : line[0];
        switch (line.size() == 1 || std::string_view("arml").find(step) != std::string_view::npos ? step
                                                                                                  : 0) {
            case 'a':
                pane += rest;
                break;
            case 'r':
                pane = rest;
                break;
            case 'm':
                pane.append(orv::fuzz::Number(rest, 4096), 'm');
                break;
            case 'l':
                announced = orv::fuzz::Number(rest, orv::kMaxChatTextBytes + 1);
                windows.AnnounceLength(room.history, *announced);
                break;
            case 'n':
                tasp1.aimchatscan_on();
                rules.On(paneRead());
                running = true;
                break;
            case 'f':
                tasp1.aimchatscan_off();
                running = false;
                break;
            case 'c':
                chat.ChatClear();
                break;
            case 'd':
            case 's':
                codePage.doubleByte = step == 'd';
                break;
            case 't': {
                // The newest part of the pane stands for all of it, in both of the tick's reads.
                const Text full = paneRead();
                const Text part = chat.ChatReadNewestPart();
                Check(full.ends_with(part), "the newest part ends the pane");
                Check(orv::ChatTail(part) == orv::ChatTail(full), "the newest part holds the tail");
                Check(orv::LastChatLine(part) == orv::LastChatLine(full),
                      "the newest part holds the newest line");
                Check(chat.ChatReadText() == full && chat.ChatReadTail() == orv::ChatTail(full), "the reads");

                const std::size_t before = reported.size();
                Check(timer.Fire() == running, "the timer ticks while scanning is on");
                const std::optional<Report> expected = running ? rules.Tick(full) : std::nullopt;
                Check(reported.size() == before + (expected ? 1 : 0),
                      "a report exactly when the rules give one");
                Check(!expected || reported.back() == *expected, "the report's sender, message and time");
                Check(tasp1.oldlastlyne() == rules.oldlastlyne && tasp1.newlastlyne() == rules.newlastlyne &&
                          tasp1.fyrsttalk() == rules.fyrsttalk,
                      "the scanner's fields");
                break;
            }
            default:
                pane += line;
        }
    }
    return 0;
}
