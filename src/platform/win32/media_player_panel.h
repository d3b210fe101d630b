#pragma once
// MediaPlayer1: the media engine's own panel. A child window that owns the DirectShow engine and shows its
// display (file name, state, elapsed and total time, in the display colour on black), a seek bar and the
// "Play", "Pause" and "Stop" buttons, which act on the engine directly.
//
// Create it on the user-interface thread after CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); the panel
// is the engine's notify window, so graph events reach the engine through the panel's own procedure.
#include <windows.h>

#include <memory>

#include "platform/win32/base_window.h"
#include "platform/win32/directshow_engine.h"

namespace orv {

class MediaPlayerPanel : public win32::BaseWindow {
  public:
    // The rectangle is in pixels in the parent's client area; the owner converts from twips.
    MediaPlayerPanel(HWND parent, const RECT& bounds, int controlId);
    ~MediaPlayerPanel() override;

    // False when the panel's window could not be made; Engine() is then not to be called.
    bool HasEngine() const { return engine_ != nullptr; }
    DirectShowEngine& Engine() { return *engine_; }
    // The display's text colour as 0x00BBGGRR, system colours resolved.
    COLORREF DisplayTextColour() const;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void CreateChildren();
    void LayOutChildren(int width, int height);
    void Refresh();
    void RefreshTime();
    void OnCommand(int id);
    void OnSeekBar(int request);

    HWND nameLine_ = nullptr;
    HWND statusLine_ = nullptr;
    HWND seekBar_ = nullptr;
    HWND playButton_ = nullptr;
    HWND pauseButton_ = nullptr;
    HWND stopButton_ = nullptr;
    HBRUSH displayBrush_ = nullptr;
    HFONT font_ = nullptr;
    bool dragging_ = false;
    // The status line's text as last shown.
    Text shownStatus_;
    std::unique_ptr<DirectShowEngine> engine_;
};

}  // namespace orv
