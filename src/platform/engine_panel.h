#pragma once
// The media engine comes with a panel of its own (display, seek bar, buttons), an outside control that the
// platform puts on a window in the place of one of its panel controls.
#include <string_view>

#include "platform/form.h"
#include "platform/media_engine.h"

namespace orv {

class EnginePanels {
  public:
    virtual ~EnginePanels() = default;
    // Puts the engine's panel in the place of the window's panel control of that name and returns its engine,
    // which lives as long as this object.
    virtual MediaEngine& PutEnginePanel(Form& form, std::string_view panelName) = 0;
};

}  // namespace orv
