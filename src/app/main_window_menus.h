#pragma once
// frmJubo's four pop-up menus and the buttons that open windows or menus: "Add" (addfile), "Minimize"
// (mnuMinimize), "Ccoms" (Form1), the playlist's right button (mnuListRclick), and the tray menu sysmenu,
// which the tray icon opens. Every item's handler comes from one binding table; an item whose operation the
// program does not have yet is listed there without one, and choosing it does nothing.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/jubo_player.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/process.h"
#include "platform/single_form.h"

namespace orv {

// The menus as the user sees them: names and captions in order, no handlers.
const std::vector<Menu>& MainWindowMenuTree();

class MainWindowMenus {
  public:
    // The windows the menus and buttons show; each must outlive this.
    struct Windows {
        SingleForm& Form1;  // "Ccoms"
        SingleForm& Form2;  // "Credits"
        // Shows the skin chooser Form3; empty while the program has none.
        std::function<void()> showForm3;
        // The playlist sources' operations; an empty one leaves its items doing nothing. Without showAddDir,
        // "Directory" shows frmAddDir as it is.
        std::function<void()> showAddDir;    // frmAddDir, to load a folder
        std::function<void()> addFile;       // one song through the Open dialog
        std::function<void()> loadPlaylist;  // a ".mlt" list through the Open dialog
        std::function<void()> refresh;       // the playlist again from the folder listing
        // frmJubo's states; an empty one leaves its item doing nothing.
        std::function<void()> minimizeToTaskbar;
        std::function<void()> minimizeToTray;
        std::function<void()> restore;  // from the tray
    };

    // Binds the opening buttons and List1's right button on frmJubo.
    MainWindowMenus(Form& frmJubo, JuboPlayer& player, Windows windows, Process& process);

    // The menu of that name with every item bound; throws FormError for a name frmJubo has no menu of.
    Menu Bound(const std::string& menuName) const;
    // The tray menu, for the tray icon to open.
    Menu sysmenu() const { return Bound("sysmenu"); }

  private:
    using BindingTable = std::map<std::string, std::function<void()>>;
    BindingTable MakeBindingTable(JuboPlayer& player, Windows windows, Process& process);
    void BindOpeners(Windows windows);

    Form& frmJubo_;
    BindingTable handlers_;
};

}  // namespace orv
