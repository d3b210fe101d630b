#pragma once
// The time texts of the room's lines, as the messenger writes them: "8:15:02 PM".
#include <string>

namespace chatroom {

// hour 0-23; the hour has no leading zero, minutes and seconds two digits, then " AM" or " PM".
std::wstring ClockText(int hour, int minute, int second);
// The local time now, as ClockText.
std::wstring ClockTextNow();

}  // namespace chatroom
