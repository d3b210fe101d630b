#include "player/playback.h"

#include "player/entry_path.h"

namespace orv {

void Playback::LoadSelectedEntry() {
    if (List1_.ListIndex() < 0) {
        // Handing the engine the bare directory would only make it try to play a folder.
        return;
    }
    const Text entry = List1_.SelectedText();
    Text1_.SetText(entry);
    Text2_.SetText(EntryPath(currentDirectory_(), entry));
    // The engine always takes its file from Text2.
    engine_.SetFileName(Text2_.GetText());
}

void Playback::PlaySelectedEntry() {
    if (List1_.SelectedText().empty()) {
        // The now-playing line goes blank; the engine keeps its file, as LoadSelectedEntry hands it nothing.
        Text1_.SetText(Text{});
        dialogs_.ShowMessage(&frmJubo_, kNoFileToPlay, kErrorTitle, MessageIcon::None);
        return;
    }
    LoadSelectedEntry();
    engine_.Play();
}

}  // namespace orv
