#include <winsock2.h>
#include <ws2tcpip.h>

#include "irc_link.h"

#include <algorithm>

namespace chatroom {

namespace {

constexpr DWORD kFirstPauseMs = 1000;
constexpr DWORD kLongestPauseMs = 60000;
// How often a connection looks for lines to write when nothing arrives.
constexpr long kPollMicroseconds = 100000;

double SecondsNow() {
    return static_cast<double>(GetTickCount64()) / 1000.0;
}

bool SendAll(SOCKET socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const int now = send(socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (now <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(now);
    }
    return true;
}

}  // namespace

IrcLink::IrcLink(IrcTarget target, HWND window, UINT message)
    : target_(std::move(target)),
      window_(window),
      message_(message),
      session_(target_.nick, target_.channel),
      socket_(INVALID_SOCKET),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { Run(); });
}

IrcLink::~IrcLink() {
    SetEvent(stop_);
    {
        // A connect or a read in progress ends when its socket closes; the thread then leaves it alone.
        const std::lock_guard lock(mutex_);
        if (socket_ != INVALID_SOCKET) {
            closesocket(socket_);
            socket_ = INVALID_SOCKET;
        }
    }
    thread_.join();
    CloseHandle(stop_);
}

void IrcLink::Say(const std::vector<std::string>& texts) {
    const std::lock_guard lock(mutex_);
    session_.Say(texts);
}

std::size_t IrcLink::LongestText() {
    const std::lock_guard lock(mutex_);
    return session_.LongestText();
}

void IrcLink::Post(IrcNews news) {
    auto posted = std::make_unique<IrcNews>(std::move(news));
    if (PostMessageW(window_, message_, 0, reinterpret_cast<LPARAM>(posted.get()))) {
        posted.release();  // the window deletes it
    }
}

void IrcLink::CloseOwnSocket(UINT_PTR socket) {
    const std::lock_guard lock(mutex_);
    // The destructor may have closed it already, to end a connect or a read.
    if (socket_ == socket) {
        closesocket(socket);
        socket_ = INVALID_SOCKET;
    }
}

bool IrcLink::WaitForStop(DWORD milliseconds) const {
    return WaitForSingleObject(stop_, milliseconds) == WAIT_OBJECT_0;
}

void IrcLink::Run() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        Post({IrcNews::Kind::Lost, {}, "Winsock did not start"});
        return;
    }
    DWORD pause = kFirstPauseMs;
    while (!WaitForStop(0)) {
        std::string why;
        if (Connection(why)) {
            pause = kFirstPauseMs;
        }
        if (WaitForStop(0)) {
            break;
        }
        Post({IrcNews::Kind::Lost, {}, why + "; trying again in " + std::to_string(pause / 1000) + " s"});
        if (WaitForStop(pause)) {
            break;
        }
        pause = std::min(pause * 2, kLongestPauseMs);
    }
    WSACleanup();
}

bool IrcLink::Connection(std::string& why) {
    const std::string where = target_.host + ":" + target_.port;
    Post({IrcNews::Kind::State, {}, "connecting to " + where});
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (getaddrinfo(target_.host.c_str(), target_.port.c_str(), &hints, &found) != 0 || found == nullptr) {
        why = "no address for " + target_.host;
        return false;
    }
    SOCKET socket = INVALID_SOCKET;
    for (const addrinfo* address = found; address != nullptr && !WaitForStop(0); address = address->ai_next) {
        socket = ::socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (socket == INVALID_SOCKET) {
            continue;
        }
        {
            const std::lock_guard lock(mutex_);
            socket_ = socket;
        }
        if (connect(socket, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0) {
            break;
        }
        CloseOwnSocket(socket);
        socket = INVALID_SOCKET;
    }
    freeaddrinfo(found);
    if (socket == INVALID_SOCKET) {
        why = "cannot connect to " + where;
        return false;
    }

    Post({IrcNews::Kind::State, {}, "registering at " + where});
    {
        const std::lock_guard lock(mutex_);
        session_.Connected(SecondsNow());
    }
    bool joined = false;
    why = "the server closed the connection";
    for (;;) {
        std::vector<std::string> due;
        {
            const std::lock_guard lock(mutex_);
            due = session_.Due(SecondsNow());
        }
        std::string bytes;
        for (const std::string& line : due) {
            bytes += line;
        }
        if (!bytes.empty() && !SendAll(socket, bytes)) {
            why = "the connection broke while writing";
            break;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket, &readable);
        timeval wait{0, kPollMicroseconds};
        const int ready = select(0, &readable, nullptr, nullptr, &wait);
        if (WaitForStop(0)) {
            break;
        }
        if (ready < 0) {
            why = "the connection broke";
            break;
        }
        if (ready == 0) {
            continue;
        }
        char buffer[4096];
        const int read = recv(socket, buffer, sizeof buffer, 0);
        if (read <= 0) {
            break;
        }
        std::vector<IrcEvent> events;
        bool nowJoined = false;
        std::string nick;
        {
            const std::lock_guard lock(mutex_);
            events = session_.Received(std::string_view(buffer, static_cast<std::size_t>(read)));
            nowJoined = session_.Joined();
            nick = session_.Nick();
        }
        for (IrcEvent& event : events) {
            if (event.kind == IrcEvent::Kind::Joined) {
                Post({IrcNews::Kind::State, {}, "in " + target_.channel + " as " + nick});
            }
            Post({IrcNews::Kind::Event, std::move(event), {}});
        }
        joined = joined || nowJoined;
    }
    CloseOwnSocket(socket);
    return joined;
}

}  // namespace chatroom
