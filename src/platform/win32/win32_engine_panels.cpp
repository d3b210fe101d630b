#include "platform/win32/win32_engine_panels.h"

#include <stdexcept>

#include "platform/win32/win32_form.h"

namespace orv::win32 {

Win32EnginePanels::~Win32EnginePanels() {
    for (const auto& panel : panels_) {
        panel->Engine().onEndOfStream = nullptr;
        panel->Engine().onNewStream = nullptr;
    }
}

MediaEngine& Win32EnginePanels::PutEnginePanel(Form& form, std::string_view panelName) {
    Win32Form* window = Win32Form::Of(&form);
    if (window == nullptr) {
        throw std::invalid_argument("the engine's panel goes only on a Win32 window");
    }
    FormWindow& host = window->Window();
    // The panel is made where the layout places the panel control, then put in its place.
    const HWND standIn = host.Control(panelName);
    RECT bounds{};
    int controlId = 0;
    if (standIn != nullptr) {
        GetWindowRect(standIn, &bounds);
        MapWindowPoints(HWND_DESKTOP, host.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        controlId = GetDlgCtrlID(standIn);
    }
    auto panel = std::make_unique<MediaPlayerPanel>(host.Handle(), bounds, controlId);
    if (panel->Handle() == nullptr) {
        throw std::runtime_error("the engine's panel could not be made");
    }
    host.Controls().Adopt(panelName, panel->Handle());
    panels_.push_back(std::move(panel));
    return panels_.back()->Engine();
}

void Win32EnginePanels::CloseEngines() {
    for (const auto& panel : panels_) {
        panel->Engine().Close();
    }
}

}  // namespace orv::win32
