#pragma once
// The icon in the notification area that stands in for the hidden main window (cSysTray1): its tip and
// picture are fixed when it is made; the program only puts it up and takes it down. The shell may refuse
// the icon (while it is starting, busy or absent). Its mouse events come while it is up.
#include <functional>

#include "platform/form.h"

namespace orv {

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;

    // True puts the icon into the notification area, in one try; false takes it out. Returns whether the
    // icon is up now: false also when the shell refused it.
    virtual bool SetInTray(bool intray) = 0;
    virtual bool InTray() const = 0;
    // Waits that long before another try, for a shell that is starting or busy. Nothing of the program runs
    // meanwhile.
    virtual void WaitForShell(unsigned ms) = 0;

    // A mouse button was released over the icon.
    std::function<void(MouseButton button)> onMouseUp;
    // The left button was double-clicked on the icon.
    std::function<void()> onDoubleClick;
};

}  // namespace orv
