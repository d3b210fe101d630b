// The end of the session is the main window's shutdown, whichever window hears of it first: frmChatSends,
// owned by frmJubo, often hears first and must keep "Disable ChatSends" for the shutdown to read.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/main_window_layout.h"
#include "app/startup.h"
#include "fakes/fake_chat_sender.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "platform/win32/jubo_player.h"
#include "platform/win32/win32_text_box.h"
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
        ASSERT_TRUE(frmJubo.Create(MainWindowSpec(), {.visible = true}));
        player = std::make_unique<JuboPlayer>(frmJubo, dialogs, announcements);
        Text3 = std::make_unique<Win32TextBox>(frmJubo.Control("Text3"));
        lifecycle = std::make_unique<JuboLifecycle>(dialogs, chat, *Text3, player->DisableChatSends(), tasp1,
                                                    process);
        // Bound as the program binds them.
        frmJubo.onUnload = [this] { lifecycle->Form_Unload(); };
        frmJubo.onSessionEnd = [this] { lifecycle->Form_Unload(); };
    }
    void TearDown() override {
        lifecycle.reset();
        player.reset();
        frmJubo.Destroy();
    }

    // Opens "Chat Sends" with its button and returns the window.
    HWND OpenChatSends() {
        SendMessageW(frmJubo.Control("XPButton2"), BM_CLICK, 0, 0);
        return FindWindowW(L"OrvJubo.frmChatSends", L"Chat Sends");
    }
    // Opens "Chat Sends", ticks "Disable ChatSends" or not, then ends the session for frmChatSends first and
    // frmJubo second.
    void EndTheSessionChatSendsFirst(bool tick) {
        const HWND chatSends = OpenChatSends();
        ASSERT_NE(chatSends, nullptr);
        if (tick) {
            SendMessageW(testing::FindChild(chatSends, L"Button", L"Disable ChatSends"), BM_SETCHECK,
                         BST_CHECKED, 0);
            ASSERT_FALSE(player->DisableChatSends().IsClear());
        }
        EndSession(chatSends);
        EXPECT_EQ(process.ends, 0) << "only the main window ends the program";
        EXPECT_TRUE(IsWindow(chatSends));
        EXPECT_EQ(player->DisableChatSends().IsClear(), !tick) << "frmChatSends lost its settings";
        EndSession(frmJubo.Handle());
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
    orv::testing::FakeChatSender announcements;
    FakeChatWindows windows;
    orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(windows);
    orv::testing::FakeCodePage codePage;
    orv::testing::FakeFiles files;
    Chat chat{windows, codePage, files};
    orv::testing::FakeTimer timer;
    tasp_aim_chat tasp1{chat, timer};
    orv::testing::FakeProcess process;
    FormWindow frmJubo;
    std::unique_ptr<JuboPlayer> player;
    std::unique_ptr<Win32TextBox> Text3;
    std::unique_ptr<JuboLifecycle> lifecycle;
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
