#pragma once
// The chat commands: the handler of tasp1's aimchatscan. Each reported message is tested against the
// seventeen commands in their fixed order (trigger and word from Form1, read afresh for every test), and
// every command it matches runs, most with a reply into the room.
#include <cstdint>
#include <functional>
#include <string_view>

#include "aim/chat.h"
#include "commands/ccoms_window.h"
#include "platform/controls.h"
#include "platform/media_engine.h"
#include "platform/process.h"
#include "player/chat_sends_window.h"
#include "player/navigation.h"

namespace orv {

// What the commands act on.
struct ChatCommandTargets {
    CcomsWindow& Form1;
    Chat& chat;
    Navigation& navigation;
    MediaEngine& MediaPlayer1;
    ListBox& List1;
    TextBox& Text1;        // the now-playing name
    const TextBox& Text3;  // the user name
    ChatSendsWindow& frmChatSends;
    Process& process;
    // The playlist's Refresh, with its own message box and chat message.
    std::function<void()> refresh;
    // The tray menu's "To System Tray".
    std::function<void()> minimizeToTray;
};

inline const Text kChatClearedReply = L"Chat has been cleared!";
inline const Text kPausedSuffix = L" [<b>Paused</b>]";
inline const Text kMediaStoppedReply = L"All media has been stopped";
inline const Text kPlaylistClearedReply = L"Playlist Cleared!";
// "Vol+" and "Vol-" move the volume by this much, within the engine's range.
constexpr std::int32_t kVolumeStep = 200;
constexpr std::int32_t kSilentVolume = -10000;
constexpr std::int32_t kFullVolume = 0;

// The reply to "Info": the user name and the playlist's entry count.
Text InformationText(const Text& userName, int entryCount);

class ChatCommands {
  public:
    explicit ChatCommands(ChatCommandTargets targets) : t_(std::move(targets)) {}

    // Only the message counts: the scanner reports only other people's lines.
    void tasp1_aimchatscan(const Text& Who, const Text& Message, const Text& aim_datesaid);

  private:
    enum class Then { Continue, StopTesting };
    struct Command {
        const char* wordBox;
        bool afterTrigger;  // false: the word alone matches
        Then (ChatCommands::*run)();
    };
    static const Command kCommands[];

    bool Matches(const Command& command, const Text& message);
    void Reply(const Text& text);
    Text NowPlaying();
    void ChangeVolume(std::int32_t by);

    Then End();
    Then Clear();
    Then Exit();
    Then Next();
    Then Prev();
    Then Pause();
    Then Res();
    Then Stop();
    Then Mute();
    Then Unmute();
    Then Cpl();
    Then Min();
    Then SongQuery();
    Then Info();
    Then VolumeUp();
    Then VolumeDown();
    Then Ref();

    ChatCommandTargets t_;
};

}  // namespace orv
