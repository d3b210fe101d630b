#pragma once
// The layout of frmChatSends ("Chat Sends").
#include "platform/layout.h"

namespace orv {

WindowSpec ChatSendsWindowSpec();

}  // namespace orv
