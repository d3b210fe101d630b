#include "platform/win32/media_player_panel.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/win32/accessible_control.h"

namespace orv {

namespace {

constexpr wchar_t kPanelClass[] = L"OrvJuboMediaPlayerPanel";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 250;
// The seek bar counts tenths of a second.
constexpr int kSeekStepsPerSecond = 10;

enum ChildId : int {
    kNameLineId = 100,
    kStatusLineId,
    kSeekBarId,
    kPlayButtonId,
    kPauseButtonId,
    kStopButtonId,
};

std::uint32_t SystemColour(int index) {
    return static_cast<std::uint32_t>(GetSysColor(index));
}

void InitSeekBarClass() {
    static const bool initialised = [] {
        const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}

const wchar_t* StateCaption(PlaybackState state) {
    switch (state) {
        case PlaybackState::NoFile:
            return L"No file";
        case PlaybackState::Ready:
            return L"Ready";
        case PlaybackState::Playing:
            return L"Playing";
        case PlaybackState::Paused:
            return L"Paused";
        case PlaybackState::Stopped:
            return L"Stopped";
    }
    return L"";
}

Text MinutesAndSeconds(double seconds) {
    const long whole = static_cast<long>(std::floor(std::max(0.0, seconds)));
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"%ld:%02ld", whole / 60, whole % 60);
    return buffer;
}

Text LastPathPart(const Text& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == Text::npos ? path : path.substr(slash + 1);
}

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

}  // namespace

MediaPlayerPanel::MediaPlayerPanel(HWND parent, const RECT& bounds, int controlId) {
    InitSeekBarClass();
    displayBrush_ = CreateSolidBrush(RGB(0, 0, 0));
    CreateBaseWindow({.className = kPanelClass,
                      .title = L"MediaPlayer1",
                      .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                      .x = bounds.left,
                      .y = bounds.top,
                      .width = bounds.right - bounds.left,
                      .height = bounds.bottom - bounds.top,
                      .parent = parent,
                      .controlId = controlId});
}

MediaPlayerPanel::~MediaPlayerPanel() {
    if (engine_) {
        engine_->onStatusChanged = nullptr;
    }
    // The engine lets go of its graph while its notify window still exists.
    engine_.reset();
    DestroyBaseWindow();
    if (font_) {
        DeleteObject(font_);
    }
    DeleteObject(displayBrush_);
}

COLORREF MediaPlayerPanel::DisplayTextColour() const {
    return static_cast<COLORREF>(ResolveColour(engine_->DisplayColour(), SystemColour));
}

LRESULT MediaPlayerPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            engine_ = std::make_unique<DirectShowEngine>(Handle());
            engine_->onStatusChanged = [this] { Refresh(); };
            CreateChildren();
            Refresh();
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_SIZE:
            LayOutChildren(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case DirectShowEngine::kGraphEventMessage:
            if (engine_) {
                engine_->HandleGraphEvent();
            }
            return 0;
        case WM_TIMER:
            if (wParam == kRefreshTimer) {
                RefreshTime();
            }
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == seekBar_) {
                OnSeekBar(LOWORD(wParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC: {
            const auto child = reinterpret_cast<HWND>(lParam);
            if (child == nameLine_ || child == statusLine_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, DisplayTextColour());
                SetBkColor(dc, RGB(0, 0, 0));
                return reinterpret_cast<LRESULT>(displayBrush_);
            }
            break;
        }
        case WM_DESTROY:
            KillTimer(Handle(), kRefreshTimer);
            if (engine_) {
                engine_->onStatusChanged = nullptr;
            }
            return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

void MediaPlayerPanel::CreateChildren() {
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    }
    nameLine_ = CreateChild(Handle(), L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kNameLineId);
    statusLine_ = CreateChild(Handle(), L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kStatusLineId);
    seekBar_ = CreateChild(Handle(), TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, kSeekBarId);
    playButton_ = CreateChild(Handle(), L"BUTTON", L"Play", BS_PUSHBUTTON | WS_TABSTOP, kPlayButtonId);
    pauseButton_ = CreateChild(Handle(), L"BUTTON", L"Pause", BS_PUSHBUTTON | WS_TABSTOP, kPauseButtonId);
    stopButton_ = CreateChild(Handle(), L"BUTTON", L"Stop", BS_PUSHBUTTON | WS_TABSTOP, kStopButtonId);
    for (HWND child : {nameLine_, statusLine_, playButton_, pauseButton_, stopButton_}) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    for (HWND line : {nameLine_, statusLine_}) {
        win32::DescribeToScreenReaders(line, {.role = ROLE_SYSTEM_STATICTEXT});
    }
    for (HWND button : {playButton_, pauseButton_, stopButton_}) {
        win32::DescribeToScreenReaders(button, {.role = ROLE_SYSTEM_PUSHBUTTON});
    }
    win32::DescribeToScreenReaders(seekBar_, {.role = ROLE_SYSTEM_SLIDER, .name = L"Position"});
    RECT client{};
    GetClientRect(Handle(), &client);
    LayOutChildren(client.right, client.bottom);
}

void MediaPlayerPanel::LayOutChildren(int width, int height) {
    if (!nameLine_) {
        return;
    }
    // The display takes the upper half; the buttons and the seek bar share the lower half.
    const int displayHeight = height / 2;
    const int lineHeight = displayHeight / 2;
    const int controlsTop = displayHeight + 2;
    const int controlsHeight = std::max(0, height - controlsTop - 2);
    const int buttonWidth = width / 7;
    MoveWindow(nameLine_, 0, 0, width, lineHeight, TRUE);
    MoveWindow(statusLine_, 0, lineHeight, width, displayHeight - lineHeight, TRUE);
    MoveWindow(playButton_, 2, controlsTop, buttonWidth, controlsHeight, TRUE);
    MoveWindow(pauseButton_, 4 + buttonWidth, controlsTop, buttonWidth, controlsHeight, TRUE);
    MoveWindow(stopButton_, 6 + 2 * buttonWidth, controlsTop, buttonWidth, controlsHeight, TRUE);
    const int seekLeft = 10 + 3 * buttonWidth;
    MoveWindow(seekBar_, seekLeft, controlsTop, std::max(0, width - seekLeft - 2), controlsHeight, TRUE);
}

void MediaPlayerPanel::Refresh() {
    if (!nameLine_ || !engine_) {
        return;
    }
    const DirectShowEngine& engine = *engine_;
    SetWindowTextW(nameLine_, engine.HasOpenFile() ? LastPathPart(engine.FileName()).c_str() : L"");
    const int seekEnd = static_cast<int>(engine.DurationSeconds() * kSeekStepsPerSecond);
    SendMessageW(seekBar_, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageW(seekBar_, TBM_SETRANGEMAX, TRUE, seekEnd);
    EnableWindow(seekBar_, engine.HasOpenFile() && seekEnd > 0);
    if (engine.State() == PlaybackState::Playing) {
        SetTimer(Handle(), kRefreshTimer, kRefreshMilliseconds, nullptr);
    } else {
        KillTimer(Handle(), kRefreshTimer);
    }
    // Another file or state: the seek bar is set again even where the text reads the same.
    shownStatus_.clear();
    RefreshTime();
    // The colour may have changed: repaint the display lines.
    InvalidateRect(nameLine_, nullptr, TRUE);
    InvalidateRect(statusLine_, nullptr, TRUE);
}

void MediaPlayerPanel::RefreshTime() {
    const DirectShowEngine& engine = *engine_;
    Text status = StateCaption(engine.State());
    const double elapsed = engine.HasOpenFile() ? engine.PositionSeconds() : 0;
    if (engine.HasOpenFile()) {
        status += L"  " + MinutesAndSeconds(elapsed) + L" / " + MinutesAndSeconds(engine.DurationSeconds());
    }
    // The display shows whole seconds: between them the timer finds nothing to repaint, which keeps the
    // panel's share of the processor small while a song plays.
    if (status == shownStatus_) {
        return;
    }
    shownStatus_ = status;
    if (engine.HasOpenFile() && !dragging_) {
        SendMessageW(seekBar_, TBM_SETPOS, TRUE, static_cast<LPARAM>(elapsed * kSeekStepsPerSecond));
    }
    SetWindowTextW(statusLine_, status.c_str());
}

void MediaPlayerPanel::OnCommand(int id) {
    switch (id) {
        case kPlayButtonId:
            engine_->Play();
            break;
        case kPauseButtonId:
            engine_->Pause();
            break;
        case kStopButtonId:
            engine_->Stop();
            break;
    }
}

void MediaPlayerPanel::OnSeekBar(int request) {
    if (request == TB_THUMBTRACK) {
        dragging_ = true;
        return;
    }
    if (request == TB_ENDTRACK || request == TB_THUMBPOSITION) {
        dragging_ = false;
    }
    const auto position = SendMessageW(seekBar_, TBM_GETPOS, 0, 0);
    engine_->SeekTo(static_cast<double>(position) / kSeekStepsPerSecond);
    RefreshTime();
}

}  // namespace orv
