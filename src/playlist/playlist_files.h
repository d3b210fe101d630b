#pragma once
// Saving the playlist as a ".mlt" list in the program's folder ("Save") and appending the entries of a list
// chosen in the Open dialog ("Playlist"). Neither touches playback, the now-playing name or the chat.
#include <cstddef>
#include <vector>

#include "platform/code_page.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace orv {

// How much one playlist takes in from lists. A list box takes about 4.6 microseconds and 150 bytes per
// entry under Wine (4 194 304 entries of a 200 MB list: 19 s and 600 MB, the window not answering
// meanwhile), so a list stops at 200 000 entries (about a second) or at 32 M characters of entries (64 MB),
// whichever comes first; the entries up to there stay.
inline constexpr int kMostPlaylistEntries = 200000;
inline constexpr std::size_t kMostListCharacters = std::size_t{1} << 25;
// What Load says then.
inline constexpr wchar_t kListTooLongForThePlaylist[] =
    L"The list is longer than the playlist can hold: the rest of it was not loaded.";

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
    // opened or read to its end, holds a line longer than any entry can be, or the playlist refused an
    // entry; says kListTooLongForThePlaylist when the playlist reached kMostPlaylistEntries or the list
    // kMostListCharacters. Reading ends there; the entries appended before stay.
    void Load();

  private:
    enum class Appended { All, Full, Failed };
    // All when the whole list went in.
    Appended AppendList(const Text& fileName);
    // Appends the entries, as many as the limits let in, and empties the vector.
    Appended AppendToPlaylist(std::vector<Text>& entries);

    ListBox& List1_;
    Dialogs& dialogs_;
    const Form& frmJubo_;
    Files& files_;
    Folders& folders_;
    const CodePage& codePage_;
    // The characters of the entries the list being loaded has given.
    std::size_t listCharacters_ = 0;
};

}  // namespace orv
