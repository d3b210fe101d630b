#pragma once
// The tray icon in memory: whether it is up, and the user's clicks on it.
#include "fakes/fake_event_list.h"
#include "platform/tray_icon.h"

namespace orv::testing {

class FakeTrayIcon : public TrayIcon {
  public:
    // Each change is noted in the list, when there is one, as "intray true" or "intray false".
    explicit FakeTrayIcon(FakeEventList* events = nullptr) : events_(events) {}

    void SetInTray(bool value) override {
        intray = value;
        if (events_ != nullptr) {
            events_->push_back(value ? "intray true" : "intray false");
        }
    }
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

  private:
    FakeEventList* events_;
};

}  // namespace orv::testing
