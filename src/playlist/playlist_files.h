#pragma once
// Saving the playlist as a ".mlt" list in the program's folder ("Save") and appending the entries of a list
// chosen in the Open dialog ("Playlist"). Neither touches playback, the now-playing name or the chat.
#include <vector>

#include "platform/code_page.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace orv {

class PlaylistFiles {
  public:
    // The dialogs are frmJubo's.
    PlaylistFiles(ListBox& List1, Dialogs& dialogs, const Form& frmJubo, Files& files, Folders& folders,
                  const CodePage& codePage)
        : List1_(List1),
          dialogs_(dialogs),
          frmJubo_(frmJubo),
          files_(files),
          folders_(folders),
          codePage_(codePage) {}

    // Asks for the list's name and writes the playlist to that name + ".mlt", replacing a list of that name
    // only once the new one is complete. Cancel saves nothing; a name that cannot be a file name there is
    // refused, and so is a failed write, each with a message.
    void Save();
    // Appends the chosen list's entries as they are read. Says "File Not Found" when the list cannot be
    // opened or read to its end, holds a line longer than any entry can be, or is more than the playlist can
    // hold; the entries appended before that stay.
    void Load();

  private:
    // False at the first failure.
    bool AppendList(const Text& fileName);
    // Appends the entries and empties the vector; false when the playlist did not take them all.
    bool AppendToPlaylist(std::vector<Text>& entries);

    ListBox& List1_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
    Files& files_;
    Folders& folders_;
    const CodePage& codePage_;
};

}  // namespace orv
