#pragma once
// The controls of a Win32Form as the portable control interfaces: each reaches its child window (or, for a
// line, its layout data) through the window's FormControls by name.
#include <memory>

#include "platform/form.h"
#include "platform/win32/form_window.h"

namespace orv::win32 {

// The portable control of the named control of the window's layout, with its events bound to the window.
std::unique_ptr<FormControl> MakeFormControl(FormWindow& window, const ControlSpec& control);

}  // namespace orv::win32
