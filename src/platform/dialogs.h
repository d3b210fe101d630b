#pragma once
// Modal message boxes, the input box and the Open dialog, shown on the user-interface thread. Each is owned
// by the window it belongs to, which it holds while it is open; with no owner it stands alone.
#include <optional>

#include "platform/text.h"

namespace orv {

class Form;

enum class MessageIcon { None, Exclamation };

// An Open dialog: its title, its option flags (OFN_* values) and its filter, "label|pattern" pairs joined
// with "|". It starts with an empty file name and the first filter chosen.
// OFN_SHAREAWARE, the option the program's Open dialogs use: a file that another program holds open can be
// chosen without a sharing warning. With no other option the dialog takes one file, which need not exist.
constexpr unsigned kShareAware = 16384;

struct OpenFileRequest {
    Text title;
    unsigned flags = 0;
    Text filter;
};

// What the Open dialog gives back: the chosen file's full path and its bare name; both empty on cancel.
struct OpenFileChoice {
    Text fileName;
    Text fileTitle;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box with an OK button only.
    virtual void ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) = 0;
    // An input box with one line of input, OK and Cancel. Cancel (or closing it) yields nothing.
    virtual std::optional<Text> AskText(const Form* owner, const Text& prompt, const Text& title) = 0;
    // A modal Open dialog.
    virtual OpenFileChoice AskOpenFile(const Form* owner, const OpenFileRequest& request) = 0;
};

}  // namespace orv
