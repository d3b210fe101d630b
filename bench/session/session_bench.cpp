// What a person who leaves the player running beside a chat all evening feels, each figure beside a bare
// program measured in the same run, printed as rows of the benchmark report (bench/report_row.h):
//  - start-up: from starting the process to its "UserName" prompt on the screen, against a program that
//    shows a message box (median of several starts of each, taken in turns);
//  - a chat command's answer: from a participant's "p?" in the room to the reply in the room, at phases
//    spread over the scanner's period (the period is the floor);
//  - private memory after start-up, and its growth after many scanner ticks against a long conversation and
//    many chat commands;
//  - CPU share while playing an MP3 with the room open and the scanner on, against a bare DirectShow graph
//    playing the same file (ORVJUBO_BENCH_SONG names the song, a path for this program).
// The assertions only check that each step happened; no time is asserted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "process_figures.h"
#include "report_row.h"

namespace e2e {
namespace {

using orv::bench::NowMs;
using orv::bench::PrintReportRow;
using orv::bench::PrivateBytes;
using orv::bench::ProcessCpu;

constexpr int kStartUpRuns = 7;
constexpr int kAnswersTimed = 50;
constexpr int kTicksPosted = 10000;
constexpr int kCommandsSaid = 2000;
constexpr double kScannerPeriodMs = 500;
// The scanner's timer: the only timer window of the player, and the identifier of its timer.
constexpr wchar_t kTimerWindowClass[] = L"OrvJubo.Timer";
constexpr WPARAM kTimerId = 1;
// A conversation this long is in the room before anyone speaks.
const std::wstring kLongConversation = L"--history-bytes 102400";
constexpr DWORD kPlayedSeconds = 20;
constexpr int kCpuRounds = 3;
const std::wstring kBareGraphCaption = L"bare_graph: playing";

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Format(const char* format, double value) {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Starts the program and polls, every millisecond, for its visible window with the caption; the time from
// just before the start to the window, in milliseconds, or a negative number when none came.
double MsToWindow(LaunchedProgram& program, const std::wstring& exe, const std::wstring& arguments,
                  const std::wstring& folder, const std::wstring& caption) {
    const double started = NowMs();
    program = LaunchedProgram(exe, arguments, folder);
    if (!program.Started()) {
        return -1;
    }
    const double deadline = started + Scaled(kWindowTimeoutMs);
    while (FindTopWindow({.processId = program.Id(), .caption = caption}) == nullptr) {
        if (NowMs() > deadline || program.HasEnded()) {
            return -1;
        }
        Sleep(1);
    }
    return NowMs() - started;
}

LRESULT HistoryLength(HWND pane) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(pane, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, Scaled(5000), &length);
    return static_cast<LRESULT>(length);
}

// Waits until the process has used under a tenth of a core over half a second: the messages posted to it
// have all been handled.
void WaitUntilIdle(const ProcessCpu& cpu) {
    const double deadline = NowMs() + Scaled(600000);
    double before = cpu.Seconds();
    while (NowMs() < deadline) {
        Sleep(500);
        const double now = cpu.Seconds();
        if (now - before < 0.05) {
            return;
        }
        before = now;
    }
}

// The share of one core the program uses over the played seconds, from a second after playing began.
double ShareOfACore(const ProcessCpu& cpu) {
    Sleep(1000);
    const double before = cpu.Seconds();
    const double started = NowMs();
    Sleep(kPlayedSeconds * 1000);
    return (cpu.Seconds() - before) / ((NowMs() - started) / 1000);
}

class SessionBench : public PlayerBesideRoom {
  protected:
    // The room (with the arguments), the player beside it with the commands on: its main window.
    HWND StartEvening(const std::wstring& roomArguments) {
        const HWND mainWindow = StartRosaBesideTheRoom(roomArguments);
        if (mainWindow == nullptr || EnableChatCommands(mainWindow) == nullptr) {
            ADD_FAILURE() << "the player did not come up with its commands on";
            return nullptr;
        }
        return mainWindow;
    }

    // Ann says the text; the time until the room shows the next line after hers (the player's reply), in
    // milliseconds; negative when none came. With a tick posted the scanner reads the room at once. (The
    // reply is awaited in the room, not in "test.html": the player logs a message before it presses the
    // room's send button, and Ann's next line must not come between.)
    double SayAndWaitForReply(HWND pane, const std::wstring& text, HWND tickNow = nullptr) {
        const double said = NowMs();
        if (!SayAsParticipant(text)) {
            return -1;
        }
        const LRESULT withTheLine = HistoryLength(pane);
        if (tickNow != nullptr && !PostMessageW(tickNow, WM_TIMER, kTimerId, 0)) {
            return -1;
        }
        return WaitUntil([&] { return HistoryLength(pane) > withTheLine; }, 20000, 1) ? NowMs() - said : -1;
    }

    // The song ORVJUBO_BENCH_SONG names; empty, with a failure, when it names none.
    static std::wstring BenchSong() {
        wchar_t song[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableW(L"ORVJUBO_BENCH_SONG", song, MAX_PATH);
        if (length == 0 || length >= MAX_PATH || !FileExists(song)) {
            ADD_FAILURE() << "ORVJUBO_BENCH_SONG names no song";
            return {};
        }
        return song;
    }

    // Plays the song from the player's playlist; true once the engine's display says it plays.
    bool PlaySong(HWND mainWindow, const std::wstring& song) {
        if (!CopyFileW(song.c_str(), folder_.File(L"song.mp3").c_str(), FALSE)) {
            return false;
        }
        const HWND list = Playlist(mainWindow);
        if (!AddToPlaylist(list, {L"song.mp3"}) || !SelectEntry(list, 0)) {
            return false;
        }
        PressButton(MainWindowButton(mainWindow, L"Play"));
        return WaitUntil([&] { return Playing(mainWindow); }, kWindowTimeoutMs, 10);
    }

    static bool Playing(HWND mainWindow) {
        return DisplayShows(ReadEngineDisplay(mainWindow), L"song.mp3", L"Playing");
    }

    std::wstring MessageBoxProgram() const { return BuiltProgram(L"bench\\message_box.exe", nullptr); }
};

TEST_F(SessionBench, StartUpToTheFirstPrompt) {
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    const std::wstring player = BuiltProgram(L"orvjubo.exe", L"ORVJUBO_EXE");
    const std::wstring box = MessageBoxProgram();
    ASSERT_TRUE(FileExists(box)) << "the message box program was not built";
    std::vector<double> playerMs, boxMs;
    for (int run = 0; run < kStartUpRuns; ++run) {
        LaunchedProgram started;
        const double toPrompt = MsToWindow(started, player, L"", folder_.Path(), kUserNamePrompt);
        ASSERT_GT(toPrompt, 0) << "run " << run << ": the player showed no \"UserName\" prompt";
        playerMs.push_back(toPrompt);
        started.Kill();
        const double toBox = MsToWindow(started, box, L"", folder_.Path(), kUserNamePrompt);
        ASSERT_GT(toBox, 0) << "run " << run << ": the message box did not show";
        boxMs.push_back(toBox);
        started.Kill();
    }
    const double ratio = Median(playerMs) / Median(boxMs);
    std::printf("start-up to the first prompt: player %.0f-%.0f ms, message box %.0f-%.0f ms over %d runs\n",
                *std::min_element(playerMs.begin(), playerMs.end()),
                *std::max_element(playerMs.begin(), playerMs.end()),
                *std::min_element(boxMs.begin(), boxMs.end()), *std::max_element(boxMs.begin(), boxMs.end()),
                kStartUpRuns);
    PrintReportRow("start-up to the \"UserName\" prompt (median of 7)",
                   Format("%.0f ms", Median(playerMs)).c_str(),
                   Format("%.0f ms (message box)", Median(boxMs)).c_str(), ratio, "<= 1.5", ratio <= 1.5);
}

// Sound plays: left out where the programs run under an emulator.
using AudibleSessionBench = SessionBench;

TEST_F(AudibleSessionBench, ALongEveningOfCommands) {
    const std::wstring song = BenchSong();
    ASSERT_FALSE(song.empty());
    const HWND mainWindow = StartEvening(kLongConversation);
    ASSERT_NE(mainWindow, nullptr);
    const HWND pane = FindHistoryPane();
    const HWND timer = WindowOfProcess(HWND_MESSAGE, kTimerWindowClass, player_.Id());
    ASSERT_NE(pane, nullptr) << "the room has no history pane";
    ASSERT_NE(timer, nullptr) << "the player has no timer window";

    // Memory after start-up, beside a message box's.
    Sleep(2000);
    const SIZE_T afterStartUp = PrivateBytes(player_.Id());
    LaunchedProgram box;
    ASSERT_GT(MsToWindow(box, MessageBoxProgram(), L"", folder_.Path(), kUserNamePrompt), 0);
    Sleep(2000);
    const SIZE_T boxBytes = PrivateBytes(box.Id());
    box.Kill();
    ASSERT_NE(afterStartUp, 0u);
    ASSERT_NE(boxBytes, 0u);
    PrintReportRow("private memory after start-up", Format("%.0f KB", afterStartUp / 1024.0).c_str(),
                   Format("%.0f KB (message box)", boxBytes / 1024.0).c_str(),
                   static_cast<double>(afterStartUp) / static_cast<double>(boxBytes), "reported", true);

    // "p?" answers with the song's name (with nothing played yet its answer is empty, and the room shows
    // no line for it).
    ASSERT_TRUE(PlaySong(mainWindow, song)) << "the song did not play";
    // The growth counts from here: the song's graph is the player's working state, not a leak.
    Sleep(2000);
    const SIZE_T playing = PrivateBytes(player_.Id());

    // "p?" at phases spread over the scanner's period, each after the tick that answered the one before;
    // "Info" in between, so that no two of Ann's lines in a row are the same.
    std::vector<double> answers;
    for (int i = 0; i < kAnswersTimed; ++i) {
        Sleep(static_cast<DWORD>((i * 211) % 500));
        const double answered = SayAndWaitForReply(pane, L"p?");
        ASSERT_GT(answered, 0) << "no answer to \"p?\" number " << i;
        answers.push_back(answered);
        ASSERT_GT(SayAndWaitForReply(pane, L"Info"), 0) << "no answer to \"Info\" number " << i;
    }
    const double median = Median(answers);
    const double worst = *std::max_element(answers.begin(), answers.end());
    std::printf("\"p?\" answered in %.0f-%.0f ms, median %.0f ms\n",
                *std::min_element(answers.begin(), answers.end()), worst, median);
    PrintReportRow(Format("a \"p?\" answered in the room (median of 50; worst %.0f ms)", worst).c_str(),
                   Format("%.0f ms", median).c_str(), "500 ms (the scanner's period)",
                   median / kScannerPeriodMs, "<= 1.2 x 500 ms", median <= 1.2 * kScannerPeriodMs);

    // Scanner ticks against the long conversation, as fast as the player takes them; a post that finds the
    // queue full is tried again.
    const SIZE_T beforeTicks = PrivateBytes(player_.Id());
    const double ticksStarted = NowMs();
    for (int posted = 0; posted < kTicksPosted;) {
        if (PostMessageW(timer, WM_TIMER, kTimerId, 0)) {
            ++posted;
        } else {
            Sleep(5);
        }
    }
    WaitUntilIdle(ProcessCpu(player_.Id(), L"orvjubo.exe"));
    const double ticksMs = NowMs() - ticksStarted;
    const SIZE_T afterTicks = PrivateBytes(player_.Id());

    // Chat commands that reply, each read by a tick of its own.
    const double commandsStarted = NowMs();
    for (int i = 0; i < kCommandsSaid; ++i) {
        ASSERT_GT(SayAndWaitForReply(pane, i % 2 == 0 ? L"p?" : L"Info", timer), 0)
            << "no answer to command " << i;
    }
    const double commandsMs = NowMs() - commandsStarted;
    Sleep(2000);
    const SIZE_T atEnd = PrivateBytes(player_.Id());
    ASSERT_FALSE(player_.HasEnded());
    const auto growth = [&](SIZE_T from, SIZE_T to) {
        return 100.0 * (static_cast<double>(to) - static_cast<double>(from)) / static_cast<double>(from);
    };
    std::printf(
        "private bytes: %.0f KB after start-up, %.0f KB with a song playing, %.0f KB after %d \"p?\", %.0f "
        "KB after %d ticks (%.2f ms each), %.0f KB after %d commands (%.1f ms each)\n",
        afterStartUp / 1024.0, playing / 1024.0, beforeTicks / 1024.0, kAnswersTimed, afterTicks / 1024.0,
        kTicksPosted, ticksMs / kTicksPosted, atEnd / 1024.0, kCommandsSaid, commandsMs / kCommandsSaid);
    const double grown = growth(playing, atEnd);
    PrintReportRow("growth of private memory after 10 000 ticks (100 KB pane) and 2 000 commands",
                   Format("%+.1f %%", grown).c_str(),
                   Format("%.0f KB with a song playing", playing / 1024.0).c_str(), "<= 5 %", grown <= 5.0);
}

TEST_F(AudibleSessionBench, CpuShareWhilePlaying) {
    const std::wstring song = BenchSong();
    ASSERT_FALSE(song.empty());
    // Two runs of the same program differ by a fifth or more (the sound server's and Wine's timing): the
    // two programs take turns, and the medians are compared.
    std::vector<double> bareShares, playerShares;
    for (int round = 0; round < kCpuRounds; ++round) {
        SCOPED_TRACE(round);
        // A bare graph playing the song, alone.
        LaunchedProgram bare;
        const std::wstring arguments = L"\"" + song + L"\" " + std::to_wstring(kPlayedSeconds + 3);
        ASSERT_GT(MsToWindow(bare, BuiltProgram(L"bench\\bare_graph.exe", nullptr), arguments, folder_.Path(),
                             kBareGraphCaption),
                  0)
            << "the bare graph did not play";
        const ProcessCpu bareCpu(bare.Id(), L"bare_graph.exe");
        ASSERT_TRUE(bareCpu.Readable()) << "the bare graph's CPU time cannot be read";
        bareShares.push_back(ShareOfACore(bareCpu));
        ASSERT_FALSE(bare.HasEnded()) << "the bare graph ended before it was measured";
        bare.Kill();

        // The player with the room, the scanner on and a long conversation, playing the same song.
        const HWND mainWindow = StartEvening(kLongConversation);
        ASSERT_NE(mainWindow, nullptr);
        ASSERT_TRUE(PlaySong(mainWindow, song)) << "the song did not play";
        const ProcessCpu playerCpu(player_.Id(), L"orvjubo.exe");
        ASSERT_TRUE(playerCpu.Readable()) << "the player's CPU time cannot be read";
        playerShares.push_back(ShareOfACore(playerCpu));
        ASSERT_TRUE(Playing(mainWindow)) << "the song stopped before it was measured";
        player_.Kill();
        room_.Kill();
        std::printf("CPU round %d: player %.2f %%, bare graph %.2f %% of a core\n", round + 1,
                    100 * playerShares.back(), 100 * bareShares.back());
    }

    const double playerShare = Median(playerShares), bareShare = Median(bareShares);
    const double ratio = playerShare / bareShare;
    PrintReportRow(
        "CPU while playing a 128 kbit/s MP3 for 20 s (room open, scanner on, 100 KB pane; median of 3)",
        Format("%.2f %% of a core", 100 * playerShare).c_str(),
        Format("%.2f %% (bare DirectShow graph)", 100 * bareShare).c_str(), ratio, "<= 1.1", ratio <= 1.1);
}

}  // namespace
}  // namespace e2e
