#include "app/program.h"

#include "app/main_window_layout.h"
#include "platform/exception_barrier.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/credits_layout.h"

namespace orv {

JuboProgram::JuboProgram(const ProgramPorts& ports)
    : frmJubo_(ports.forms.Create(MainWindowSpec())),
      dialogs_(ports.dialogs),
      chat_(ports.chatWindows, ports.codePage, ports.files),
      chatSender_(chat_),
      tasp1_(chat_, ports.chatTimer),
      player_(*frmJubo_, ports.forms, ports.enginePanels, ports.folders, dialogs_, chatSender_, ports.later),
      sources_(*frmJubo_, player_.List1(), frmJubo_->TextBoxNamed("Text1"), player_.frmAddDir(), dialogs_,
               chatSender_, ports.files, ports.folders, ports.codePage),
      lifecycle_(dialogs_, chat_, frmJubo_->TextBoxNamed("Text3"), player_.DisableChatSends(), tasp1_,
                 ports.process),
      form1_(ports.forms, tasp1_, chat_),
      form2_(ports.forms, CreditsWindowSpec(), nullptr),
      form3_(ports.forms, SkinTargetsOf(), pictures_),
      menus_(*frmJubo_, player_,
             {.Form1 = form1_.Form1(),
              .Form2 = form2_,
              .showForm3 = [this] { form3_.Show(); },
              .showAddDir = [this] { sources_.directory.ShowDialog(); },
              .addFile = [this] { sources_.edits.AddFile(); },
              .loadPlaylist = [this] { sources_.files.Load(); },
              .refresh = [this] { sources_.directory.Refresh(); },
              .minimizeToTaskbar = [this] { tray_.MinimizeToTaskbar(); },
              .minimizeToTray = [this] { tray_.MinimizeToTray(); },
              .restore = [this] { tray_.Restore(); }},
             ports.process),
      // Hidden with frmJubo, in this order; the skin chooser stays as it is.
      tray_(ports.tray, *frmJubo_,
            {[this]() -> Form& { return player_.frmAddDir().Window(); },
             [this]() -> Form& { return player_.frmChatSends().Window(); },
             [this]() -> Form& { return form1_.Window(); }, [this]() -> Form& { return form2_.Get(); }},
            [this] { return menus_.sysmenu(); }),
      commands_(ChatCommandTargetsOf(ports.process)) {
    frmJubo_->PushButtonNamed("XPButton13").onClick = [this] { form3_.Show(); };
    tasp1_.aimchatscan = [this](Text& Who, Text& Message, Text& aim_datesaid) {
        // The message boxes of the line's commands are the room's.
        const RoomBoxes::ChatLine line(dialogs_);
        commands_.tasp1_aimchatscan(Who, Message, aim_datesaid);
    };
    // Closing (close box, system menu, Alt+F4), the end of the session and the window's destruction all
    // unload the program; the first of them ends the process.
    frmJubo_->onClose = [this] { lifecycle_.Form_Unload(); };
    frmJubo_->onSessionEnd = [this] { lifecycle_.Form_Unload(); };
    frmJubo_->onDestroy = [this] { lifecycle_.Form_Unload(); };
    BindPlaylistSources();
}

void JuboProgram::BindPlaylistSources() {
    const auto onClick = [this](const char* name, std::function<void()> handler) {
        frmJubo_->PushButtonNamed(name).onClick = std::move(handler);
    };
    onClick("XPButton5", [this] { sources_.files.Save(); });
    onClick("XPButton4", [this] { sources_.edits.RemoveFile(); });
    onClick("XPButton3", [this] { sources_.edits.ClearPlaylist(); });
}

JuboProgram::~JuboProgram() {
    tasp1_.aimchatscan = nullptr;
    // Taking the program apart is not the user's shutdown.
    frmJubo_->onClose = nullptr;
    frmJubo_->onSessionEnd = nullptr;
    frmJubo_->onDestroy = nullptr;
}

SkinTargets JuboProgram::SkinTargetsOf() {
    return {.frmJubo = {[this]() -> Form& { return *frmJubo_; }, MainWindowSpec()},
            .MediaPlayer1 = player_.MediaPlayer1(),
            .frmAddDir = {[this]() -> Form& { return player_.frmAddDir().Window(); }, AddDirWindowSpec()},
            .frmChatSends = {[this]() -> Form& { return player_.frmChatSends().Window(); },
                             ChatSendsWindowSpec()},
            .Form2 = {[this]() -> Form& { return form2_.Get(); }, CreditsWindowSpec()}};
}

ChatCommandTargets JuboProgram::ChatCommandTargetsOf(Process& process) {
    return {.Form1 = form1_,
            .chat = chat_,
            .navigation = player_.Navigator(),
            .MediaPlayer1 = player_.MediaPlayer1(),
            .List1 = player_.List1(),
            .Text1 = frmJubo_->TextBoxNamed("Text1"),
            .Text3 = frmJubo_->TextBoxNamed("Text3"),
            .frmChatSends = player_.frmChatSends(),
            .process = process,
            .refresh = [this] { sources_.directory.Refresh(); },
            .minimizeToTray = [this] { tray_.MinimizeToTray(); }};
}

void JuboProgram::Start() {
    RunBehindBarrier([&] { lifecycle_.Form_Load(); });
    ShowMainWindow();
}

void JuboProgram::ShowMainWindow() {
    // The red scheme is the start-up appearance. Its picture is drawn once the user name has been asked
    // for, so that the prompt does not wait for it.
    RunBehindBarrier([&] { frmJubo_->SetBackPicture(pictures_.Of(kStartUpSkinAccent)); });
    frmJubo_->Show();
}

}  // namespace orv
