#pragma once
// The chat scanner: polls the chat room every 500 ms and reports each new line whose markup sets the red
// font colour, cut into the sender, the message and the time of the line.
#include <functional>

#include "aim/chat.h"
#include "platform/timer.h"

namespace orv {

constexpr unsigned kChatScanPeriodMs = 500;
// The screen name that the test entry vag reports.
inline const Text kTestScreenName = L"vag";

class tasp_aim_chat {
public:
    tasp_aim_chat(Chat& chat, UiTimer& chat_tymer) : chat_(chat), chat_tymer_(chat_tymer) {}

    void aimchatscan_on();
    void aimchatscan_off();
    void vag(Text stuff);

    // Raised from within a tick (or vag); the handler runs to its end before the tick goes on.
    std::function<void(Text& Who, Text& Message, Text& aim_datesaid)> aimchatscan;

    // One timer tick; public so that the tick can be driven without waiting for the timer.
    void Tick();

    const Text& oldlastlyne() const { return oldlastlyne_; }
    const Text& newlastlyne() const { return newlastlyne_; }
    const Text& fyrsttalk() const { return fyrsttalk_; }

private:
    void Raise(Text who, Text message, Text datesaid);

    Chat& chat_;
    UiTimer& chat_tymer_;
    Text oldlastlyne_;
    Text newlastlyne_;
    Text fyrsttalk_;
};

}  // namespace orv
