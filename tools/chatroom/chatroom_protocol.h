#pragma once
// What other programs (tests, the room's own --say mode) may rely on in the stand-in chat room, which takes
// the place of the messenger's chat-room window when no messenger is at hand.
//
// "Say as NAME: TEXT" by WM_COPYDATA, sent to the room's top-level window:
//   dwData = kSayAsCopyDataCode;
//   lpData = UTF-16 code units: the screen name, one zero code unit, then the message (no final zero needed);
//   cbData = the byte count of lpData (even).
// The room appends the line in the red colour of other participants and answers TRUE; anything else (another
// code, a payload without the separating zero, an empty name) is refused with FALSE and changes nothing.
//
// Pressing an icon button. The messenger's buttons take exactly one press from another program:
// WM_LBUTTONDOWN (wParam 0, lParam 0), WM_KEYUP (wParam VK_SPACE, lParam 0), WM_LBUTTONUP (wParam 0, lParam
// 0), in this order, each sent (SendMessage or SendMessageTimeout, not posted, not SendNotifyMessage).
// Anything else from outside on the button (another order, a posted message, WM_KEYDOWN, other values) ends a
// press under way without a click. A person's mouse click counts too: a button down from the queue that
// carries MK_LBUTTON, then the button up over the button. Only the fifth button, Send, posts the entry's
// text.
//
// kPressCountMessage, sent to one of the room's "_oscar_iconbtn" buttons (wParam 0, lParam 0), answers how
// many times that button has been pressed in one of these two ways.
//
// kRecreateWindowMessage, posted or sent to the room's top-level window (lParam 0): the room destroys its
// window with all its children and makes them again, as a messenger that reopens its chat-room window; the
// conversation is kept, every handle is new. wParam 0: at once. kRecreateAtNextRead: in the middle of the
// next read of the conversation by another program, just after the history pane has answered its
// WM_GETTEXTLENGTH, so that the WM_GETTEXT that follows finds the pane gone.
//
// A NUL in a message (WM_COPYDATA above can carry one) is kept in the conversation: the history pane gives it
// to other programs that read the pane (WM_GETTEXT) as a NUL, and the room's view shows it as U+2400.
//
// The timeline (--timeline FILE): one line, ended by CR LF, for each message that reached the room's windows
// from outside and may drive them (WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH, WM_CLOSE, WM_COMMAND, BM_CLICK,
// the key, character and mouse button messages), written as it arrives, in UTF-8:
//   HOW WINDOW MESSAGE WPARAM LPARAM
// HOW: "sent", "notified" (SendNotifyMessage), "callback" (SendMessageCallback) or "posted" (from the queue:
// posted, or a person's input). WINDOW: "room", "history-holder", "history", "entry-holder", "entry",
// "button1" to "button5" (in child order). MESSAGE: its name, e.g. "WM_KEYUP". WPARAM: hexadecimal, "0x20".
// LPARAM: hexadecimal, except WM_SETTEXT's, which is its text between double quotes (\" \\ \r \n \t \xNN
// escaped), and WM_GETTEXT's, which is "buffer"; either is "null" for a null pointer. For example:
//   sent entry WM_SETTEXT 0x0 "hello"
//   sent button5 WM_KEYUP 0x20 0x0
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace chatroom {

// Registered as written; class names are compared without regard to case, so "aim_chatwnd" finds it.
inline constexpr wchar_t kRoomClassName[] = L"AIM_ChatWnd";
inline constexpr wchar_t kPaneHolderClassName[] = L"WndAte32Class";
inline constexpr wchar_t kPaneClassName[] = L"Ate32Class";
inline constexpr wchar_t kIconButtonClassName[] = L"_Oscar_IconBtn";

// The room's caption; while --stall holds its thread, the caption carries kStalledCaptionSuffix.
inline constexpr wchar_t kRoomCaption[] = L"Chat room (stand-in)";
inline constexpr wchar_t kStalledCaptionSuffix[] = L" - stalled";

inline constexpr ULONG_PTR kSayAsCopyDataCode = 0x4F4A5301;  // "OJS" + 1
inline constexpr UINT kPressCountMessage = WM_APP + 0x51;
inline constexpr UINT kRecreateWindowMessage = WM_APP + 0x52;
inline constexpr WPARAM kRecreateAtNextRead = 1;

// The name colours the room writes into its conversation.
inline constexpr wchar_t kOtherPeopleColour[] = L"#ff0000";
inline constexpr wchar_t kLocalUserColour[] = L"#0000ff";

// lpData for a "say as" request; pass its size() * sizeof(wchar_t) as cbData.
inline std::wstring MakeSayPayload(std::wstring_view name, std::wstring_view text) {
    std::wstring payload(name);
    payload.push_back(L'\0');
    payload.append(text);
    return payload;
}

// Splits a "say as" payload; false when it is not one.
inline bool ParseSayPayload(const void* data, std::size_t bytes, std::wstring& name, std::wstring& text) {
    if (data == nullptr || bytes % sizeof(wchar_t) != 0) {
        return false;
    }
    const std::wstring_view payload(static_cast<const wchar_t*>(data), bytes / sizeof(wchar_t));
    const std::size_t separator = payload.find(L'\0');
    if (separator == std::wstring_view::npos || separator == 0) {
        return false;
    }
    name.assign(payload.substr(0, separator));
    text.assign(payload.substr(separator + 1));
    // A sender that zero-terminates the message too is welcome.
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return true;
}

}  // namespace chatroom
