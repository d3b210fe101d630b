#pragma once
// The media engine's panel (MediaPlayerPanel with its DirectShow engine) put on a Win32Form.
//
// Use it on the user-interface thread after CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED).
#include <memory>
#include <vector>

#include "platform/engine_panel.h"
#include "platform/win32/media_player_panel.h"

namespace orv::win32 {

class Win32EnginePanels : public EnginePanels {
  public:
    ~Win32EnginePanels() override;
    // Throws for a window that is not a Win32Form and when the panel cannot be made.
    MediaEngine& PutEnginePanel(Form& form, std::string_view panelName) override;

    // The panels made so far, oldest first.
    const std::vector<std::unique_ptr<MediaPlayerPanel>>& Panels() const { return panels_; }
    // Lets go of every engine's graph (a process that ends with a graph open crashes under Wine).
    void CloseEngines();

  private:
    std::vector<std::unique_ptr<MediaPlayerPanel>> panels_;
};

}  // namespace orv::win32
