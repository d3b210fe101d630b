#pragma once
// A window tree standing in for the messenger: top-level windows in Z-order, each with ordered children.
// Lookups follow FindWindowA/FindWindowExA (class names compared without regard to case, a parent of 0
// searches the top-level windows); every message sent is recorded with its parameters and the chat operation
// it belongs to. A shared event list, when given, also receives each message (see fake_event_list.h).
#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_event_list.h"
#include "platform/chat_windows.h"

namespace orv::testing {

class FakeChatWindows : public ChatWindows {
  public:
    enum class Kind { SetText, GetTextLength, GetText, Close, LeftButtonDown, KeyUp, LeftButtonUp };
    struct Sent {
        WindowHandle target;
        Kind kind;
        std::uintptr_t wParam;
        AnsiText text;  // the text of WM_SETTEXT
        bool reached;   // whether a window with that handle existed
        int operation;  // the number of the outermost chat operation open at the time; 0 outside any
    };

    // Top-level windows are searched in the order they were added (the first is topmost).
    WindowHandle AddTopLevel(const std::string& className) { return Add(0, className); }
    WindowHandle AddChild(WindowHandle parent, const std::string& className) {
        return Add(parent, className);
    }

    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    AnsiText& TextOf(WindowHandle window) { return windows_.at(window).text; }

    // Answers WM_GETTEXTLENGTH of the window with this length instead of its text's, as a hostile window
    // might.
    void AnnounceLength(WindowHandle window, std::size_t length) { announcedLengths_[window] = length; }

    void BeginOperation() override {
        if (openOperations_++ == 0) {
            ++operationsBegun;
        }
    }
    void EndOperation() override { --openOperations_; }

    WindowHandle FindTopLevel(std::string_view className) override { return FindChild(0, 0, className); }

    WindowHandle FindChild(WindowHandle parent, WindowHandle childAfter,
                           std::string_view className) override {
        ++lookups;
        if (parent != 0 && !Exists(parent)) {
            return 0;
        }
        const std::vector<WindowHandle>& siblings = parent == 0 ? topLevel_ : windows_.at(parent).children;
        auto it = siblings.begin();
        if (childAfter != 0) {
            it = std::find(siblings.begin(), siblings.end(), childAfter);
            if (it == siblings.end()) {
                return 0;  // not a child of that parent
            }
            ++it;
        }
        for (; it != siblings.end(); ++it) {
            if (SameClass(windows_.at(*it).className, className)) {
                return *it;
            }
        }
        return 0;
    }

    void SetText(WindowHandle window, const AnsiText& text) override {
        Record(window, Kind::SetText, 0, text);
        if (Exists(window)) {
            windows_.at(window).text = text;
        }
    }

    std::size_t GetTextLength(WindowHandle window) override {
        Record(window, Kind::GetTextLength, 0, {});
        if (!Exists(window)) {
            return 0;
        }
        const auto announced = announcedLengths_.find(window);
        return announced != announcedLengths_.end() ? announced->second : windows_.at(window).text.size();
    }

    AnsiText GetText(WindowHandle window, std::size_t bufferSize) override {
        Record(window, Kind::GetText, bufferSize, {});
        if (!Exists(window) || bufferSize == 0) {
            return {};
        }
        return windows_.at(window).text.substr(0, bufferSize - 1);
    }

    // The room closes its window (and its children go with it).
    void Close(WindowHandle window) override {
        Record(window, Kind::Close, 0, {});
        if (Exists(window)) {
            Destroy(window);
        }
    }

    void SendButtonMessage(WindowHandle window, ButtonMessage message, std::uintptr_t wParam) override {
        const Kind kind = message == ButtonMessage::LeftButtonDown ? Kind::LeftButtonDown
                          : message == ButtonMessage::KeyUp        ? Kind::KeyUp
                                                                   : Kind::LeftButtonUp;
        Record(window, kind, wParam, {});
    }

    // The messages that reached a window (those sent to 0 or to a vanished handle reach none).
    std::vector<Sent> Delivered() const {
        std::vector<Sent> delivered;
        std::copy_if(sent.begin(), sent.end(), std::back_inserter(delivered),
                     [](const Sent& s) { return s.reached; });
        return delivered;
    }
    std::vector<Sent> SentTo(WindowHandle window) const {
        std::vector<Sent> to;
        std::copy_if(sent.begin(), sent.end(), std::back_inserter(to),
                     [window](const Sent& s) { return s.target == window; });
        return to;
    }

    std::vector<Sent> sent;
    std::size_t lookups = 0;
    int operationsBegun = 0;
    FakeEventList* events = nullptr;

  private:
    struct Window {
        std::string className;
        WindowHandle parent = 0;
        std::vector<WindowHandle> children;
        AnsiText text;
    };

    static bool SameClass(const std::string& a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    }

    WindowHandle Add(WindowHandle parent, const std::string& className) {
        const WindowHandle handle = nextHandle_;
        nextHandle_ += 4;  // like real handles: never 0, not consecutive
        windows_[handle] = Window{className, parent, {}, {}};
        (parent == 0 ? topLevel_ : windows_.at(parent).children).push_back(handle);
        return handle;
    }

    void Destroy(WindowHandle window) {
        const Window gone = windows_.at(window);
        for (WindowHandle child : gone.children) {
            Destroy(child);
        }
        auto& siblings = gone.parent == 0 ? topLevel_ : windows_.at(gone.parent).children;
        siblings.erase(std::find(siblings.begin(), siblings.end(), window));
        windows_.erase(window);
    }

    void Record(WindowHandle target, Kind kind, std::uintptr_t wParam, AnsiText text) {
        if (events != nullptr) {
            static const char* const kNames[] = {"WM_SETTEXT",  "WM_GETTEXTLENGTH", "WM_GETTEXT",
                                                 "WM_CLOSE",    "WM_LBUTTONDOWN",   "WM_KEYUP",
                                                 "WM_LBUTTONUP"};
            events->push_back(kNames[static_cast<int>(kind)] + (text.empty() ? "" : " " + text));
        }
        sent.push_back({target, kind, wParam, std::move(text), Exists(target),
                        openOperations_ > 0 ? operationsBegun : 0});
    }

    std::map<WindowHandle, Window> windows_;
    std::map<WindowHandle, std::size_t> announcedLengths_;
    int openOperations_ = 0;
    std::vector<WindowHandle> topLevel_;
    WindowHandle nextHandle_ = 0x10010;
};

// A chat room as the messenger builds it: history pane and entry pane (each an "ate32class" inside a
// "WndAte32Class" frame) and a row of icon buttons, the fifth of which sends.
struct FakeChatRoom {
    WindowHandle room = 0;
    WindowHandle historyFrame = 0;
    WindowHandle history = 0;
    WindowHandle entryFrame = 0;
    WindowHandle entry = 0;
    std::vector<WindowHandle> buttons;
};

inline FakeChatRoom AddChatRoom(FakeChatWindows& windows, int buttonCount = 5) {
    FakeChatRoom r;
    r.room = windows.AddTopLevel("AIM_ChatWnd");
    r.historyFrame = windows.AddChild(r.room, "WndAte32Class");
    r.history = windows.AddChild(r.historyFrame, "Ate32Class");
    windows.AddChild(r.room, "_Oscar_Static");  // other children sit between the ones the program uses
    r.entryFrame = windows.AddChild(r.room, "WndAte32Class");
    r.entry = windows.AddChild(r.entryFrame, "Ate32Class");
    for (int i = 0; i < buttonCount; ++i) {
        r.buttons.push_back(windows.AddChild(r.room, "_Oscar_IconBtn"));
        windows.AddChild(r.room, "_Oscar_Separator");
    }
    return r;
}

}  // namespace orv::testing
