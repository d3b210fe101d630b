#pragma once
// The whole program on a fake of every port, as the tests that drive it through its windows need it.
#include "app/program.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_tray_icon.h"

namespace orv::testing {

struct FakeProgram {
    FakeFormFactory forms;
    FakeEnginePanels panels;
    FakeFolders folders;
    FakeDialogs dialogs;
    FakeChatWindows chatWindows;
    FakeCodePage codePage;
    FakeFiles files;
    FakeTimer timer;
    FakeProcess process;
    FakeHandlerQueue later;
    FakeTrayIcon tray;
    JuboProgram program{
        {forms, panels, folders, dialogs, chatWindows, codePage, files, timer, process, later, tray}};
    FakeForm& frmJubo() { return static_cast<FakeForm&>(program.frmJubo()); }
};

}  // namespace orv::testing
