#pragma once
// Texts of the program that more than one part sends into the chat room.
#include "platform/text.h"

namespace orv {

// The product's web address, named in the loaded announcement and in the information reply.
inline const Text kWebAddress = L"orvjubo.net";
// The goodbye, sent when the program is closed and by the "End" chat command.
inline const Text kUnloadedAnnouncement = L"Orv Jubo - Unloaded.";

}  // namespace orv
