#pragma once
// What a screen reader hears of a control: its role, its name and, for check boxes and option buttons, its
// check mark. The system's own description of a child window (CreateStdAccessibleObject) is kept for
// everything else; under Wine it calls buttons, check boxes, labels and lists alike "client" and names a text
// box only after a label that comes before it in the window order, so the control answers WM_GETOBJECT with
// that description corrected.
#include <windows.h>

#include <string>

namespace orv::win32 {

struct ScreenReaderDescription {
    LONG role = 0;  // a ROLE_SYSTEM_* value
    // A name of its own; when empty, the caption of the label with the control identifier labelId (a sibling)
    // as it reads at the time; when there is none either, the system's name, which is the window text.
    std::wstring name;
    int labelId = 0;
};

// Makes the control describe itself so from now on. Call it right after creating the control, before any
// other subclass: it hands every other message to the procedure of the control's window class.
void DescribeToScreenReaders(HWND control, const ScreenReaderDescription& description);

}  // namespace orv::win32
