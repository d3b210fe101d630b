#include "app/jubo_player.h"

#include "platform/exception_barrier.h"
#include "player/engine_events.h"

namespace orv {

namespace {

// A missing engine stops nothing: the player goes on with one that plays nothing.
MediaEngine& PutEngine(EnginePanels& enginePanels, Form& frmJubo, MediaEngine& noEngine) {
    MediaEngine* engine = &noEngine;
    RunBehindBarrier([&] { engine = &enginePanels.PutEnginePanel(frmJubo, "MediaPlayer1"); });
    return *engine;
}

}  // namespace

JuboPlayer::JuboPlayer(Form& frmJubo, FormFactory& forms, EnginePanels& enginePanels, Folders& folders,
                       Dialogs& dialogs, ChatSender& chat, HandlerQueue& later)
    : frmJubo_(frmJubo),
      engine_(PutEngine(enginePanels, frmJubo, noEngine_)),
      list1_(frmJubo.ListBoxNamed("List1")),
      addDir_(forms, folders),
      playback_(
          list1_, frmJubo.TextBoxNamed("Text1"), frmJubo.TextBoxNamed("Text2"), engine_,
          [this] { return addDir_.Dir1Path(); }, dialogs, frmJubo),
      navigation_(list1_, playback_, engine_, dialogs, frmJubo),
      chatSends_(forms),
      announcer_(chatSends_, frmJubo.TextBoxNamed("Text1"), chat),
      switch_(chatSends_) {
    BindEngineEvents(engine_, later, navigation_, announcer_);
    BindControls();
}

JuboPlayer::~JuboPlayer() {
    engine_.onEndOfStream = nullptr;
    engine_.onNewStream = nullptr;
}

void JuboPlayer::BindControls() {
    list1_.onDoubleClick = [this] { playback_.PlaySelectedEntry(); };
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
