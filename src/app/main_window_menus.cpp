#include "app/main_window_menus.h"

#include <algorithm>

namespace orv {

namespace {

MenuItem Item(const char* name, const wchar_t* caption) {
    return {.name = name, .caption = caption};
}

MenuItem Submenu(const char* name, const wchar_t* caption, std::vector<MenuItem> items) {
    return {.name = name, .caption = caption, .items = std::move(items)};
}

void BindItems(std::vector<MenuItem>& items, const std::map<std::string, std::function<void()>>& handlers) {
    for (MenuItem& item : items) {
        BindItems(item.items, handlers);
        if (const auto found = handlers.find(item.name); found != handlers.end()) {
            item.onClick = found->second;
        }
    }
}

}  // namespace

const std::vector<Menu>& MainWindowMenuTree() {
    static const std::vector<Menu> tree = {
        {.name = "addfile",
         .items = {Item("mnuAddDir", L"Directory"), Item("mnuAddFile", L"File"),
                   Item("mnuAddplaylist", L"Playlist")}},
        {.name = "mnuMinimize",
         .items = {Item("mnuMinTask", L"To Taskbar"), Item("mnuMinTray", L"To System Tray")}},
        {.name = "sysmenu",
         .items = {Item("mnuNextSong", L"Next Song"), Item("mnuPrevious", L"Previous Song"),
                   Submenu("mnuplaypause", L"Play/Pause",
                           {Item("mnupause", L"Pause"), Item("mnuResume", L"Resume")}),
                   Item("mnuMute", L"Mute"), Item("mnuUnmute", L"Unmute"),
                   Submenu("mnuSysAdd", L"Add",
                           {Item("mnuSysAddDir", L"Directory"), Item("mnuSysAddFile", L"File"),
                            Item("mnuSysAddPL", L"Playlist")}),
                   Item("mnuCredits", L"Credits"), Item("mnuClose", L"Close"), Item("mnuRestore", L"Restore"),
                   Item("mnuCancel", L"Cancel"), Item("mnuSkins", L"Skins")}},
        {.name = "mnuListRclick",
         .items = {Item("mnuListPlay", L"Play"), Item("mnuListPause", L"Pause"),
                   Item("mnuRefresh", L"Refresh")}},
    };
    return tree;
}

MainWindowMenus::MainWindowMenus(Form& frmJubo, JuboPlayer& player, Windows windows, Process& process)
    : frmJubo_(frmJubo), handlers_(MakeBindingTable(player, windows, process)) {
    BindOpeners(windows);
}

MainWindowMenus::BindingTable MainWindowMenus::MakeBindingTable(JuboPlayer& player, Windows windows,
                                                                Process& process) {
    Playback& playback = player.Player();
    Navigation& navigation = player.Navigator();
    AddDirWindow& addDir = player.frmAddDir();
    const std::function<void()> showAddDir =
        windows.showAddDir ? windows.showAddDir : [&addDir] { addDir.Show(); };
    return {
        {"mnuAddDir", showAddDir},
        {"mnuAddFile", windows.addFile},
        {"mnuAddplaylist", windows.loadPlaylist},
        {"mnuMinTask", windows.minimizeToTaskbar},
        {"mnuMinTray", windows.minimizeToTray},
        {"mnuNextSong", [&navigation] { navigation.Step(kTrayNextSong); }},
        {"mnuPrevious", [&navigation] { navigation.Step(kTrayPreviousSong); }},
        {"mnupause", [&playback] { playback.Pause(); }},
        {"mnuResume", [&playback] { playback.Resume(); }},
        {"mnuMute", [&playback] { playback.Mute(); }},
        {"mnuUnmute", [&playback] { playback.Unmute(); }},
        {"mnuSysAddDir", showAddDir},
        {"mnuSysAddFile", windows.addFile},
        {"mnuSysAddPL", windows.loadPlaylist},
        {"mnuCredits", [&form2 = windows.Form2] { form2.Show(); }},
        // At once: no unloaded announcement, no other handler.
        {"mnuClose", [&process] { process.EndNow(); }},
        {"mnuRestore", windows.restore},
        {"mnuCancel", nullptr},
        {"mnuSkins", windows.showForm3},
        {"mnuListPlay", [&playback] { playback.PlaySelectedEntry(); }},
        {"mnuListPause", [&playback] { playback.Pause(); }},
        {"mnuRefresh", windows.refresh},
    };
}

void MainWindowMenus::BindOpeners(Windows windows) {
    frmJubo_.ListBoxNamed("List1").onMouseDown = [this](MouseButton button) {
        if (button == MouseButton::Right) {
            frmJubo_.PopUpMenu(Bound("mnuListRclick"));
        }
    };
    frmJubo_.PushButtonNamed("XPButton6").onClick = [this] { frmJubo_.PopUpMenu(Bound("addfile")); };
    frmJubo_.PushButtonNamed("XPButton7").onClick = [this] { frmJubo_.PopUpMenu(Bound("mnuMinimize")); };
    frmJubo_.PushButtonNamed("XPButton12").onClick = [&form1 = windows.Form1] { form1.Show(); };
}

Menu MainWindowMenus::Bound(const std::string& menuName) const {
    const auto& tree = MainWindowMenuTree();
    const auto found =
        std::find_if(tree.begin(), tree.end(), [&](const Menu& m) { return m.name == menuName; });
    if (found == tree.end()) {
        throw FormError("frmJubo has no menu " + menuName);
    }
    Menu menu = *found;
    BindItems(menu.items, handlers_);
    return menu;
}

}  // namespace orv
