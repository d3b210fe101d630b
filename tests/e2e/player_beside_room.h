#pragma once
// A test that runs the player beside the stand-in chat room, each in its own process, with the player working
// in a fresh folder of its own (so that its "test.html" is private to the test).
//
// A suite whose tests play sound has a name that begins with "Audible". The 32-bit programs also run under a
// user-mode emulator (scripts/test, on kernels without 32-bit support), where Windows' media engine cannot
// run: there every suite runs except those.
#include <gtest/gtest.h>

#include <string>

#include "e2e/chat_room_view.h"
#include "e2e/harness.h"

namespace e2e {

inline const std::wstring kMainWindowCaption = L"Orv Jubo 2.1";
inline const std::wstring kUserNamePrompt = L"UserName";
inline const std::string kUnloadedAnnouncement = "Orv Jubo - Unloaded.";

// The announcement the player sends when it has started, in the ANSI code page, for the given user name.
std::string LoadedAnnouncement(const std::wstring& userName);
// One line of "test.html": the message between double quotes, then CR LF.
std::string SentMessagesLine(const std::string& message);

class PlayerBesideRoom : public ::testing::Test {
  protected:
    void TearDown() override;

    // Starts the stand-in room with these arguments and waits for its window.
    void StartRoom(const std::wstring& arguments = L"");
    void StartPlayer();
    // Waits for the player's main window to be shown.
    HWND WaitForMainWindow();
    // The room, then the player, whose user is Rosa; the main window once the room has heard of her (nullptr,
    // with a failure, when something did not come).
    HWND StartRosaBesideTheRoom(const std::wstring& roomArguments = L"");
    // Opens "Ccoms" from the main window and presses "Enable Ccoms"; the "Ccoms" window once the room shows
    // that the commands are on (nullptr, with a failure, when it did not open).
    HWND EnableChatCommands(HWND mainWindow);
    // Ann, another participant, says the text in the room.
    bool SayAsParticipant(const std::wstring& text);
    // Typed into the entry pane by the person at this desktop and sent with the fifth icon button.
    bool SayAsOwner(const std::wstring& text);
    // Waits until the conversation shows a line with the text; returns the conversation.
    std::string WaitForRoomToShow(const std::string& text);
    std::string SentMessagesLog() const { return ReadFileBytes(folder_.File(L"test.html")); }

    TempFolder folder_;
    LaunchedProgram room_;
    HWND roomWindow_ = nullptr;
    LaunchedProgram player_;
};

}  // namespace e2e
