#pragma once
// The skin chooser Form3 and the colour schemes it applies. A scheme gives frmJubo its picture as the
// background and gives its accent colour to the text, lines and buttons that carry the accent on frmJubo,
// on the engine's display, on frmAddDir, frmChatSends and Form2. "-- Black & Red (default) --" gives every
// one of them back its start-up colour and picture. No scheme is recorded: it lives in the colours alone, so
// a window made afresh starts red again. The chooser is unloaded after every use and so always opens afresh,
// with no entry selected.
#include <functional>

#include "platform/form.h"
#include "platform/media_engine.h"
#include "platform/single_form.h"
#include "shell/skin_pictures.h"

namespace orv {

// A window that a scheme recolours and the layout it is made from, whose colours are the start-up ones.
struct SkinWindow {
    std::function<Form&()> get;  // the window, made hidden if it does not exist
    WindowSpec layout;
};

struct SkinTargets {
    SkinWindow frmJubo;
    MediaEngine& MediaPlayer1;  // its display text
    SkinWindow frmAddDir;
    SkinWindow frmChatSends;
    SkinWindow Form2;
};

class SkinChooser {
  public:
    // The pictures must outlive this.
    SkinChooser(FormFactory& forms, SkinTargets targets, SkinPictures& pictures);

    // frmJubo's "Skins" button and the tray menu's "Skins": shows the chooser, not modal.
    void Show() { form3_.Show(); }
    // Applies the scheme of the chooser's selected entry, if it has one, and unloads the chooser in every
    // case. A target that fails to take its colour keeps what it had; the others still change.
    void ApplySkin();
    bool Exists() const { return form3_.Exists(); }
    // The chooser, made hidden if it does not exist.
    Form& Window() { return form3_.Get(); }

  private:
    int SelectedIndex();

    SkinTargets targets_;
    SkinPictures& pictures_;
    SingleForm form3_;
};

}  // namespace orv
