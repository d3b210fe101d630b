#include "platform/win32/win32_chat_sends_form.h"

#include "player/chat_sends_layout.h"

namespace orv::win32 {

namespace {

// The window is made before its control adapters, which need its child windows.
FormWindow& Created(FormWindow& form, HWND owner) {
    form.Create(ChatSendsWindowSpec(), {.owner = owner});
    return form;
}

}  // namespace

Win32ChatSendsForm::Win32ChatSendsForm(HWND owner)
    : text1_(Created(form_, owner).Control("Text1")),
      text2_(form_.Control("Text2")),
      check1_(form_.Control("Check1")) {
    if (XPButton* ok = form_.Controls().Button("XPButton1")) {
        ok->onClick = [this] {
            if (onOk) {
                onOk();
            }
        };
    }
    form_.onUnload = [this] {
        if (onClosed) {
            onClosed();
        }
    };
    // The end of the session is not the close box: the settings stay, since the main window's shutdown may
    // still read "Disable ChatSends" (owned windows often hear of the end first).
    form_.onSessionEnd = nullptr;
}

bool Win32ChatSendsForm::IsVisible() const {
    return form_.Handle() != nullptr && IsWindowVisible(form_.Handle());
}

}  // namespace orv::win32
