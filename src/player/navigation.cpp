#include "player/navigation.h"

#include <algorithm>

namespace orv {

bool Navigation::StepSelection(int direction, EmptyPlaylistResponse emptyPlaylistResponse) {
    const int count = List1_.Count();
    if (count < 1) {
        Respond(emptyPlaylistResponse);
        return false;
    }
    const int current = List1_.ListIndex();
    // Stepping off either end would leave no entry (or a folder) to play: hold at the end instead.
    const int target = current < 0 ? 0 : std::clamp(current + direction, 0, count - 1);
    List1_.SetListIndex(target);
    playback_.LoadSelectedEntry();
    engine_.Play();
    return true;
}

void Navigation::MediaPlayer1_EndOfStream(std::int32_t /*result*/) {
    // Forward only, so each entry is tried at most once and a list of missing files cannot loop.
    const int count = List1_.Count();
    for (int next = List1_.ListIndex() + 1; next < count; ++next) {
        if (!List1_.SetListIndex(next)) {
            return;
        }
        playback_.LoadSelectedEntry();
        if (engine_.HasOpenFile()) {
            engine_.Play();
            return;
        }
    }
}

void Navigation::Respond(EmptyPlaylistResponse response) {
    switch (response) {
        case EmptyPlaylistResponse::NoFileToPlay:
            dialogs_.ShowMessage(&frmJubo_, kNoFileToPlay, kErrorTitle, MessageIcon::None);
            break;
        case EmptyPlaylistResponse::NoFilesFound:
            dialogs_.ShowMessage(&frmJubo_, kNoFilesFound, kErrorTitle, MessageIcon::None);
            break;
        case EmptyPlaylistResponse::Silent:
            break;
    }
}

}  // namespace orv
