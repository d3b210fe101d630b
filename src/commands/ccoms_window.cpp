#include "commands/ccoms_window.h"

#include "shell/ccoms_layout.h"

namespace orv {

namespace {

// "No Trigger" shows whether the trigger is empty: grayed (2) for the empty text, clear (0) for any other,
// a lone blank included.
void UpdateNoTrigger(Form& form) {
    const bool empty = form.TextBoxNamed("Text1").GetText().empty();
    form.CheckBoxNamed("Check1").SetValue(empty ? 2 : 0);
}

}  // namespace

CcomsWindow::CcomsWindow(FormFactory& forms, tasp_aim_chat& tasp1, Chat& chat)
    : tasp1_(tasp1), chat_(chat), Form1_(forms, CcomsWindowSpec(), [this](Form& form) { Form_Load(form); }) {}

void CcomsWindow::Form_Load(Form& form) {
    UpdateNoTrigger(form);
    form.TextBoxNamed("Text1").onChange = [&form] { UpdateNoTrigger(form); };
    // The messages go out whatever "Disable ChatSends" says, and also when the scanner is already in the
    // state chosen: switching on again takes a new snapshot of the room.
    FormOptionButton& enable = form.OptionButtonNamed("Option1");
    enable.onClick = [this, &enable] {
        if (enable.Value()) {
            tasp1_.aimchatscan_on();
            chat_.ChatSend(kCcomsEnabled);
        }
    };
    FormOptionButton& disable = form.OptionButtonNamed("Option2");
    disable.onClick = [this, &disable] {
        if (disable.Value()) {
            tasp1_.aimchatscan_off();
            chat_.ChatSend(kCcomsDisabled);
        }
    };
    // "OK" hides the window and keeps what was entered.
    form.PushButtonNamed("XPButton1").onClick = [&form] { form.Hide(); };
}

}  // namespace orv
