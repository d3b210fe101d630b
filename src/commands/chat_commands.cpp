#include "commands/chat_commands.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/exception_barrier.h"
#include "player/now_playing.h"
#include "player/program_texts.h"

namespace orv {

namespace {

// A step that fails, whatever it throws, is skipped and the next one runs; so is a command whose boxes cannot
// be read.
template <typename Step>
void Try(Step&& step) {
    RunBehindBarrier(std::forward<Step>(step));
}

}  // namespace

// In the order they are tested.
const ChatCommands::Command ChatCommands::kCommands[] = {
    {"Text8", true, &ChatCommands::End},        {"Text14", true, &ChatCommands::Clear},
    {"Text15", true, &ChatCommands::Exit},      {"Text16", true, &ChatCommands::Next},
    {"Text17", true, &ChatCommands::Prev},      {"Text6", true, &ChatCommands::Pause},
    {"Text5", true, &ChatCommands::Res},        {"Text7", true, &ChatCommands::Stop},
    {"Text10", true, &ChatCommands::Mute},      {"Text9", true, &ChatCommands::Unmute},
    {"Text4", true, &ChatCommands::Cpl},        {"Text3", true, &ChatCommands::Min},
    {"Text2", true, &ChatCommands::SongQuery},  {"Text13", true, &ChatCommands::Info},
    {"Text12", false, &ChatCommands::VolumeUp}, {"Text11", false, &ChatCommands::VolumeDown},
    {"Text18", true, &ChatCommands::Ref},
};

Text InformationText(const Text& userName, int entryCount) {
    return L"[Orv Jubo \u00BB Make: 2.1 \u00BB Current User: " + userName +
           L" \u00BB Current Directory: <b>" + std::to_wstring(entryCount) +
           L"</b> files. \u00BB Get it at: <font color=blue><u>" + kWebAddress + L"</u>" + L"]";
}

void ChatCommands::tasp1_aimchatscan(const Text& /*Who*/, const Text& Message, const Text& /*aim_datesaid*/) {
    for (const Command& command : kCommands) {
        bool matches = false;
        Try([&] { matches = Matches(command, Message); });
        if (matches && (this->*command.run)() == Then::StopTesting) {
            return;
        }
    }
}

bool ChatCommands::Matches(const Command& command, const Text& message) {
    // Whole texts, exact and case-sensitive; a change in Form1 counts from the next test on.
    const Text word = t_.Form1.Word(command.wordBox);
    return command.afterTrigger ? message == t_.Form1.Trigger() + word : message == word;
}

void ChatCommands::Reply(const Text& text) {
    Try([&] { t_.chat.ChatSend(text); });
}

Text ChatCommands::NowPlaying() {
    Text text;
    Try([&] { text = NowPlayingText(t_.frmChatSends, t_.Text1); });
    return text;
}

void ChatCommands::ChangeVolume(std::int32_t by) {
    Try([&] {
        const std::int64_t wanted = std::int64_t{t_.MediaPlayer1.Volume()} + by;
        t_.MediaPlayer1.SetVolume(
            static_cast<std::int32_t>(std::clamp<std::int64_t>(wanted, kSilentVolume, kFullVolume)));
    });
}

ChatCommands::Then ChatCommands::End() {
    // Sent whatever "Disable ChatSends" says; then nothing else runs, not even the shutdown's goodbye.
    Reply(kUnloadedAnnouncement);
    t_.process.EndNow();
    std::abort();  // EndNow never comes back; the compiler cannot see that through the virtual call
}

ChatCommands::Then ChatCommands::Clear() {
    Try([&] { t_.chat.ChatClear(); });
    Reply(kChatClearedReply);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Exit() {
    // Replies of later commands of this line find no room, and go nowhere.
    Try([&] { t_.chat.ChatLeave(); });
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Next() {
    bool stepped = true;
    Try([&] { stepped = t_.navigation.Step(kChatNextCommand); });
    return stepped ? Then::Continue : Then::StopTesting;
}

ChatCommands::Then ChatCommands::Prev() {
    bool stepped = true;
    Try([&] { stepped = t_.navigation.Step(kChatPreviousCommand); });
    return stepped ? Then::Continue : Then::StopTesting;
}

ChatCommands::Then ChatCommands::Pause() {
    Try([&] { t_.MediaPlayer1.Pause(); });
    Reply(NowPlaying() + kPausedSuffix);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Res() {
    Try([&] { t_.MediaPlayer1.Play(); });
    Reply(NowPlaying());
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Stop() {
    Try([&] { t_.MediaPlayer1.Stop(); });
    Reply(kMediaStoppedReply);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Mute() {
    Try([&] { t_.MediaPlayer1.SetMute(true); });
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Unmute() {
    Try([&] { t_.MediaPlayer1.SetMute(false); });
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Cpl() {
    // "Clear Playlist" with a capital C in its reply; what plays goes on.
    Try([&] { t_.List1.Clear(); });
    Try([&] { t_.Text1.SetText(Text{}); });
    Reply(kPlaylistClearedReply);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Min() {
    Try([&] {
        if (t_.minimizeToTray) {
            t_.minimizeToTray();
        }
    });
    return Then::Continue;
}

ChatCommands::Then ChatCommands::SongQuery() {
    Reply(NowPlaying());
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Info() {
    Text text;
    Try([&] { text = InformationText(t_.Text3.GetText(), t_.List1.Count()); });
    Reply(text);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::VolumeUp() {
    ChangeVolume(+kVolumeStep);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::VolumeDown() {
    ChangeVolume(-kVolumeStep);
    return Then::Continue;
}

ChatCommands::Then ChatCommands::Ref() {
    // Refresh says "No files were found in specific folder" itself and still sends its count.
    Try([&] {
        if (t_.refresh) {
            t_.refresh();
        }
    });
    return Then::Continue;
}

}  // namespace orv
