#pragma once
// Modal message boxes and the input box, shown on the user-interface thread.
#include <optional>

#include "platform/text.h"

namespace orv {

enum class MessageIcon { None, Exclamation };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button only.
    virtual void ShowMessage(const Text& text, const Text& title, MessageIcon icon) = 0;
    // An input box with one line of input, OK and Cancel. Cancel (or closing it) yields nothing.
    virtual std::optional<Text> AskText(const Text& prompt, const Text& title) = 0;
};

}  // namespace orv
