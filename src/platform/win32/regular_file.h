#pragma once
// Whether a path may be handed to the media engine: only an ordinary file on a drive is, so that a playlist
// entry never makes the player open a device, a pipe, a folder or another machine's share.
#include "platform/text.h"

namespace orv::win32 {

// True for a path that names an existing ordinary file on a drive ("C:\music\song.mp3"). False for a folder;
// for a device, whether named as one ("\\.\PhysicalDrive0", "\\.\pipe\x") or by a reserved name anywhere in
// the path (CON, NUL, COM1, "C:\music\aux.mp3"); for a network path; for a path too long for the system;
// and for a file whose handle the system says is no disk file. Only that last check opens anything, and
// only a name that passed every other one, without asking to read it.
bool IsRegularFile(const Text& path);

}  // namespace orv::win32
