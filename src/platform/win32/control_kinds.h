#pragma once
// How each kind of control of the layout data becomes a child window: its window class and styles, and the
// role it has for screen readers. A kind that is not a child window (a line) is painted by the window that
// holds it.
#include <windows.h>

#include <optional>

#include "platform/layout.h"

namespace orv::win32 {

struct ChildWindowClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    // Drawn without the visual style: in the style's look a check box, an option button or a drop-down list
    // takes its text colour from the style and ignores the colours its window gives it (WM_CTLCOLOR*).
    bool withoutVisualStyle = false;
};

// nullopt for kinds that are drawn rather than created.
std::optional<ChildWindowClass> ChildWindowClassOf(const ControlSpec& control);

// The ROLE_SYSTEM_* value of the kind.
LONG ScreenReaderRoleOf(ControlKind kind);

}  // namespace orv::win32
