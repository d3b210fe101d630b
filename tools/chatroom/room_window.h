#pragma once
// The stand-in chat room's top-level window: the messenger's window tree (two pane holders with a pane each,
// five icon buttons, the fifth being Send), a readable view of the conversation, and a form for saying
// something as another participant.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "chat_html.h"
#include "irc_link.h"
#include "room_options.h"

namespace chatroom {

class RoomWindow {
  public:
    explicit RoomWindow(RoomOptions options) : options_(std::move(options)) {}
    RoomWindow(const RoomWindow&) = delete;
    RoomWindow& operator=(const RoomWindow&) = delete;
    ~RoomWindow();

    // Registers the classes and creates and shows the window; false when that fails.
    bool Create(HINSTANCE instance, int show);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The top-level window, whose creation makes its children; false when it cannot be made.
    bool MakeWindow();
    void CreateChildren();
    void NameWindowsForTimeline();
    void Layout(int width, int height);
    void OnCommand(int id);
    bool OnCopyData(const COPYDATASTRUCT& data);
    void Stall();
    // Destroys the window and makes it again, with the conversation it had.
    void Recreate();

    void AppendLine(const std::wstring& name, const wchar_t* colour, const std::wstring& message);
    // A line in grey with no sender (joins, parts, the link's state), which the scanner never reports.
    void AppendPlainLine(const std::wstring& text);
    void OnIrcNews(const IrcNews& news);
    void PostEntryAsLocalLine();
    void SayFromForm();
    void ShowConversation();
    void MeasureShownLine(MEASUREITEMSTRUCT& item) const;
    void DrawShownLine(const DRAWITEMSTRUCT& item) const;
    std::wstring TimeOfNewLine() const;

    RoomOptions options_;
    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HWND historyHolder_ = nullptr;
    HWND historyPane_ = nullptr;
    HWND historyView_ = nullptr;
    HWND entryHolder_ = nullptr;
    HWND entryPane_ = nullptr;
    std::vector<HWND> buttons_;
    HWND sayLabel_ = nullptr;
    HWND sayName_ = nullptr;
    HWND sayText_ = nullptr;
    HWND sayButton_ = nullptr;
    HFONT boldFont_ = nullptr;
    std::vector<ShownLine> shownLines_;
    bool recreating_ = false;
    // The link to an IRC channel, with --irc.
    std::unique_ptr<IrcLink> link_;
};

}  // namespace chatroom
