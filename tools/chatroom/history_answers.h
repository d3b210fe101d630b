#pragma once
// What the stand-in room's history pane answers another program that reads its text (WM_GETTEXTLENGTH,
// WM_GETTEXT): the conversation the pane holds, with a real NUL wherever a message had one, and as the
// options make it harder to read: pages of earlier conversation before it (--history-bytes), or a text for
// each WM_GETTEXT that is not the one the last WM_GETTEXTLENGTH measured (--change-between-reads).
#include <cstddef>
#include <string>

#include "room_options.h"

namespace chatroom {

// An edit control's text ends at its first NUL: the room keeps a NUL of a message as this character (which
// is also how its view shows it), and the history pane hands it to other programs as the NUL it was.
inline constexpr wchar_t kKeptNul = L'\u2400';

// The message with each NUL kept as kKeptNul.
std::wstring KeepNuls(std::wstring message);

class HistoryAnswers {
  public:
    explicit HistoryAnswers(const RoomOptions& options);

    // What another program's WM_GETTEXTLENGTH is told, for the text the pane holds.
    std::size_t Length(const std::wstring& paneText) const;
    // What another program's WM_GETTEXT gets, for the text the pane holds. With --change-between-reads the
    // reads take turns, as if lines came and went between a program's two messages: the true text, then one
    // with a new line at the end (longer than was measured: a reader that trusts the measure gets it cut
    // short), then one without its oldest line (shorter than measured).
    std::wstring Text(const std::wstring& paneText);
    // Another program emptied or replaced the pane's text: the earlier conversation goes with it.
    void ForgetEarlierConversation() { earlier_.clear(); }

  private:
    std::wstring Shown(const std::wstring& paneText) const;

    // Lines of earlier conversation, made once; shown after the pane's opening "<HTML>".
    std::wstring earlier_;
    bool changeBetweenReads_;
    unsigned reads_ = 0;
};

}  // namespace chatroom
