#pragma once
// Form1 ("Ccoms"): the trigger and the seventeen command words that chat lines are matched against, and the
// switch that starts and stops the chat scanner. Made hidden the first time it is shown or read; "OK" hides
// it and keeps its values; its close box discards it, so the next use starts again from the initial values.
#include <string_view>

#include "aim/chat.h"
#include "aim/chat_scanner.h"
#include "platform/form.h"
#include "platform/single_form.h"

namespace orv {

inline const Text kCcomsEnabled = L"Ccoms Enabled";
inline const Text kCcomsDisabled = L"Ccoms Disabled";

class CcomsWindow {
  public:
    // tasp1 is the scanner that the switch starts and stops.
    CcomsWindow(FormFactory& forms, tasp_aim_chat& tasp1, Chat& chat);

    // The trigger (Text1) and a command word (one of Text2 .. Text18), as the boxes hold them now.
    Text Trigger() { return Word("Text1"); }
    Text Word(std::string_view box) { return Form1_.Get().TextBoxNamed(box).GetText(); }

    // The main window's "Ccoms" button (XPButton12): shows the window, making it first if needed.
    void Show() { Form1_.Show(); }
    // The window as those that only show it see it.
    SingleForm& Form1() { return Form1_; }
    bool Exists() const { return Form1_.Exists(); }
    Form& Window() { return Form1_.Get(); }

  private:
    void Form_Load(Form& form);

    tasp_aim_chat& tasp1_;
    Chat& chat_;
    SingleForm Form1_;
};

}  // namespace orv
