// MediaPlayer1: the engine's panel as real windows.
#include "platform/win32/media_player_panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "win32/engine_test_support.h"

namespace orv {
namespace {

using testing::PumpFor;
using testing::PumpUntil;
using testing::TestMediaFile;

constexpr DWORD kGenerousTimeout = 20000;

Text WindowText(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

class MediaPlayerPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment_.Result()));
        owner_ = CreateWindowExW(0, L"STATIC", L"panel owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420,
                                 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
        // At 96 dots per inch 0,4080 and 5895 x 1095 twips are these pixels.
        panel_ = std::make_unique<MediaPlayerPanel>(owner_, RECT{0, 272, 393, 345}, 16);
        ASSERT_NE(panel_->Handle(), nullptr);
    }
    void TearDown() override {
        panel_.reset();
        DestroyWindow(owner_);
    }

    HWND Child(const wchar_t* className, const wchar_t* caption) {
        return FindWindowExW(panel_->Handle(), nullptr, className, caption);
    }
    // The display lines are the panel's static children; their texts joined.
    Text DisplayText() {
        Text text;
        for (HWND child = FindWindowExW(panel_->Handle(), nullptr, L"Static", nullptr); child;
             child = FindWindowExW(panel_->Handle(), child, L"Static", nullptr)) {
            text += WindowText(child) + L"\n";
        }
        return text;
    }
    bool DisplayShows(const wchar_t* part) { return DisplayText().find(part) != Text::npos; }
    void Click(const wchar_t* caption) {
        HWND button = Child(L"Button", caption);
        ASSERT_NE(button, nullptr) << "no button captioned "
                                   << std::string(caption, caption + wcslen(caption));
        SendMessageW(button, BM_CLICK, 0, 0);
    }

    testing::ComApartment apartment_;
    HWND owner_ = nullptr;
    std::unique_ptr<MediaPlayerPanel> panel_;
};

TEST_F(MediaPlayerPanelTest, HasPlayPauseStopButtonsSeekBarAndDisplayAsRealWindows) {
    for (const wchar_t* caption : {L"Play", L"Pause", L"Stop"}) {
        HWND button = Child(L"Button", caption);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(IsWindowVisible(button));
    }
    EXPECT_NE(Child(TRACKBAR_CLASSW, nullptr), nullptr);
    EXPECT_TRUE(DisplayShows(L"No file")) << std::string(DisplayText().begin(), DisplayText().end());
    EXPECT_EQ(GetParent(panel_->Handle()), owner_);
}

TEST_F(MediaPlayerPanelTest, DisplayColourStartsDarkRedAndFollowsSetDisplayColour) {
    EXPECT_EQ(panel_->DisplayTextColour(), RGB(0xC0, 0x00, 0x00));
    panel_->Engine().SetDisplayColour(OleColour::Hex(0x00FF80));
    EXPECT_EQ(panel_->DisplayTextColour(), RGB(0x00, 0xFF, 0x80));
    panel_->Engine().SetDisplayColour(OleColour::System(COLOR_HIGHLIGHT));
    EXPECT_EQ(panel_->DisplayTextColour(), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(MediaPlayerPanelTest, ButtonsActOnTheEngineAndTheDisplayFollows) {
    const Text song = TestMediaFile(L"long_440.mp3");
    ASSERT_FALSE(song.empty());
    DirectShowEngine& engine = panel_->Engine();
    engine.SetFileName(song);
    EXPECT_TRUE(DisplayShows(L"long_440.mp3"));
    EXPECT_TRUE(DisplayShows(L"Ready"));
    EXPECT_TRUE(DisplayShows(L"0:12")) << "the total time is shown";

    Click(L"Play");
    EXPECT_EQ(engine.State(), PlaybackState::Playing);
    EXPECT_TRUE(DisplayShows(L"Playing"));
    // The elapsed time is refreshed while playing.
    EXPECT_TRUE(PumpUntil([&] { return DisplayShows(L"0:01 / 0:12"); }, kGenerousTimeout))
        << std::string(DisplayText().begin(), DisplayText().end());

    Click(L"Pause");
    EXPECT_EQ(engine.State(), PlaybackState::Paused);
    EXPECT_TRUE(DisplayShows(L"Paused"));

    Click(L"Play");
    EXPECT_EQ(engine.State(), PlaybackState::Playing);

    Click(L"Stop");
    EXPECT_EQ(engine.State(), PlaybackState::Stopped);
    EXPECT_TRUE(DisplayShows(L"Stopped"));
}

TEST_F(MediaPlayerPanelTest, DraggingTheSeekBarMovesThePlayingPosition) {
    const Text song = TestMediaFile(L"long_440.mp3");
    ASSERT_FALSE(song.empty());
    DirectShowEngine& engine = panel_->Engine();
    engine.SetFileName(song);
    Click(L"Play");
    HWND seekBar = Child(TRACKBAR_CLASSW, nullptr);
    ASSERT_NE(seekBar, nullptr);

    // What the trackbar sends its parent while the user drags the thumb to 8 s and lets go.
    SendMessageW(panel_->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 80),
                 reinterpret_cast<LPARAM>(seekBar));
    SendMessageW(seekBar, TBM_SETPOS, TRUE, 80);
    SendMessageW(panel_->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 80),
                 reinterpret_cast<LPARAM>(seekBar));
    SendMessageW(panel_->Handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(seekBar));
    EXPECT_GE(engine.PositionSeconds(), 7.9);
    EXPECT_TRUE(PumpUntil([&] { return engine.PositionSeconds() > 8.3; }, kGenerousTimeout));
    engine.Stop();
}

TEST_F(MediaPlayerPanelTest, GraphEventsReachTheEngineThroughThePanel) {
    const Text song = TestMediaFile(L"short_440.mp3");
    ASSERT_FALSE(song.empty());
    int ends = 0;
    panel_->Engine().onEndOfStream = [&](std::int32_t) { ++ends; };
    panel_->Engine().SetFileName(song);
    Click(L"Play");
    EXPECT_TRUE(PumpUntil([&] { return ends == 1; }, kGenerousTimeout));
    EXPECT_TRUE(DisplayShows(L"Stopped"));
}

}  // namespace
}  // namespace orv
