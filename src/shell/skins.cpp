#include "shell/skins.h"

#include <iterator>
#include <string>

#include "platform/exception_barrier.h"
#include "shell/skins_layout.h"

namespace orv {

namespace {

// The entries of Form3's List1 that choose a scheme; the header and the empty spacer lines choose none.
struct Scheme {
    int listIndex;
    std::uint32_t accentRgb;  // also the hue of the scheme's picture
    bool startUp = false;     // every target takes its start-up colour instead of the accent
};

// Text is the fore colour (a push button's caption); Face is the back colour (a push button's face).
struct Target {
    enum Property { Text, Face };
    SkinWindow SkinTargets::*window;
    const char* control;
    Property property;
};

// Green and Yellow were stored as the values -256 and -1, which are no colours at all; they get the colours
// their names promise.
const Scheme kSchemes[] = {
    {.listIndex = 2, .accentRgb = kStartUpSkinAccent, .startUp = true},  // "-- Black & Red (default) --"
    {.listIndex = 4, .accentRgb = 0x0000C0},                             // "-- Black & Blue --"
    {.listIndex = 6, .accentRgb = 0x00C000},                             // "-- Black & Green --"
    {.listIndex = 8, .accentRgb = 0xC04000},                             // "-- Black & Orange --"
    {.listIndex = 10, .accentRgb = 0xFFFF00},                            // "-- Black & Yellow --"
    {.listIndex = 12, .accentRgb = 0xFF00FF},                            // "-- Black & Purple --"
};

// In the order they change: frmJubo's, then (after the engine's display) the other windows'.
const Target kMainWindowTargets[] = {
    {&SkinTargets::frmJubo, "List1", Target::Text},      {&SkinTargets::frmJubo, "Text1", Target::Text},
    {&SkinTargets::frmJubo, "Line1", Target::Text},      {&SkinTargets::frmJubo, "Line2", Target::Text},
    {&SkinTargets::frmJubo, "Line3", Target::Text},      {&SkinTargets::frmJubo, "Line4", Target::Text},
    {&SkinTargets::frmJubo, "Line5", Target::Text},      {&SkinTargets::frmJubo, "Label1", Target::Text},
    {&SkinTargets::frmJubo, "XPButton1", Target::Face},  {&SkinTargets::frmJubo, "XPButton6", Target::Face},
    {&SkinTargets::frmJubo, "XPButton5", Target::Face},  {&SkinTargets::frmJubo, "XPButton4", Target::Face},
    {&SkinTargets::frmJubo, "XPButton3", Target::Face},  {&SkinTargets::frmJubo, "XPButton9", Target::Face},
    {&SkinTargets::frmJubo, "XPButton8", Target::Face},  {&SkinTargets::frmJubo, "XPButton10", Target::Face},
    {&SkinTargets::frmJubo, "XPButton13", Target::Face}, {&SkinTargets::frmJubo, "XPButton7", Target::Face},
    {&SkinTargets::frmJubo, "XPButton12", Target::Face}, {&SkinTargets::frmJubo, "XPButton2", Target::Face},
};

// The buttons of frmAddDir and frmChatSends keep their grey faces; only their captions take the accent.
const Target kOtherWindowTargets[] = {
    {&SkinTargets::frmAddDir, "Drive1", Target::Text},
    {&SkinTargets::frmAddDir, "Dir1", Target::Text},
    {&SkinTargets::frmAddDir, "File1", Target::Text},
    {&SkinTargets::frmAddDir, "XPButton1", Target::Text},
    {&SkinTargets::frmAddDir, "XPButton2", Target::Text},
    {&SkinTargets::frmChatSends, "Label1", Target::Text},
    {&SkinTargets::frmChatSends, "Label2", Target::Text},
    {&SkinTargets::frmChatSends, "Check1", Target::Text},
    {&SkinTargets::frmChatSends, "XPButton1", Target::Text},
    {&SkinTargets::Form2, "Label1", Target::Text},
    {&SkinTargets::Form2, "Label2", Target::Text},
    {&SkinTargets::Form2, "Label3", Target::Text},
    {&SkinTargets::Form2, "Label4", Target::Text},
    {&SkinTargets::Form2, "Label5", Target::Text},
};

// Each assignment of a scheme stands on its own: one that fails is left out and the scheme goes on.
void Paint(const Scheme& scheme, const Target& target, const SkinTargets& targets) {
    RunBehindBarrier([&] {
        const SkinWindow& window = targets.*target.window;
        OleColour colour = OleColour::Hex(scheme.accentRgb);
        if (scheme.startUp) {
            const ControlSpec* startUp = window.layout.Find(target.control);
            if (startUp == nullptr) {
                throw FormError(window.layout.name + " has no control " + target.control);
            }
            colour = target.property == Target::Text ? startUp->fore : startUp->back;
        }
        FormControl& control = window.get().ControlNamed(target.control);
        if (target.property == Target::Text) {
            control.SetForeColour(colour);
        } else {
            control.SetBackColour(colour);
        }
    });
}

void Apply(const Scheme& scheme, const SkinTargets& targets, SkinPictures& pictures) {
    RunBehindBarrier([&] { targets.frmJubo.get().SetBackPicture(pictures.Of(scheme.accentRgb)); });
    for (const Target& target : kMainWindowTargets) {
        Paint(scheme, target, targets);
    }
    RunBehindBarrier([&] {
        targets.MediaPlayer1.SetDisplayColour(scheme.startUp ? MediaEngine::kDisplayColourAtStart
                                                             : OleColour::Hex(scheme.accentRgb));
    });
    for (const Target& target : kOtherWindowTargets) {
        Paint(scheme, target, targets);
    }
}

}  // namespace

SkinChooser::SkinChooser(FormFactory& forms, SkinTargets targets, SkinPictures& pictures)
    : targets_(std::move(targets)), pictures_(pictures), form3_(forms, SkinsWindowSpec(), [this](Form& form) {
          // Double-clicking an entry has selected it first.
          form.ListBoxNamed("List1").onDoubleClick = [this] { ApplySkin(); };
          form.PushButtonNamed("XPButton7").onClick = [this] { ApplySkin(); };
      }) {}

void SkinChooser::ApplySkin() {
    const int index = SelectedIndex();
    for (const Scheme& scheme : kSchemes) {
        if (scheme.listIndex == index) {
            Apply(scheme, targets_, pictures_);
        }
    }
    // Called from the chooser's own handlers: the chooser is discarded now and destroyed at its next use.
    form3_.Unload();
}

int SkinChooser::SelectedIndex() {
    int index = -1;
    RunBehindBarrier([&] { index = form3_.Get().ListBoxNamed("List1").ListIndex(); });
    return index;
}

}  // namespace orv
