#pragma once
// The media engine on DirectShow: one filter graph per opened file, built by RenderFile.
//
// Threading: create, use and destroy the engine on the user-interface thread, after that thread has called
// CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED). The graph posts kGraphEventMessage to the notify window;
// that window's procedure must call HandleGraphEvent(), so every event is raised on the user-interface
// thread.
#include <windows.h>

#include <control.h>
#include <strmif.h>
#include <wrl/client.h>

#include <cstdint>
#include <functional>

#include "platform/media_engine.h"

namespace orv {

enum class PlaybackState {
    NoFile,  // nothing open
    Ready,   // opened, not played yet
    Playing,
    Paused,
    Stopped,  // stopped by request, or played to its end
};

class DirectShowEngine final : public MediaEngine {
  public:
    // Posted by the graph to the notify window; wParam and lParam carry nothing.
    static constexpr UINT kGraphEventMessage = WM_APP + 0x2A0;
    static constexpr std::int32_t kSilentVolume = -10000;
    static constexpr std::int32_t kFullVolume = 0;

    explicit DirectShowEngine(HWND notifyWindow);
    ~DirectShowEngine() override;
    DirectShowEngine(const DirectShowEngine&) = delete;
    DirectShowEngine& operator=(const DirectShowEngine&) = delete;

    void SetFileName(const Text& path) override;
    Text FileName() const override { return fileName_; }
    void Play() override;
    void Pause() override;
    void Stop() override;

    bool Mute() const override { return mute_; }
    void SetMute(bool mute) override;
    std::int32_t Volume() const override { return volume_; }
    void SetVolume(std::int32_t volume) override;

    void SetDisplayColour(OleColour colour) override;
    OleColour DisplayColour() const { return displayColour_; }

    bool HasOpenFile() const override { return graph_ != nullptr; }
    PlaybackState State() const { return state_; }
    // The level the graph plays at, read back from the graph (kSilentVolume while muted); 0 with no file.
    std::int32_t OutputVolume() const;
    // Seconds from the start of the open file; 0 with no file.
    double PositionSeconds() const;
    double DurationSeconds() const;
    void SeekTo(double seconds);

    // Lets go of the open file and its graph, raising no event; for the end of the program.
    void Close() { CloseFile(); }

    // Drains the graph's pending events; call it when the notify window receives kGraphEventMessage.
    void HandleGraphEvent();

    // Raised after anything the panel shows has changed (file, state, display colour).
    std::function<void()> onStatusChanged;

  private:
    void CloseFile();
    bool OpenFile(const Text& path);
    void ApplyVolume();
    void SetState(PlaybackState state);
    void RaiseStatusChanged();

    HWND notifyWindow_;
    Text fileName_;
    std::int32_t volume_ = kFullVolume;
    bool mute_ = false;
    OleColour displayColour_ = kDisplayColourAtStart;
    PlaybackState state_ = PlaybackState::NoFile;

    Microsoft::WRL::ComPtr<IGraphBuilder> graph_;
    Microsoft::WRL::ComPtr<IMediaControl> control_;
    Microsoft::WRL::ComPtr<IMediaEventEx> events_;
    Microsoft::WRL::ComPtr<IBasicAudio> audio_;
    Microsoft::WRL::ComPtr<IMediaSeeking> seeking_;
};

}  // namespace orv
