#include "platform/win32/directshow_engine.h"

#include <evcode.h>
#include <uuids.h>

#include <algorithm>

#include "platform/win32/regular_file.h"

namespace orv {

namespace {

// DirectShow media time counts 100-nanosecond units.
constexpr double kMediaTimeUnitsPerSecond = 10'000'000.0;
// RenderFile's "rendered, but the sound could not be" (vfwmsgs.h; not in every SDK's headers).
constexpr HRESULT kAudioNotRendered = 0x00040258L;

}  // namespace

DirectShowEngine::DirectShowEngine(HWND notifyWindow) : notifyWindow_(notifyWindow) {}

DirectShowEngine::~DirectShowEngine() {
    CloseFile();
}

void DirectShowEngine::SetFileName(const Text& path) {
    fileName_ = path;
    CloseFile();
    const bool opened = OpenFile(path);
    RaiseStatusChanged();
    if (opened && onNewStream) {
        onNewStream();
    }
}

bool DirectShowEngine::OpenFile(const Text& path) {
    // RenderFile would open whatever the name leads to: a device, a pipe, a share, a folder.
    if (!win32::IsRegularFile(path)) {
        return false;
    }
    Microsoft::WRL::ComPtr<IGraphBuilder> graph;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(graph.GetAddressOf())))) {
        return false;
    }
    // A graph that renders no sound (a file with pictures only, or nothing DirectShow can read) is no song.
    const HRESULT rendered = graph->RenderFile(path.c_str(), nullptr);
    if (FAILED(rendered) || rendered == kAudioNotRendered) {
        return false;
    }
    Microsoft::WRL::ComPtr<IMediaControl> control;
    Microsoft::WRL::ComPtr<IMediaEventEx> events;
    // Interfaces by their IIDs: not every SDK's headers give these a compiler-known uuid.
    if (FAILED(graph->QueryInterface(IID_IMediaControl,
                                     reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()))) ||
        FAILED(graph->QueryInterface(IID_IMediaEventEx,
                                     reinterpret_cast<void**>(events.ReleaseAndGetAddressOf())))) {
        return false;
    }
    if (FAILED(events->SetNotifyWindow(reinterpret_cast<OAHWND>(notifyWindow_), kGraphEventMessage, 0))) {
        return false;
    }
    // Volume and position are extras: a graph without them still plays.
    graph->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(audio_.ReleaseAndGetAddressOf()));
    graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(seeking_.ReleaseAndGetAddressOf()));
    graph_ = graph;
    control_ = control;
    events_ = events;
    ApplyVolume();
    state_ = PlaybackState::Ready;
    return true;
}

void DirectShowEngine::CloseFile() {
    if (control_) {
        control_->Stop();
    }
    if (events_) {
        events_->SetNotifyWindow(0, 0, 0);
    }
    seeking_.Reset();
    audio_.Reset();
    events_.Reset();
    control_.Reset();
    graph_.Reset();
    state_ = PlaybackState::NoFile;
}

void DirectShowEngine::Play() {
    if (!control_) {
        return;
    }
    if (state_ == PlaybackState::Stopped) {
        // Stopped by request or at the end: play again from the start.
        control_->Stop();
        SeekTo(0);
    }
    if (SUCCEEDED(control_->Run())) {
        SetState(PlaybackState::Playing);
    }
}

void DirectShowEngine::Pause() {
    if (!control_ || state_ != PlaybackState::Playing) {
        return;
    }
    if (SUCCEEDED(control_->Pause())) {
        SetState(PlaybackState::Paused);
    }
}

void DirectShowEngine::Stop() {
    if (!control_) {
        return;
    }
    control_->Stop();
    SeekTo(0);
    SetState(PlaybackState::Stopped);
}

void DirectShowEngine::SetMute(bool mute) {
    mute_ = mute;
    ApplyVolume();
}

void DirectShowEngine::SetVolume(std::int32_t volume) {
    volume_ = std::clamp(volume, kSilentVolume, kFullVolume);
    ApplyVolume();
}

void DirectShowEngine::ApplyVolume() {
    if (audio_) {
        audio_->put_Volume(mute_ ? kSilentVolume : volume_);
    }
}

std::int32_t DirectShowEngine::OutputVolume() const {
    long volume = 0;
    if (!audio_ || FAILED(audio_->get_Volume(&volume))) {
        return 0;
    }
    return static_cast<std::int32_t>(volume);
}

void DirectShowEngine::SetDisplayColour(OleColour colour) {
    displayColour_ = colour;
    RaiseStatusChanged();
}

double DirectShowEngine::PositionSeconds() const {
    LONGLONG position = 0;
    if (!seeking_ || FAILED(seeking_->GetCurrentPosition(&position))) {
        return 0;
    }
    return static_cast<double>(position) / kMediaTimeUnitsPerSecond;
}

double DirectShowEngine::DurationSeconds() const {
    LONGLONG duration = 0;
    if (!seeking_ || FAILED(seeking_->GetDuration(&duration))) {
        return 0;
    }
    return static_cast<double>(duration) / kMediaTimeUnitsPerSecond;
}

void DirectShowEngine::SeekTo(double seconds) {
    if (!seeking_) {
        return;
    }
    LONGLONG position = static_cast<LONGLONG>(std::max(0.0, seconds) * kMediaTimeUnitsPerSecond);
    seeking_->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

void DirectShowEngine::HandleGraphEvent() {
    // Hold this graph's queue: a handler raised below may close the file and build the next graph.
    const Microsoft::WRL::ComPtr<IMediaEventEx> events = events_;
    if (!events) {
        return;
    }
    bool completed = false;
    long completionResult = 0;
    long code = 0;
    LONG_PTR param1 = 0;
    LONG_PTR param2 = 0;
    while (events->GetEvent(&code, &param1, &param2, 0) == S_OK) {
        if (code == EC_COMPLETE) {
            completed = true;
            completionResult = static_cast<long>(param1);
        }
        events->FreeEventParams(code, param1, param2);
    }
    if (!completed || events != events_ || state_ != PlaybackState::Playing) {
        return;
    }
    SetState(PlaybackState::Stopped);
    if (onEndOfStream) {
        onEndOfStream(static_cast<std::int32_t>(completionResult));
    }
}

void DirectShowEngine::SetState(PlaybackState state) {
    state_ = state;
    RaiseStatusChanged();
}

void DirectShowEngine::RaiseStatusChanged() {
    if (onStatusChanged) {
        onStatusChanged();
    }
}

}  // namespace orv
