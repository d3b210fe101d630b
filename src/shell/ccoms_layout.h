#pragma once
// The chat-command settings window Form1 ("Ccoms") as layout data: the trigger, the seventeen command words
// with their help texts, and the switch that turns the commands on and off.
#include "platform/layout.h"

namespace orv {

WindowSpec CcomsWindowSpec();

}  // namespace orv
