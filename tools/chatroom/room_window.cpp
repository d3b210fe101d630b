#include "room_window.h"

#include <algorithm>

#include "chatroom_protocol.h"
#include "history_answers.h"
#include "irc_text.h"
#include "playlist/utf8.h"
#include "room_clock.h"
#include "room_controls.h"
#include "room_timeline.h"

namespace chatroom {

namespace {

enum ControlId : int {
    kHistoryHolderId = 100,
    kHistoryPaneId,
    kHistoryViewId,
    kEntryHolderId = 110,
    kEntryPaneId,
    kFirstButtonId = 201,  // the buttons are 201 to 205; 205 is Send
    kSendButtonId = 205,
    kSayLabelId = 301,
    kSayNameId,
    kSayTextId,
    kSayButtonId,
};

constexpr const wchar_t* kButtonCaptions[5] = {L"Warn", L"Block", L"Info", L"Invite", L"Send"};

constexpr UINT kStallMessage = WM_APP + 2;
constexpr UINT kIrcNewsMessage = WM_APP + 3;
// The colour of lines nobody said: joins, parts, the link's state.
constexpr wchar_t kPlainLineColour[] = L"#808080";
// The room's exit code when its window cannot be made again.
constexpr int kRecreateFailed = 3;
// Long enough for any test of a room that does not answer; the room answers again afterwards.
constexpr DWORD kStallMilliseconds = 10 * 60 * 1000;

constexpr int kMargin = 8;
constexpr int kEntryHeight = 48;
constexpr int kRowHeight = 26;
constexpr int kButtonWidth = 64;

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

COLORREF ToColorRef(std::uint32_t rrggbb) {
    return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent, int id,
                 HINSTANCE instance, DWORD exStyle = 0) {
    HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | style, 0, 0, 10, 10, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

}  // namespace

RoomWindow::~RoomWindow() {
    if (boldFont_ != nullptr) {
        DeleteObject(boldFont_);
    }
}

bool RoomWindow::Create(HINSTANCE instance, int show) {
    instance_ = instance;
    if (!RegisterRoomControlClasses(instance, options_)) {
        return false;
    }
    if (options_.timelinePath && !OpenTimeline(*options_.timelinePath)) {
        return false;
    }
    const WNDCLASSEXW roomClass = {.cbSize = sizeof roomClass,
                                   .lpfnWndProc = Procedure,
                                   .hInstance = instance,
                                   .hIcon = LoadIconW(nullptr, IDI_APPLICATION),
                                   .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                                   .hbrBackground = GetSysColorBrush(COLOR_BTNFACE),
                                   .lpszClassName = kRoomClassName};
    if (RegisterClassExW(&roomClass) == 0) {
        return false;
    }
    if (!MakeWindow()) {
        return false;
    }
    ShowWindow(window_, show);
    UpdateWindow(window_);
    if (!options_.ircHost.empty()) {
        link_ = std::make_unique<IrcLink>(IrcTarget{.host = orv::ToUtf8(options_.ircHost),
                                                    .port = orv::ToUtf8(options_.ircPort),
                                                    .channel = orv::ToUtf8(options_.ircChannel),
                                                    .nick = orv::ToUtf8(options_.ircNick)},
                                          window_, kIrcNewsMessage);
    }
    return true;
}

bool RoomWindow::MakeWindow() {
    window_ = CreateWindowExW(0, kRoomClassName, kRoomCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 560, 460, nullptr, nullptr, instance_, this);
    return window_ != nullptr;
}

LRESULT CALLBACK RoomWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const RoomMessage handled(window, message, wParam, lParam);
    if (message == WM_NCCREATE) {
        auto* room = static_cast<RoomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        room->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(room));
    }
    auto* room = reinterpret_cast<RoomWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (room == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return room->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // A stand-in room that loses one line is still a room; nothing may unwind into the system.
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT RoomWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateChildren();
            if (options_.stall) {
                PostMessageW(window_, kStallMessage, 0, 0);
            }
            return 0;
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_COPYDATA:
            return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_MEASUREITEM:
            MeasureShownLine(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DRAWITEM:
            DrawShownLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case kPaneTextChangedMessage:
            if (reinterpret_cast<HWND>(lParam) == historyPane_) {
                ShowConversation();
            }
            return 0;
        case kStallMessage:
            Stall();
            return 0;
        case kIrcNewsMessage: {
            const std::unique_ptr<IrcNews> news(reinterpret_cast<IrcNews*>(lParam));
            OnIrcNews(*news);
            return 0;
        }
        case WM_DESTROY:
            if (!recreating_) {
                PostQuitMessage(0);
            }
            return 0;
        default:
            if (message == kRecreateWindowMessage && wParam == kRecreateAtNextRead) {
                RecreateRoomAtNextRead();
                return 0;
            }
            if (message == kRecreateWindowMessage) {
                Recreate();
                return 0;
            }
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void RoomWindow::CreateChildren() {
    if (boldFont_ != nullptr) {
        DeleteObject(boldFont_);
    }
    LOGFONTW bold = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&bold);

    // The order of creation is the order in which a window search meets the children: history holder, entry
    // holder, the icon buttons, then the stand-in's own controls.
    historyHolder_ =
        CreateChild(kPaneHolderClassName, L"", WS_VISIBLE | WS_BORDER, window_, kHistoryHolderId, instance_);
    // The raw conversation lives in a pane that is never shown; the view beside it shows it readably. A
    // single-line edit: a multi-line one wraps the one long line of HTML again at every change, which is
    // slow.
    historyPane_ = CreateChild(kPaneClassName, kEmptyConversation, ES_AUTOHSCROLL | ES_READONLY,
                               historyHolder_, kHistoryPaneId, instance_);
    historyView_ = CreateChild(
        L"LISTBOX", L"", WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
        historyHolder_, kHistoryViewId, instance_);
    if (!options_.singlePane) {
        entryHolder_ = CreateChild(kPaneHolderClassName, L"", WS_VISIBLE | WS_BORDER, window_, kEntryHolderId,
                                   instance_);
        entryPane_ = CreateChild(kPaneClassName, L"", WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL,
                                 entryHolder_, kEntryPaneId, instance_);
    }
    for (int i = 0; i < options_.buttonCount; ++i) {
        buttons_.push_back(CreateChild(kIconButtonClassName, kButtonCaptions[i], WS_VISIBLE, window_,
                                       kFirstButtonId + i, instance_));
    }
    NameWindowsForTimeline();
    SetHistoryPane(historyPane_);
    sayLabel_ =
        CreateChild(L"STATIC", L"Say as:", WS_VISIBLE | SS_CENTERIMAGE, window_, kSayLabelId, instance_);
    sayName_ = CreateChild(L"EDIT", L"Somebody", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, window_,
                           kSayNameId, instance_, WS_EX_CLIENTEDGE);
    sayText_ = CreateChild(L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, window_, kSayTextId,
                           instance_, WS_EX_CLIENTEDGE);
    sayButton_ = CreateChild(L"BUTTON", L"Say", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, window_,
                             kSayButtonId, instance_);
    ShowConversation();
}

void RoomWindow::NameWindowsForTimeline() {
    constexpr const char* kButtonNames[5] = {"button1", "button2", "button3", "button4", "button5"};
    NameTimelineWindow(window_, "room");
    NameTimelineWindow(historyHolder_, "history-holder");
    NameTimelineWindow(historyPane_, "history");
    if (entryHolder_ != nullptr) {
        NameTimelineWindow(entryHolder_, "entry-holder");
        NameTimelineWindow(entryPane_, "entry");
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        NameTimelineWindow(buttons_[i], kButtonNames[i]);
    }
}

void RoomWindow::Layout(int width, int height) {
    const int inner = width - 2 * kMargin;
    const int sayTop = height - kMargin - kRowHeight;
    const int buttonsTop = sayTop - kMargin - kRowHeight;
    const int entryTop = buttonsTop - kMargin - kEntryHeight;
    const int historyBottom = options_.singlePane ? buttonsTop - kMargin : entryTop - kMargin;
    MoveWindow(historyHolder_, kMargin, kMargin, inner, historyBottom - kMargin, TRUE);
    if (entryHolder_ != nullptr) {
        MoveWindow(entryHolder_, kMargin, entryTop, inner, kEntryHeight, TRUE);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        MoveWindow(buttons_[i], kMargin + static_cast<int>(i) * (kButtonWidth + 4), buttonsTop, kButtonWidth,
                   kRowHeight, TRUE);
    }
    constexpr int kLabelWidth = 48;
    constexpr int kNameWidth = 110;
    constexpr int kSayWidth = 56;
    MoveWindow(sayLabel_, kMargin, sayTop, kLabelWidth, kRowHeight, TRUE);
    MoveWindow(sayName_, kMargin + kLabelWidth, sayTop, kNameWidth, kRowHeight, TRUE);
    const int textLeft = kMargin + kLabelWidth + kNameWidth + 4;
    MoveWindow(sayText_, textLeft, sayTop, width - kMargin - kSayWidth - 4 - textLeft, kRowHeight, TRUE);
    MoveWindow(sayButton_, width - kMargin - kSayWidth, sayTop, kSayWidth, kRowHeight, TRUE);
}

void RoomWindow::OnCommand(int id) {
    if (id == kSendButtonId) {
        PostEntryAsLocalLine();
    } else if (id == kSayButtonId) {
        SayFromForm();
    }
}

bool RoomWindow::OnCopyData(const COPYDATASTRUCT& data) {
    std::wstring name;
    std::wstring text;
    if (data.dwData != kSayAsCopyDataCode || !ParseSayPayload(data.lpData, data.cbData, name, text)) {
        return false;
    }
    AppendLine(name, kOtherPeopleColour, text);
    return true;
}

void RoomWindow::Stall() {
    SetWindowTextW(window_, (std::wstring(kRoomCaption) + kStalledCaptionSuffix).c_str());
    Sleep(kStallMilliseconds);
    SetWindowTextW(window_, kRoomCaption);
}

void RoomWindow::Recreate() {
    const std::wstring conversation = TextOf(historyPane_);
    recreating_ = true;
    DestroyWindow(window_);
    recreating_ = false;
    entryHolder_ = entryPane_ = nullptr;
    buttons_.clear();
    shownLines_.clear();
    if (!MakeWindow()) {
        PostQuitMessage(kRecreateFailed);
        return;
    }
    SetWindowTextW(historyPane_, conversation.c_str());
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void RoomWindow::AppendLine(const std::wstring& name, const wchar_t* colour, const std::wstring& message) {
    const std::wstring line = ChatLineHtml(TimeOfNewLine(), name, colour, KeepNuls(message));
    SetWindowTextW(historyPane_, AppendChatLine(TextOf(historyPane_), line).c_str());
}

void RoomWindow::AppendPlainLine(const std::wstring& text) {
    std::wstring line(kLineMarker);
    line.append(L"<!-- (").append(TimeOfNewLine()).append(L") --><FONT COLOR=\"").append(kPlainLineColour);
    line.append(L"\">").append(text).append(L"</FONT>");
    SetWindowTextW(historyPane_, AppendChatLine(TextOf(historyPane_), line).c_str());
}

void RoomWindow::OnIrcNews(const IrcNews& news) {
    switch (news.kind) {
        case IrcNews::Kind::Event: {
            const IrcEvent& event = news.event;
            const std::wstring nick = IrcToPaneText(event.nick);
            if (event.kind == IrcEvent::Kind::Said) {
                AppendLine(nick, kOtherPeopleColour, IrcToPaneText(event.text));
            } else if (event.kind == IrcEvent::Kind::Action) {
                AppendLine(nick, kOtherPeopleColour, L"* " + nick + L" " + IrcToPaneText(event.text));
            } else if (event.kind == IrcEvent::Kind::Notice) {
                AppendPlainLine(IrcToPaneText(event.text));
            } else if (event.kind == IrcEvent::Kind::Joined) {
                AppendPlainLine(L"joined " + IrcToPaneText(event.text));
            }
            break;
        }
        case IrcNews::Kind::State:
            SetWindowTextW(window_, (std::wstring(kRoomCaption) + L" - IRC: " + FromIrcBytes(news.text)).c_str());
            break;
        case IrcNews::Kind::Lost:
            SetWindowTextW(window_, (std::wstring(kRoomCaption) + L" - IRC: not connected").c_str());
            AppendPlainLine(L"IRC: " + IrcToPaneText(news.text));
            break;
    }
}

void RoomWindow::PostEntryAsLocalLine() {
    if (entryPane_ == nullptr) {
        return;
    }
    const std::wstring message = TextOf(entryPane_);
    if (message.empty()) {
        return;
    }
    AppendLine(options_.localName, kLocalUserColour, message);
    if (link_) {
        link_->Say(PaneTextToIrc(message, link_->LongestText()));
    }
    SetWindowTextW(entryPane_, L"");
}

void RoomWindow::SayFromForm() {
    const std::wstring name = TextOf(sayName_);
    const std::wstring message = TextOf(sayText_);
    if (name.empty() || message.empty()) {
        return;
    }
    AppendLine(name, kOtherPeopleColour, message);
    SetWindowTextW(sayText_, L"");
    SetFocus(sayText_);
}

void RoomWindow::ShowConversation() {
    std::vector<ShownLine> lines = ParseConversation(TextOf(historyPane_));
    // Mostly a line came at the end: the list keeps the lines it shows and takes only the new ones, so that
    // a long conversation does not make every new line slower than the one before.
    const bool appended = lines.size() >= shownLines_.size() &&
                          std::equal(shownLines_.begin(), shownLines_.end(), lines.begin());
    const std::size_t kept = appended ? shownLines_.size() : 0;
    shownLines_ = std::move(lines);
    SendMessageW(historyView_, WM_SETREDRAW, FALSE, 0);
    if (!appended) {
        SendMessageW(historyView_, LB_RESETCONTENT, 0, 0);
    }
    for (std::size_t i = kept; i < shownLines_.size(); ++i) {
        SendMessageW(historyView_, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    }
    if (!shownLines_.empty()) {
        SendMessageW(historyView_, LB_SETTOPINDEX, shownLines_.size() - 1, 0);
    }
    SendMessageW(historyView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(historyView_, nullptr, TRUE);
}

void RoomWindow::MeasureShownLine(MEASUREITEMSTRUCT& item) const {
    TEXTMETRICW metrics = {};
    HDC dc = GetDC(window_);
    HGDIOBJ oldFont = SelectObject(dc, boldFont_ != nullptr ? boldFont_ : GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, oldFont);
    ReleaseDC(window_, dc);
    item.itemHeight = static_cast<UINT>(metrics.tmHeight + 4);
}

// "(8:15:02 PM) Somebody: message", the name bold in the line's colour.
void RoomWindow::DrawShownLine(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1) || item.itemData >= shownLines_.size()) {
        return;
    }
    const ShownLine& line = shownLines_[item.itemData];
    RECT area = item.rcItem;
    area.left += 4;
    SetBkMode(item.hDC, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(item.hDC, GetStockObject(DEFAULT_GUI_FONT));
    auto drawPiece = [&](const std::wstring& text, COLORREF colour, HGDIOBJ font) {
        SelectObject(item.hDC, font);
        SetTextColor(item.hDC, colour);
        RECT measured = area;
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
                  DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        area.left = measured.right;
    };
    if (!line.time.empty()) {
        drawPiece(L"(" + line.time + L") ", GetSysColor(COLOR_GRAYTEXT), GetStockObject(DEFAULT_GUI_FONT));
    }
    if (!line.name.empty()) {
        drawPiece(line.name, ToColorRef(line.rrggbb), boldFont_);
        drawPiece(L": ", GetSysColor(COLOR_WINDOWTEXT), GetStockObject(DEFAULT_GUI_FONT));
    }
    drawPiece(line.message, GetSysColor(COLOR_WINDOWTEXT), GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(item.hDC, oldFont);
}

std::wstring RoomWindow::TimeOfNewLine() const {
    return options_.fixedTime ? *options_.fixedTime : ClockTextNow();
}

}  // namespace chatroom
