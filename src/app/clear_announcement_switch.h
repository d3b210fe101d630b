#pragma once
// The announcement switch while the program has no chat-send settings window: always clear, so the loaded,
// unloaded and now-playing announcements are sent. The "Disable ChatSends" box replaces it.
#include "app/announcement_switch.h"

namespace orv {

class ClearAnnouncementSwitch : public AnnouncementSwitch {
  public:
    bool IsClear() override { return true; }
};

}  // namespace orv
