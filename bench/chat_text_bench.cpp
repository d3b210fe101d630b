// What the chat scanner costs per tick as the conversation on screen grows: cutting and stripping the newest
// line, and a whole tick against a stand-in chat room (one read of the pane, the gate, the report).
#include <benchmark/benchmark.h>

#include "aim/chat_scanner.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_files.h"
#include "fakes/fake_timer.h"

namespace orv {
namespace {

using testing::AddChatRoom;
using testing::FakeChatRoom;
using testing::FakeChatWindows;
using testing::FakeCodePage;
using testing::FakeFiles;
using testing::FakeTimer;

// A conversation of about the given size in bytes, ending with a red line whose time ends in a digit.
AnsiText History(std::size_t bytes) {
    const AnsiText blue =
        "<BR><!-- (8:15:01 PM) --><FONT COLOR=\"#0000ff\"><B>Someone</B></FONT>: just talking</HTML>";
    const AnsiText red =
        "<BR><!-- (8:15:02 PM) --><FONT COLOR=\"#ff0000\"><B>Somebody</B></FONT>: !next</HTML>";
    AnsiText history;
    history.reserve(bytes + red.size());
    while (history.size() + red.size() < bytes) {
        history += blue;
    }
    return history + red;
}

void BM_LastChatLineAndStripTags(benchmark::State& state) {
    const Text history = FakeCodePage{}.FromAnsi(History(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        Text line = StripTags(LastChatLine(history));
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_LastChatLineAndStripTags)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

// Stripping a whole conversation at once, the worst case for StripTags.
void BM_StripTagsWholeHistory(benchmark::State& state) {
    const Text history = FakeCodePage{}.FromAnsi(History(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        Text stripped = StripTags(history);
        benchmark::DoNotOptimize(stripped);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_StripTagsWholeHistory)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

// One tick that reports a new line: the newest line's time changes before every tick.
void BM_ScannerTick(benchmark::State& state) {
    FakeChatWindows windows;
    const FakeChatRoom room = AddChatRoom(windows);
    windows.TextOf(room.history) = History(static_cast<std::size_t>(state.range(0)));
    FakeCodePage codePage;
    FakeFiles files;
    Chat chat{windows, codePage, files};
    FakeTimer timer;
    tasp_aim_chat tasp1{chat, timer};
    std::size_t reports = 0;
    tasp1.aimchatscan = [&](Text&, Text&, Text&) { ++reports; };
    tasp1.aimchatscan_on();

    AnsiText& pane = windows.TextOf(room.history);
    const std::size_t secondDigit = pane.rfind("PM)") - 2;
    pane[secondDigit - 3] =
        '6';  // 8:16:0x from now on, so no tick sees the snapshot taken at switch-on again
    for (auto _ : state) {
        state.PauseTiming();
        pane[secondDigit] = static_cast<char>('0' + (pane[secondDigit] - '0' + 1) % 10);
        windows.sent.clear();
        state.ResumeTiming();
        timer.Fire();
    }
    if (reports != static_cast<std::size_t>(state.iterations())) {
        state.SkipWithError("a tick did not report the changed line");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ScannerTick)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
