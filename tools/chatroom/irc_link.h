#pragma once
// The socket side of the room's IRC connection. A thread of its own connects (again after a loss, with a
// pause that grows from 1 s to 60 s), reads, and writes what the session says is due; the room's window
// hears of it only through posted messages, so nothing the link does can hold the window.
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "irc_session.h"

namespace chatroom {

// What the link tells the window: lParam of the posted message points to one, which the window deletes.
struct IrcNews {
    enum class Kind {
        Event,  // something for the pane
        State,  // a new state for the title ("connecting to ...", "in #room as Nick")
        Lost,   // the connection is gone (or could not be made); the text says why and when it tries again
    };
    Kind kind;
    IrcEvent event;
    std::string text;  // State and Lost: UTF-8
};

struct IrcTarget {
    std::string host;
    std::string port = "6667";
    std::string channel;
    std::string nick;
};

class IrcLink {
  public:
    // Starts connecting; news goes to the window as `message`.
    IrcLink(IrcTarget target, HWND window, UINT message);
    ~IrcLink();
    IrcLink(const IrcLink&) = delete;
    IrcLink& operator=(const IrcLink&) = delete;

    // Queues message texts for the channel (any thread).
    void Say(const std::vector<std::string>& texts);
    // The longest message text one PRIVMSG carries.
    std::size_t LongestText();

  private:
    void Run();
    // One connection, from connecting to its loss (why says what ended it); true when the room had joined
    // the channel.
    bool Connection(std::string& why);
    void Post(IrcNews news);
    void CloseOwnSocket(UINT_PTR socket);
    bool WaitForStop(DWORD milliseconds) const;

    IrcTarget target_;
    HWND window_;
    UINT message_;
    std::mutex mutex_;  // guards session_ and socket_
    IrcSession session_;
    UINT_PTR socket_;
    HANDLE stop_;
    std::thread thread_;
};

}  // namespace chatroom
