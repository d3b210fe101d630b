#pragma once
// The icon in the notification area that stands in for the hidden main window (cSysTray1): its tip and
// picture are fixed when it is made; the program only puts it up and takes it down. Its mouse events come
// while it is up.
#include <functional>

#include "platform/form.h"

namespace orv {

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;

    // True puts the icon into the notification area, false takes it out.
    virtual void SetInTray(bool intray) = 0;
    virtual bool InTray() const = 0;

    // A mouse button was released over the icon.
    std::function<void(MouseButton button)> onMouseUp;
    // The left button was double-clicked on the icon.
    std::function<void()> onDoubleClick;
};

}  // namespace orv
