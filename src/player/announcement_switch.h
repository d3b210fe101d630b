#pragma once
// The "Disable ChatSends" switch: clear means the loaded, unloaded and now-playing announcements are sent.

namespace orv {

class AnnouncementSwitch {
  public:
    virtual ~AnnouncementSwitch() = default;
    virtual bool IsClear() = 0;
};

}  // namespace orv
