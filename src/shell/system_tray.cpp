#include "shell/system_tray.h"

namespace orv {

SystemTray::SystemTray(TrayIcon& cSysTray1, Form& frmJubo, std::vector<WindowGetter> hiddenWithMain,
                       std::function<Menu()> sysmenu)
    : cSysTray1_(cSysTray1),
      frmJubo_(frmJubo),
      hiddenWithMain_(std::move(hiddenWithMain)),
      sysmenu_(std::move(sysmenu)) {
    cSysTray1_.onMouseUp = [this](MouseButton button) {
        if (button == MouseButton::Right) {
            frmJubo_.PopUpMenu(sysmenu_());
        }
    };
    cSysTray1_.onDoubleClick = [this] { Restore(); };
}

SystemTray::~SystemTray() {
    cSysTray1_.onMouseUp = nullptr;
    cSysTray1_.onDoubleClick = nullptr;
}

void SystemTray::MinimizeToTray() {
    cSysTray1_.SetInTray(true);
    frmJubo_.Hide();
    for (const WindowGetter& window : hiddenWithMain_) {
        window().Hide();
    }
}

void SystemTray::MinimizeToTaskbar() {
    frmJubo_.Minimize();
}

void SystemTray::Restore() {
    frmJubo_.Show();
    cSysTray1_.SetInTray(false);
}

}  // namespace orv
