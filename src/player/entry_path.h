#pragma once
// How a playlist entry becomes the path handed to the media engine.
#include "platform/text.h"

namespace orv {

// True for an entry that names its own location on a drive: a drive letter followed by ":\" ("D:\x.mp3").
// Nothing else counts, so a network path ("\\server\share\x.mp3") in a playlist someone else wrote is
// joined to the current directory and names no file, rather than making the player contact that machine.
bool IsFullPath(const Text& entry);

// The current directory, "\" and the entry, joined as they are: a drive root such as "C:\" gives
// "C:\\song.mp3". An entry that is already a full path is its own path.
Text EntryPath(const Text& currentDirectory, const Text& entry);

}  // namespace orv
