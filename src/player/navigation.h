#pragma once
// Moving through the playlist: "Next Song", "Previous Song" (tray menu, buttons, chat commands) and playing
// on when a song has played to its end.
#include <cstdint>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/media_engine.h"
#include "player/playback.h"

namespace orv {

// What a caller of StepSelection tells the user when the playlist is empty.
enum class EmptyPlaylistResponse {
    NoFileToPlay,  // "No file to play"
    NoFilesFound,  // "No files found."
    Silent,
};

struct StepCommand {
    int direction;  // +1 next, -1 previous
    EmptyPlaylistResponse emptyPlaylistResponse;
};

// The callers of StepSelection and how each answers an empty playlist.
inline constexpr StepCommand kTrayNextSong{+1, EmptyPlaylistResponse::NoFileToPlay};      // mnuNextSong
inline constexpr StepCommand kTrayPreviousSong{-1, EmptyPlaylistResponse::NoFileToPlay};  // mnuPrevious
inline constexpr StepCommand kNextSongButton{+1, EmptyPlaylistResponse::NoFilesFound};    // XPButton8
inline constexpr StepCommand kPreviousSongButton{-1, EmptyPlaylistResponse::Silent};      // XPButton10
inline constexpr StepCommand kChatNextCommand{+1, EmptyPlaylistResponse::NoFilesFound};
inline constexpr StepCommand kChatPreviousCommand{-1, EmptyPlaylistResponse::NoFilesFound};

inline const Text kNoFilesFound = L"No files found.";

class Navigation {
  public:
    // The messages are frmJubo's.
    Navigation(ListBox& List1, Playback& playback, MediaEngine& engine, Dialogs& dialogs, const Form& frmJubo)
        : List1_(List1), playback_(playback), engine_(engine), dialogs_(dialogs), frmJubo_(frmJubo) {}

    // Moves the selection one entry in the direction and plays that entry. The ends hold: next on the last
    // entry and previous on the first play that entry again; with no selection both start at the first entry.
    // An empty playlist gets the caller's response and nothing else happens; then the result is false.
    bool StepSelection(int direction, EmptyPlaylistResponse emptyPlaylistResponse);
    bool Step(StepCommand command) { return StepSelection(command.direction, command.emptyPlaylistResponse); }

    // The engine's end-of-stream event (the result code is not used): plays the next entry whose file opens,
    // trying each following entry once; stops after the last entry or when the playlist is empty.
    void MediaPlayer1_EndOfStream(std::int32_t result);

  private:
    void Respond(EmptyPlaylistResponse response);

    ListBox& List1_;
    Playback& playback_;
    MediaEngine& engine_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
};

}  // namespace orv
