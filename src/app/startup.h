#pragma once
// Start-up (the main window's load handler) and shutdown (closing or releasing the main window).
#include "aim/chat.h"
#include "aim/chat_scanner.h"
#include "player/announcement_switch.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/process.h"
#include "player/program_texts.h"

namespace orv {

Text LoadedAnnouncement(const Text& userName);

class JuboLifecycle {
  public:
    JuboLifecycle(Dialogs& dialogs, Chat& chat, TextBox& Text3, AnnouncementSwitch& announcementSwitch,
                  tasp_aim_chat& tasp1, Process& process)
        : dialogs_(dialogs),
          chat_(chat),
          Text3_(Text3),
          switch_(announcementSwitch),
          tasp1_(tasp1),
          process_(process) {}

    // Asks for the user name, announces the player, starts the scanner.
    void Form_Load();
    // Says goodbye (unless the switch is set) and ends the program at once.
    [[noreturn]] void Form_Unload();

  private:
    Dialogs& dialogs_;
    Chat& chat_;
    TextBox& Text3_;
    AnnouncementSwitch& switch_;
    tasp_aim_chat& tasp1_;
    Process& process_;
};

}  // namespace orv
