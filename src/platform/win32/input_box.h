#pragma once
// The modal input box: a prompt, one line of input, "OK" and "Cancel". It runs its own message loop and keeps
// its owner disabled while it is up. OK yields the typed text; Cancel, Escape or the close box yield nothing.
#include <windows.h>

#include <optional>

#include "platform/layout.h"
#include "platform/text.h"

namespace orv::win32 {

// The layout of the input box with the given prompt and title.
WindowSpec InputBoxSpec(const Text& prompt, const Text& title);

std::optional<Text> RunInputBox(HWND owner, const Text& prompt, const Text& title);

}  // namespace orv::win32
