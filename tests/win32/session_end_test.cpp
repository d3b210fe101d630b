// The end of the session is the main window's shutdown, whichever window hears of it first: frmChatSends,
// owned by frmJubo, often hears first and must keep "Disable ChatSends" for the shutdown to read.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/program.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "win32/engine_test_support.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using orv::testing::FakeChatWindows;

void EndSession(HWND window) {
    SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
}

class SessionEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment.Result()));
        program = std::make_unique<JuboProgram>(ProgramPorts{.forms = forms,
                                                             .enginePanels = panels,
                                                             .folders = folders,
                                                             .dialogs = dialogs,
                                                             .chatWindows = windows,
                                                             .codePage = codePage,
                                                             .files = files,
                                                             .chatTimer = timer,
                                                             .process = process,
                                                             .later = engineEvents});
        program->frmJubo().Show();
    }
    void TearDown() override { program.reset(); }

    HWND frmJubo() { return Win32Form::Of(&program->frmJubo())->Window().Handle(); }
    // Opens "Chat Sends" with its button and returns the window.
    HWND OpenChatSends() {
        SendMessageW(Win32Form::Of(&program->frmJubo())->Window().Control("XPButton2"), BM_CLICK, 0, 0);
        return FindWindowW(L"OrvJubo.frmChatSends", L"Chat Sends");
    }
    // Opens "Chat Sends", ticks "Disable ChatSends" or not, then ends the session for frmChatSends first and
    // frmJubo second.
    void EndTheSessionChatSendsFirst(bool tick) {
        AnnouncementSwitch& disableChatSends = program->Player().DisableChatSends();
        const HWND chatSends = OpenChatSends();
        ASSERT_NE(chatSends, nullptr);
        if (tick) {
            SendMessageW(testing::FindChild(chatSends, L"Button", L"Disable ChatSends"), BM_SETCHECK,
                         BST_CHECKED, 0);
            ASSERT_FALSE(disableChatSends.IsClear());
        }
        EndSession(chatSends);
        EXPECT_EQ(process.ends, 0) << "only the main window ends the program";
        EXPECT_TRUE(IsWindow(chatSends));
        EXPECT_EQ(disableChatSends.IsClear(), !tick) << "frmChatSends lost its settings";
        EndSession(frmJubo());
        EXPECT_EQ(process.ends, 1);
    }
    std::vector<AnsiText> SentToRoom() const {
        std::vector<AnsiText> texts;
        for (const auto& sent : windows.SentTo(room.entry)) {
            if (sent.kind == FakeChatWindows::Kind::SetText) {
                texts.push_back(sent.text);
            }
        }
        return texts;
    }

    orv::testing::ComApartment apartment;
    orv::testing::FakeDialogs dialogs;
    FakeChatWindows windows;
    orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(windows);
    orv::testing::FakeCodePage codePage;
    orv::testing::FakeFiles files;
    orv::testing::FakeTimer timer;
    orv::testing::FakeProcess process;
    Win32FormFactory forms;
    Win32EnginePanels panels;
    Win32Folders folders;
    Win32HandlerQueue engineEvents;
    std::unique_ptr<JuboProgram> program;
};

TEST_F(SessionEnd, WithDisableChatSendsTickedNothingIsSentWhicheverWindowHearsFirst) {
    EndTheSessionChatSendsFirst(true);
    EXPECT_TRUE(SentToRoom().empty());
}

TEST_F(SessionEnd, WithTheSwitchClearTheGoodbyeIsSentOnce) {
    EndTheSessionChatSendsFirst(false);
    EXPECT_EQ(SentToRoom(), (std::vector<AnsiText>{"Orv Jubo - Unloaded."}));
}

}  // namespace
}  // namespace orv::win32
