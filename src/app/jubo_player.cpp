#include "app/jubo_player.h"

#include "player/engine_events.h"

namespace orv {

namespace {

// A missing engine stops nothing: the player goes on with one that plays nothing.
MediaEngine& PutEngine(EnginePanels& enginePanels, Form& frmJubo, MediaEngine& noEngine) {
    try {
        return enginePanels.PutEnginePanel(frmJubo, "MediaPlayer1");
    } catch (...) {
        return noEngine;
    }
}

}  // namespace

JuboPlayer::JuboPlayer(Form& frmJubo, FormFactory& forms, EnginePanels& enginePanels, Folders& folders,
                       Dialogs& dialogs, ChatSender& chat, HandlerQueue& later)
    : frmJubo_(frmJubo),
      engine_(PutEngine(enginePanels, frmJubo, noEngine_)),
      list1_(frmJubo.ListBoxNamed("List1")),
      addDir_(forms, frmJubo, folders),
      playback_(
          list1_, frmJubo.TextBoxNamed("Text1"), frmJubo.TextBoxNamed("Text2"), engine_,
          [this] { return addDir_.Dir1Path(); }, dialogs),
      navigation_(list1_, playback_, engine_, dialogs),
      chatSends_(forms, &frmJubo),
      announcer_(chatSends_, frmJubo.TextBoxNamed("Text1"), chat),
      switch_(chatSends_) {
    BindEngineEvents(engine_, later, navigation_, announcer_);
    BindControls();
}

JuboPlayer::~JuboPlayer() {
    engine_.onEndOfStream = nullptr;
    engine_.onNewStream = nullptr;
}

Menu JuboPlayer::mnuListRclick() {
    return {
        .name = "mnuListRclick",
        .items = {
            {.name = "mnuListPlay", .caption = L"Play", .onClick = [this] { playback_.PlaySelectedEntry(); }},
            {.name = "mnuListPause", .caption = L"Pause", .onClick = [this] { playback_.Pause(); }},
            {.name = "mnuRefresh",
             .caption = L"Refresh",
             .onClick =
                 [this] {
                     if (onRefresh) {
                         onRefresh();
                     }
                 }},
        }};
}

void JuboPlayer::BindControls() {
    list1_.onDoubleClick = [this] { playback_.PlaySelectedEntry(); };
    list1_.onMouseDown = [this](MouseButton button) {
        if (button == MouseButton::Right) {
            frmJubo_.PopUpMenu(mnuListRclick());
        }
    };
    const auto onClick = [this](const char* name, std::function<void()> handler) {
        frmJubo_.PushButtonNamed(name).onClick = std::move(handler);
    };
    onClick("XPButton1", [this] { playback_.PlaySelectedEntry(); });
    onClick("XPButton9", [this] { playback_.ToggleMute(); });
    onClick("XPButton8", [this] { navigation_.Step(kNextSongButton); });
    onClick("XPButton10", [this] { navigation_.Step(kPreviousSongButton); });
    onClick("XPButton2", [this] { chatSends_.Show(); });
}

}  // namespace orv
