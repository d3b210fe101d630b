#include "platform/win32/jubo_player.h"

#include <commctrl.h>

#include "platform/win32/exception_barrier.h"
#include "player/engine_events.h"

namespace orv::win32 {

namespace {

constexpr UINT_PTR kList1SubclassId = 0x4C31;  // "L1"

// The engine's panel, made where the layout places MediaPlayer1 and then put in its place.
std::unique_ptr<MediaPlayerPanel> MakeMediaPlayer1(FormWindow& frmJubo) {
    const HWND standIn = frmJubo.Control("MediaPlayer1");
    RECT bounds{};
    int controlId = 0;
    if (standIn != nullptr) {
        GetWindowRect(standIn, &bounds);
        MapWindowPoints(HWND_DESKTOP, frmJubo.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        controlId = GetDlgCtrlID(standIn);
    }
    auto panel = std::make_unique<MediaPlayerPanel>(frmJubo.Handle(), bounds, controlId);
    if (panel->Handle() != nullptr) {
        frmJubo.Controls().Adopt("MediaPlayer1", panel->Handle());
    }
    return panel;
}

HMENU MakeListMenu() {
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, mnuListPlay, L"Play");
    AppendMenuW(menu, MF_STRING, mnuListPause, L"Pause");
    return menu;
}

}  // namespace

JuboPlayer::JuboPlayer(FormWindow& frmJubo, Dialogs& dialogs, ChatSender& chat)
    : frmJubo_(frmJubo),
      addDir_(frmJubo.Handle()),
      panel_(MakeMediaPlayer1(frmJubo)),
      engine_(panel_->HasEngine() ? static_cast<MediaEngine&>(panel_->Engine()) : noEngine_),
      list1_(frmJubo.Control("List1")),
      text1_(frmJubo.Control("Text1")),
      text2_(frmJubo.Control("Text2")),
      playback_(
          list1_, text1_, text2_, engine_, [this] { return addDir_.Dir1Path(); }, dialogs),
      navigation_(list1_, playback_, engine_, dialogs),
      chatSendsForms_(frmJubo.Handle()),
      chatSends_(chatSendsForms_),
      announcer_(chatSends_, text1_, chat),
      switch_(chatSends_),
      listMenu_(MakeListMenu()) {
    BindEngineEvents(engine_, engineEvents_, navigation_, announcer_);
    BindControls();
}

JuboPlayer::~JuboPlayer() {
    if (const HWND list1 = frmJubo_.Control("List1")) {
        RemoveWindowSubclass(list1, &JuboPlayer::List1Procedure, kList1SubclassId);
    }
    engine_.onEndOfStream = nullptr;
    engine_.onNewStream = nullptr;
    DestroyMenu(listMenu_);
}

void JuboPlayer::CloseEngine() {
    if (panel_->HasEngine()) {
        panel_->Engine().Close();
    }
}

void JuboPlayer::BindControls() {
    FormControls& controls = frmJubo_.Controls();
    controls.OnCommand("List1", [this](int notifyCode) {
        if (notifyCode == LBN_DBLCLK) {
            playback_.PlaySelectedEntry();
        }
    });
    if (const HWND list1 = frmJubo_.Control("List1")) {
        SetWindowSubclass(list1, &JuboPlayer::List1Procedure, kList1SubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    frmJubo_.OnMenuCommand(mnuListPlay, [this] { playback_.PlaySelectedEntry(); });
    frmJubo_.OnMenuCommand(mnuListPause, [this] { playback_.Pause(); });

    const auto onClick = [&controls](const char* name, std::function<void()> handler) {
        if (XPButton* button = controls.Button(name)) {
            button->onClick = std::move(handler);
        }
    };
    onClick("XPButton1", [this] { playback_.PlaySelectedEntry(); });
    onClick("XPButton9", [this] { playback_.ToggleMute(); });
    onClick("XPButton8", [this] { navigation_.Step(kNextSongButton); });
    onClick("XPButton10", [this] { navigation_.Step(kPreviousSongButton); });
    onClick("XPButton2", [this] { chatSends_.Show(); });
}

void JuboPlayer::ShowListMenu(POINT clientPoint) {
    POINT screen = clientPoint;
    ClientToScreen(frmJubo_.Control("List1"), &screen);
    // The chosen item comes back to frmJubo as a menu command.
    TrackPopupMenuEx(listMenu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                     frmJubo_.Handle(), nullptr);
}

LRESULT CALLBACK JuboPlayer::List1Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &JuboPlayer::List1Procedure, id);
    }
    if (message == WM_RBUTTONDOWN) {
        // The right button opens the menu and leaves the selection as it was.
        RunBehindBarrier([&] {
            reinterpret_cast<JuboPlayer*>(self)->ShowListMenu(
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        });
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace orv::win32
