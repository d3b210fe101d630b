#include "shell/system_tray.h"

#include "platform/exception_barrier.h"

namespace orv {

namespace {

// The pauses before the second, third and fourth try to put the icon up. A shell that is starting or busy
// for a moment takes it within them; the program does not answer meanwhile, which is why the tries stop
// after a second and a half instead of going on in the background: no other handler may run between
// showing the icon and hiding the windows.
constexpr unsigned kShellPausesMs[] = {250, 500, 750};

}  // namespace

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

bool SystemTray::PutIconUp() {
    if (cSysTray1_.SetInTray(true)) {
        return true;
    }
    for (const unsigned pause : kShellPausesMs) {
        cSysTray1_.WaitForShell(pause);
        if (cSysTray1_.SetInTray(true)) {
            return true;
        }
    }
    return false;
}

void SystemTray::MinimizeToTray() {
    if (!PutIconUp()) {
        return;
    }
    // Each step on its own: a window that cannot be made or hidden leaves the others to be hidden.
    RunBehindBarrier([this] { frmJubo_.Hide(); });
    for (const WindowGetter& window : hiddenWithMain_) {
        RunBehindBarrier([&window] { window().Hide(); });
    }
}

void SystemTray::MinimizeToTaskbar() {
    frmJubo_.Minimize();
}

void SystemTray::Restore() {
    frmJubo_.Show();
    // Shown from the tray, the window is behind whatever the user used last: it comes to the front, active.
    frmJubo_.BringToFront();
    cSysTray1_.SetInTray(false);
}

}  // namespace orv
