#pragma once
// The program as its parts make it up: the main window frmJubo with its background, player and menus, the
// windows Form1 ("Ccoms"), Form2 ("Credits") and the skin chooser, the tray icon, the chat module, the chat
// scanner and the chat commands, start-up and shutdown. Everything outside comes in through the ports.
#include <memory>

#include "aim/chat.h"
#include "aim/chat_scanner.h"
#include "app/jubo_player.h"
#include "app/main_window_menus.h"
#include "app/startup.h"
#include "commands/ccoms_window.h"
#include "commands/chat_commands.h"
#include "commands/room_boxes.h"
#include "platform/chat_windows.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/single_form.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"
#include "player/chat_module_sender.h"
#include "playlist/playlist_sources.h"
#include "shell/skin_pictures.h"
#include "shell/skins.h"
#include "shell/system_tray.h"

namespace orv {

struct ProgramPorts {
    FormFactory& forms;
    EnginePanels& enginePanels;
    Folders& folders;
    Dialogs& dialogs;
    ChatWindows& chatWindows;
    const CodePage& codePage;
    Files& files;
    UiTimer& chatTimer;
    Process& process;
    // Where the engine's events wait for the handler that raised them to return.
    HandlerQueue& later;
    // cSysTray1, with the program's icon and tip.
    TrayIcon& tray;
};

class JuboProgram {
  public:
    // Makes frmJubo, hidden, with its player. Throws when the window cannot be made.
    explicit JuboProgram(const ProgramPorts& ports);
    ~JuboProgram();
    JuboProgram(const JuboProgram&) = delete;
    JuboProgram& operator=(const JuboProgram&) = delete;

    // frmJubo's load handler (its prompts come before the window is shown), then shows the window. A load
    // handler that fails is abandoned, like any handler, and the program goes on.
    void Start();
    // Gives frmJubo the start-up scheme's background picture and shows it: the last step of Start.
    void ShowMainWindow();

    Form& frmJubo() { return *frmJubo_; }
    JuboPlayer& Player() { return player_; }
    tasp_aim_chat& tasp1() { return tasp1_; }
    PlaylistSources& Sources() { return sources_; }
    SkinChooser& Form3() { return form3_; }
    // The chat-command settings and the credits, made hidden the first time they are reached.
    CcomsWindow& Form1() { return form1_; }
    SingleForm& Form2() { return form2_; }
    MainWindowMenus& Menus() { return menus_; }
    SystemTray& Tray() { return tray_; }

  private:
    void BindPlaylistSources();
    SkinTargets SkinTargetsOf();
    ChatCommandTargets ChatCommandTargetsOf(Process& process);

    std::unique_ptr<Form> frmJubo_;
    RoomBoxes dialogs_;
    Chat chat_;
    ChatModuleSender chatSender_;
    tasp_aim_chat tasp1_;
    JuboPlayer player_;
    PlaylistSources sources_;
    JuboLifecycle lifecycle_;
    SkinPictures pictures_;
    CcomsWindow form1_;
    SingleForm form2_;
    SkinChooser form3_;
    MainWindowMenus menus_;
    SystemTray tray_;
    ChatCommands commands_;
};

}  // namespace orv
