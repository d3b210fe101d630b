#include "room_clock.h"

#include <windows.h>

#include <cwchar>

namespace chatroom {

std::wstring ClockText(int hour, int minute, int second) {
    const int hourOnDial = hour % 12 == 0 ? 12 : hour % 12;
    wchar_t text[32] = {};
    std::swprintf(text, sizeof text / sizeof text[0], L"%d:%02d:%02d %ls", hourOnDial, minute, second,
                  hour < 12 ? L"AM" : L"PM");
    return text;
}

std::wstring ClockTextNow() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return ClockText(now.wHour, now.wMinute, now.wSecond);
}

}  // namespace chatroom
