#pragma once
// The whole program on a fake of every port, as the tests that drive it through its windows need it.
#include <string>

#include "app/program.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_event_list.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_tray_icon.h"

namespace orv::testing {

// Beside a room of the messenger; the tray icon notes its changes in events.
struct FakeProgram {
    FakeEventList events;
    FakeFormFactory forms;
    FakeEnginePanels panels;
    FakeFolders folders;
    FakeDialogs dialogs;
    FakeChatWindows chatWindows;
    FakeChatRoom room = AddChatRoom(chatWindows);
    FakeCodePage codePage;
    FakeFiles files;
    FakeTimer timer;
    FakeProcess process;
    FakeHandlerQueue later;
    FakeTrayIcon tray{&events};
    JuboProgram program{
        {forms, panels, folders, dialogs, chatWindows, codePage, files, timer, process, later, tray}};
    FakeForm& frmJubo() { return static_cast<FakeForm&>(program.frmJubo()); }

    // Ann says the message in the room, and the scanner's timer ticks.
    void Say(const std::string& message) {
        chatWindows.TextOf(room.history) += "<BR><!-- (8:15:" + std::to_string(++linesSaid) +
                                            ") --><FONT COLOR=\"#ff0000\"><B>Ann</B></FONT>: " + message +
                                            "</HTML>";
        timer.Fire();
    }
    int linesSaid = 0;
};

}  // namespace orv::testing
