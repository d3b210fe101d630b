#pragma once
// The tray icon in memory: whether it is up, a shell that refuses it, and the user's clicks on it.
#include <string>

#include "fakes/fake_event_list.h"
#include "platform/tray_icon.h"

namespace orv::testing {

class FakeTrayIcon : public TrayIcon {
  public:
    // Each change is noted in the list, when there is one, as "intray true" or "intray false", a refused
    // icon as "intray refused" and a wait as "wait 250".
    explicit FakeTrayIcon(FakeEventList* events = nullptr) : events_(events) {}

    bool SetInTray(bool value) override {
        if (value && refusals > 0) {
            --refusals;
            Note("intray refused");
            return false;
        }
        intray = value;
        Note(value ? "intray true" : "intray false");
        return intray;
    }
    void WaitForShell(unsigned ms) override { Note("wait " + std::to_string(ms)); }
    bool InTray() const override { return intray; }

    // The user's part; a click on an icon that is not up reaches nothing.
    void Release(MouseButton button) {
        if (intray && onMouseUp) {
            onMouseUp(button);
        }
    }
    void DoubleClick() {
        if (intray && onDoubleClick) {
            onDoubleClick();
        }
    }

    bool intray = false;
    // The shell refuses to put the icon up this many more times.
    int refusals = 0;

  private:
    void Note(const std::string& event) {
        if (events_ != nullptr) {
            events_->push_back(event);
        }
    }

    FakeEventList* events_;
};

}  // namespace orv::testing
