// The DirectShow engine against real files, real graphs and the sound device.
#include "platform/win32/directshow_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/engine_test_support.h"

namespace orv {
namespace {

using testing::GraphEventWindow;
using testing::PumpFor;
using testing::PumpUntil;
using testing::TestMediaDir;
using testing::TestMediaFile;

constexpr DWORD kGenerousTimeout = 20000;

class DirectShowEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment_.Result()));
        engine_.onNewStream = [this] { newStreamThreads_.push_back(GetCurrentThreadId()); };
        engine_.onEndOfStream = [this](std::int32_t result) {
            endOfStreamThreads_.push_back(GetCurrentThreadId());
            endOfStreamResults_.push_back(result);
        };
        window_.Attach(&engine_);
    }
    void TearDown() override { window_.Attach(nullptr); }

    bool WaitForPositionPast(double seconds) {
        return PumpUntil([&] { return engine_.PositionSeconds() > seconds; }, kGenerousTimeout);
    }

    testing::ComApartment apartment_;
    GraphEventWindow window_;
    DirectShowEngine engine_{window_.Handle()};
    std::vector<DWORD> newStreamThreads_;
    std::vector<DWORD> endOfStreamThreads_;
    std::vector<std::int32_t> endOfStreamResults_;
};

TEST_F(DirectShowEngineTest, OpensPlaysPausesResumesAndStops) {
    const Text song = TestMediaFile(L"long_440.mp3");
    ASSERT_FALSE(song.empty());

    engine_.SetFileName(song);
    EXPECT_TRUE(engine_.HasOpenFile());
    EXPECT_EQ(engine_.FileName(), song);
    EXPECT_EQ(engine_.State(), PlaybackState::Ready);
    EXPECT_NEAR(engine_.DurationSeconds(), 12.0, 0.2);

    engine_.Play();
    EXPECT_EQ(engine_.State(), PlaybackState::Playing);
    ASSERT_TRUE(WaitForPositionPast(0.5)) << "playback never advanced";

    engine_.Pause();
    EXPECT_EQ(engine_.State(), PlaybackState::Paused);
    const double halted = engine_.PositionSeconds();
    PumpFor(800);
    EXPECT_NEAR(engine_.PositionSeconds(), halted, 0.05) << "the position moved while paused";

    engine_.Play();
    EXPECT_EQ(engine_.State(), PlaybackState::Playing);
    EXPECT_GE(engine_.PositionSeconds(), halted - 0.05) << "resuming went back to the start";
    ASSERT_TRUE(WaitForPositionPast(halted + 0.5)) << "playback did not continue after the pause";

    engine_.Stop();
    EXPECT_EQ(engine_.State(), PlaybackState::Stopped);
    EXPECT_NEAR(engine_.PositionSeconds(), 0.0, 0.05);
    PumpFor(500);
    EXPECT_TRUE(endOfStreamThreads_.empty()) << "a stopped file reported its end";

    // Play after Stop starts the file again.
    engine_.Play();
    EXPECT_EQ(engine_.State(), PlaybackState::Playing);
    ASSERT_TRUE(WaitForPositionPast(0.3));
    engine_.Stop();
}

TEST_F(DirectShowEngineTest, PlayPauseAndStopWithNothingOpenDoNothing) {
    engine_.Play();
    engine_.Pause();
    engine_.Stop();
    EXPECT_FALSE(engine_.HasOpenFile());
    EXPECT_EQ(engine_.State(), PlaybackState::NoFile);
    PumpFor(300);
    EXPECT_TRUE(newStreamThreads_.empty());
    EXPECT_TRUE(endOfStreamThreads_.empty());
}

TEST_F(DirectShowEngineTest, VolumeAndMuteReadBackWhatWasWrittenAndReachTheGraph) {
    const Text song = TestMediaFile(L"short_440.mp3");
    ASSERT_FALSE(song.empty());

    // Before any file: the values are kept.
    EXPECT_EQ(engine_.Volume(), 0);
    EXPECT_FALSE(engine_.Mute());
    engine_.SetVolume(-600);
    EXPECT_EQ(engine_.Volume(), -600);

    // A new file gets the current volume.
    engine_.SetFileName(song);
    ASSERT_TRUE(engine_.HasOpenFile());
    EXPECT_EQ(engine_.OutputVolume(), -600);

    // Mute silences the graph without losing the volume; unmute restores it.
    engine_.SetMute(true);
    EXPECT_TRUE(engine_.Mute());
    EXPECT_EQ(engine_.Volume(), -600);
    EXPECT_EQ(engine_.OutputVolume(), DirectShowEngine::kSilentVolume);
    engine_.SetVolume(-400);  // changed while muted: kept, still silent
    EXPECT_EQ(engine_.Volume(), -400);
    EXPECT_EQ(engine_.OutputVolume(), DirectShowEngine::kSilentVolume);

    // A new file opened while muted stays muted.
    engine_.SetFileName(song);
    EXPECT_EQ(engine_.OutputVolume(), DirectShowEngine::kSilentVolume);
    engine_.SetMute(false);
    EXPECT_FALSE(engine_.Mute());
    EXPECT_EQ(engine_.OutputVolume(), -400);

    // Out-of-range values are held to silent .. full.
    for (const auto& [written, kept] :
         {std::pair{200, 0}, std::pair{-10200, -10000}, std::pair{-10000, -10000}}) {
        engine_.SetVolume(written);
        EXPECT_EQ(engine_.Volume(), kept) << "written " << written;
        EXPECT_EQ(engine_.OutputVolume(), kept) << "written " << written;
    }
}

TEST_F(DirectShowEngineTest, EndOfStreamArrivesOnceOnTheUserInterfaceThread) {
    const Text song = TestMediaFile(L"short_440.mp3");
    ASSERT_FALSE(song.empty());
    engine_.SetFileName(song);
    engine_.Play();

    ASSERT_TRUE(PumpUntil([&] { return !endOfStreamThreads_.empty(); }, kGenerousTimeout))
        << "no end of stream";
    EXPECT_EQ(endOfStreamThreads_.front(), GetCurrentThreadId());
    EXPECT_EQ(endOfStreamResults_.front(), S_OK);
    EXPECT_EQ(engine_.State(), PlaybackState::Stopped);
    PumpFor(1000);
    EXPECT_EQ(endOfStreamThreads_.size(), 1u);

    // Played again to its end, it reports its end again.
    engine_.Play();
    ASSERT_TRUE(PumpUntil([&] { return endOfStreamThreads_.size() == 2; }, kGenerousTimeout));
}

TEST_F(DirectShowEngineTest, EndOfStreamHandlerMayOpenAndPlayTheNextFile) {
    const Text first = TestMediaFile(L"short_440.mp3");
    const Text second = TestMediaFile(L"short_660.mp3");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    // What auto-advance does: the next file is set and played from inside the end-of-stream handler.
    engine_.onEndOfStream = [&](std::int32_t) {
        endOfStreamThreads_.push_back(GetCurrentThreadId());
        if (endOfStreamThreads_.size() == 1) {
            engine_.SetFileName(second);
            engine_.Play();
        }
    };
    engine_.SetFileName(first);
    engine_.Play();
    ASSERT_TRUE(PumpUntil([&] { return endOfStreamThreads_.size() == 2; }, kGenerousTimeout));
    EXPECT_EQ(engine_.FileName(), second);
    EXPECT_EQ(newStreamThreads_.size(), 2u);
}

TEST_F(DirectShowEngineTest, NewStreamIsRaisedOncePerOpenedFile) {
    const Text first = TestMediaFile(L"short_440.mp3");
    const Text second = TestMediaFile(L"short_660.mp3");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());

    engine_.SetFileName(first);
    EXPECT_EQ(newStreamThreads_.size(), 1u);
    engine_.Play();
    PumpFor(300);
    EXPECT_EQ(newStreamThreads_.size(), 1u) << "playing is no new stream";

    engine_.SetFileName(second);
    EXPECT_EQ(newStreamThreads_.size(), 2u);
    EXPECT_EQ(engine_.FileName(), second);
    engine_.SetFileName(second);  // opened again: a new stream again
    EXPECT_EQ(newStreamThreads_.size(), 3u);
    PumpFor(300);
    EXPECT_EQ(newStreamThreads_.size(), 3u);
    for (DWORD thread : newStreamThreads_) {
        EXPECT_EQ(thread, GetCurrentThreadId());
    }
}

TEST_F(DirectShowEngineTest, UnplayablePathsOpenNothingAndRaiseNothing) {
    const Text song = TestMediaFile(L"short_440.mp3");
    const Text textFile = TestMediaFile(L"not_a_song.mp3");
    ASSERT_FALSE(song.empty());
    ASSERT_FALSE(textFile.empty());
    const Text dir = TestMediaDir();

    for (const Text& path : {textFile, dir + L"\\no_such_song.mp3", dir + L"\\", Text{}}) {
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        // A playing file is replaced by the unplayable one: it stops and is gone.
        engine_.SetFileName(song);
        engine_.Play();
        newStreamThreads_.clear();

        engine_.SetFileName(path);
        EXPECT_TRUE(newStreamThreads_.empty());
        EXPECT_FALSE(engine_.HasOpenFile());
        EXPECT_EQ(engine_.State(), PlaybackState::NoFile);
        EXPECT_EQ(engine_.FileName(), path);
        engine_.Play();
        EXPECT_EQ(engine_.State(), PlaybackState::NoFile);
    }
    PumpFor(1500);  // longer than the song: it would have ended by now had it kept playing
    EXPECT_TRUE(newStreamThreads_.empty());
    EXPECT_TRUE(endOfStreamThreads_.empty());
}

// Names that are no ordinary file: the engine opens none of them, not even to find out what they are. A pipe
// shows it: a server end that no client has reached still listens.
TEST_F(DirectShowEngineTest, DevicesPipesAndFoldersAreNeverOpened) {
    const Text pipeName = L"\\\\.\\pipe\\orvjubo-engine-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE pipe = CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_NOWAIT,
                                         1, 4096, 4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    wchar_t temp[MAX_PATH]{};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const Text folder = Text(temp).substr(0, wcslen(temp) - 1);

    for (const Text& path :
         {pipeName, Text(L"CON"), Text(L"NUL"), folder + L"\\CON", folder + L"\\nul.mp3", folder + L"\\COM1",
          Text(L"\\\\.\\PhysicalDrive0"), folder, folder + L"\\", L"C:\\" + Text(40000, L'a') + L".mp3"}) {
        SCOPED_TRACE(std::string(path.begin(), path.begin() + std::min<std::size_t>(path.size(), 80)));
        engine_.SetFileName(path);
        EXPECT_FALSE(engine_.HasOpenFile());
        EXPECT_EQ(engine_.State(), PlaybackState::NoFile);
        EXPECT_FALSE(ConnectNamedPipe(pipe, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_LISTENING)) << "the pipe was opened";
    }
    EXPECT_TRUE(newStreamThreads_.empty());
    CloseHandle(pipe);
}

}  // namespace
}  // namespace orv
