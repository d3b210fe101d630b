#include "app/program.h"

#include <stdexcept>

#include "app/main_window_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skin_picture.h"

namespace orv {

namespace {

// The accent of the red scheme, the one the program starts in.
constexpr std::uint32_t kRedSkinAccent = 0xFF0000;

}  // namespace

std::unique_ptr<Form> JuboProgram::MakeMainWindow(FormFactory& forms) {
    auto frmJubo = forms.Create(MainWindowSpec(), nullptr);
    if (!frmJubo || !frmJubo->Exists()) {
        throw std::runtime_error("the main window could not be made");
    }
    // The red scheme's picture is the start-up background; the window scales it to its DPI.
    frmJubo->SetBackPicture(std::make_shared<const Picture>(DrawSkinPicture(kRedSkinAccent, 96)));
    return frmJubo;
}

JuboProgram::JuboProgram(const ProgramPorts& ports)
    : frmJubo_(MakeMainWindow(ports.forms)),
      chat_(ports.chatWindows, ports.codePage, ports.files),
      chatSender_(chat_),
      tasp1_(chat_, ports.chatTimer),
      player_(*frmJubo_, ports.forms, ports.enginePanels, ports.folders, ports.dialogs, chatSender_,
              ports.later),
      lifecycle_(ports.dialogs, chat_, frmJubo_->TextBoxNamed("Text3"), player_.DisableChatSends(), tasp1_,
                 ports.process),
      form1_(ports.forms, CcomsWindowSpec(), frmJubo_.get(), nullptr),
      form2_(ports.forms, CreditsWindowSpec(), frmJubo_.get(), nullptr),
      menus_(*frmJubo_, player_, {.Form1 = form1_, .Form2 = form2_, .showForm3 = nullptr}, ports.process) {
    // Closing (close box, system menu, Alt+F4), the end of the session and the window's destruction all
    // unload the program; the first of them ends the process.
    frmJubo_->onClose = [this] { lifecycle_.Form_Unload(); };
    frmJubo_->onSessionEnd = [this] { lifecycle_.Form_Unload(); };
    frmJubo_->onDestroy = [this] { lifecycle_.Form_Unload(); };
}

JuboProgram::~JuboProgram() {
    // Taking the program apart is not the user's shutdown.
    frmJubo_->onClose = nullptr;
    frmJubo_->onSessionEnd = nullptr;
    frmJubo_->onDestroy = nullptr;
}

void JuboProgram::Start() {
    try {
        lifecycle_.Form_Load();
    } catch (...) {
    }
    frmJubo_->Show();
}

}  // namespace orv
