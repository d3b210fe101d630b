#pragma once
// The main window's three states and the tray icon that stands in for it: Shown; Minimized (on the
// taskbar, icon off); In tray (hidden, icon on). The icon's right button opens the tray menu at the pointer,
// its left double-click restores.
#include <functional>
#include <vector>

#include "platform/form.h"
#include "platform/menu.h"
#include "platform/tray_icon.h"

namespace orv {

// The tooltip of cSysTray1.
inline constexpr wchar_t kTrayTip[] = L"Orv Jubo";

class SystemTray {
  public:
    // Each auxiliary window is reached through a function that makes it, hidden, when it does not exist.
    using WindowGetter = std::function<Form&()>;

    // Binds the icon's events; all must outlive this.
    SystemTray(TrayIcon& cSysTray1, Form& frmJubo, std::vector<WindowGetter> hiddenWithMain,
               std::function<Menu()> sysmenu);
    ~SystemTray();
    SystemTray(const SystemTray&) = delete;
    SystemTray& operator=(const SystemTray&) = delete;

    // The icon up first, then frmJubo and the auxiliary windows hidden in their order, each on its own (one
    // that cannot be made or hidden leaves the others to be hidden); the window state stays as it is. A
    // shell that refuses the icon gets a few more tries within a second and a half; if the icon cannot be
    // put up, nothing is hidden, since nothing could bring the window back.
    void MinimizeToTray();
    // The window state minimised; the icon and the other windows stay as they are.
    void MinimizeToTaskbar();
    // frmJubo shown and active, then the icon taken down; the auxiliary windows stay hidden.
    void Restore();

  private:
    bool PutIconUp();

    TrayIcon& cSysTray1_;
    Form& frmJubo_;
    std::vector<WindowGetter> hiddenWithMain_;
    std::function<Menu()> sysmenu_;
};

}  // namespace orv
