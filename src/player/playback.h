#pragma once
// Playing the playlist's selected entry, and the direct controls of the engine: pause, resume and mute.
#include <functional>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/media_engine.h"

namespace orv {

class Playback {
  public:
    // The current directory: the path of frmAddDir's Dir1, that window being created on first need.
    using CurrentDirectory = std::function<Text()>;

    // List1 is the playlist, Text1 the now-playing name and Text2 the path last handed to the engine; the
    // messages are frmJubo's.
    Playback(ListBox& List1, TextBox& Text1, TextBox& Text2, MediaEngine& engine,
             CurrentDirectory currentDirectory, Dialogs& dialogs, const Form& frmJubo)
        : List1_(List1),
          Text1_(Text1),
          Text2_(Text2),
          engine_(engine),
          currentDirectory_(std::move(currentDirectory)),
          dialogs_(dialogs),
          frmJubo_(frmJubo) {}

    // Shows the selected entry as the now-playing name and hands its path to the engine (through Text2).
    // With nothing selected there is nothing to load: the fields and the engine stay as they are.
    void LoadSelectedEntry();
    // Loads the selected entry and plays it; with nothing selected empties the now-playing name and says
    // "No file to play".
    // Bound to List1's double-click, the right-click menu's "Play" and the "Play" button.
    void PlaySelectedEntry();

    void Pause() { engine_.Pause(); }
    // Continues the current file (the engine's Play without a new file).
    void Resume() { engine_.Play(); }
    void Mute() { engine_.SetMute(true); }
    void Unmute() { engine_.SetMute(false); }
    // The "Mute" button: the engine alone knows whether it is muted.
    void ToggleMute() { engine_.SetMute(!engine_.Mute()); }

  private:
    ListBox& List1_;
    TextBox& Text1_;
    TextBox& Text2_;
    MediaEngine& engine_;
    CurrentDirectory currentDirectory_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
};

inline const Text kNoFileToPlay = L"No file to play";
inline const Text kErrorTitle = L"Error";

}  // namespace orv
