#include "room_controls.h"

#include <algorithm>
#include <memory>
#include <string>

#include "chatroom_protocol.h"
#include "history_answers.h"

namespace chatroom {

namespace {

WNDPROC editProcedure = nullptr;
unsigned slowMilliseconds = 0;
bool lieAboutLength = false;
bool closeOnEntry = false;
std::unique_ptr<HistoryAnswers> historyAnswers;
HWND historyPane = nullptr;
bool recreateAtNextRead = false;
// The room's window procedures under way on its thread. InSendMessage alone cannot tell: it stays true for
// everything the room does while it handles another program's message.
int proceduresUnderWay = 0;
// The queued message the loop is dispatching, if any.
const MSG* dispatchedMessage = nullptr;

// What a pane answers another program that asks for its length with --lie-length: 2^31 - 1.
constexpr LRESULT kLyingLength = 0x7FFFFFFF;

bool IsMessengerMessage(UINT message) {
    switch (message) {
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_CLOSE:
        case WM_LBUTTONDOWN:
        case WM_KEYUP:
        case WM_LBUTTONUP:
            return true;
        default:
            return false;
    }
}

// The text the edit control holds.
std::wstring EditText(HWND pane) {
    std::wstring text(static_cast<std::size_t>(CallWindowProcW(editProcedure, pane, WM_GETTEXTLENGTH, 0, 0)),
                      L'\0');
    const LRESULT copied = CallWindowProcW(editProcedure, pane, WM_GETTEXT, text.size() + 1,
                                           reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::min(text.size(), static_cast<std::size_t>(copied < 0 ? 0 : copied)));
    return text;
}

// WM_GETTEXT's answer: as much of the text as the buffer holds before its terminating zero, NULs and all.
LRESULT CopyIntoBuffer(const std::wstring& text, WPARAM bufferSize, LPARAM buffer) {
    if (bufferSize == 0 || buffer == 0) {
        return 0;
    }
    auto* characters = reinterpret_cast<wchar_t*>(buffer);
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(bufferSize) - 1);
    std::copy_n(text.data(), copied, characters);
    characters[copied] = L'\0';
    return static_cast<LRESULT>(copied);
}

// How the history pane answers another program that reads it; false for any other message, which the edit
// control handles.
bool AnswerHistoryRead(HWND pane, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
    if (message == WM_GETTEXTLENGTH) {
        answer = lieAboutLength ? kLyingLength : static_cast<LRESULT>(historyAnswers->Length(EditText(pane)));
        if (recreateAtNextRead) {
            recreateAtNextRead = false;
            // The pane is destroyed here; nothing of it is touched afterwards.
            SendMessageW(GetAncestor(pane, GA_ROOT), kRecreateWindowMessage, 0, 0);
        }
        return true;
    }
    if (message == WM_GETTEXT) {
        answer = CopyIntoBuffer(historyAnswers->Text(EditText(pane)), wParam, lParam);
        return true;
    }
    if (message == WM_SETTEXT) {
        historyAnswers->ForgetEarlierConversation();
    }
    return false;
}

// A pane is an edit control that also tells the room when its text was set, so that the room can show the
// conversation again (an edit control does not report WM_SETTEXT on multi-line panes).
LRESULT CALLBACK PaneProcedure(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    const RoomMessage handled(pane, message, wParam, lParam);
    // The room reads its own panes as they are.
    if (handled.FromOtherProgram()) {
        LRESULT answer = 0;
        if (pane == historyPane && historyAnswers &&
            AnswerHistoryRead(pane, message, wParam, lParam, answer)) {
            return answer;
        }
        if (message == WM_GETTEXTLENGTH && lieAboutLength) {
            return kLyingLength;
        }
    }
    const LRESULT result = CallWindowProcW(editProcedure, pane, message, wParam, lParam);
    if (message == WM_SETTEXT && closeOnEntry && pane != historyPane && handled.FromOtherProgram()) {
        // In the middle of the other program's send: the text is in, the button not yet pressed.
        DestroyWindow(GetAncestor(pane, GA_ROOT));
        return result;
    }
    if (message == WM_SETTEXT) {
        PostMessageW(GetAncestor(pane, GA_ROOT), kPaneTextChangedMessage, 0, reinterpret_cast<LPARAM>(pane));
    }
    return result;
}

// A holder passes its children's notifications on to the room and lets its visible children fill it.
LRESULT CALLBACK PaneHolderProcedure(HWND holder, UINT message, WPARAM wParam, LPARAM lParam) {
    const RoomMessage handled(holder, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return SendMessageW(GetParent(holder), message, wParam, lParam);
        case WM_SIZE:
            for (HWND child = GetWindow(holder, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (IsWindowVisible(child)) {
                    MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
                }
            }
            return 0;
        default:
            return DefWindowProcW(holder, message, wParam, lParam);
    }
}

// Extra window words of an icon button: how often it was pressed, how far the messenger's press has come,
// and whether a person's click is under way.
constexpr int kPressCountSlot = 0;
constexpr int kPressStepSlot = sizeof(LONG_PTR);
constexpr int kPersonClickSlot = 2 * sizeof(LONG_PTR);
constexpr int kIconButtonWords = 3;
constexpr LONG_PTR kNoPress = 0;
constexpr LONG_PTR kAfterButtonDown = 1;
constexpr LONG_PTR kAfterSpaceUp = 2;

bool LooksPressed(HWND button) {
    return GetWindowLongPtrW(button, kPressStepSlot) != kNoPress ||
           GetWindowLongPtrW(button, kPersonClickSlot) != 0;
}

void PaintIconButton(HWND button) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(button, &paint);
    RECT face;
    GetClientRect(button, &face);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &face, LooksPressed(button) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t caption[64] = {};
    GetWindowTextW(button, caption, 64);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(button, &paint);
}

void SetSlot(HWND button, int slot, LONG_PTR value) {
    if (GetWindowLongPtrW(button, slot) != value) {
        SetWindowLongPtrW(button, slot, value);
        InvalidateRect(button, nullptr, TRUE);
    }
}

// A press that counts; the room hears of it as a click.
void Click(HWND button) {
    SetWindowLongPtrW(button, kPressCountSlot, GetWindowLongPtrW(button, kPressCountSlot) + 1);
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// The messenger's buttons take one press from other programs: WM_LBUTTONDOWN (wParam 0, lParam 0), then
// WM_KEYUP with the space key (lParam 0), then WM_LBUTTONUP (wParam 0, lParam 0), each of them sent and
// waited for. Any other message from outside ends a press under way without a click, and only the button
// down begins one.
void FollowMessengerPress(HWND button, const RoomMessage& handled, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    const LONG_PTR step = GetWindowLongPtrW(button, kPressStepSlot);
    const bool sentWithoutPosition = handled.HowItCame() == Arrival::Sent && lParam == 0;
    if (sentWithoutPosition && message == WM_LBUTTONDOWN && wParam == 0) {
        SetSlot(button, kPressStepSlot, kAfterButtonDown);
    } else if (sentWithoutPosition && step == kAfterButtonDown && message == WM_KEYUP && wParam == VK_SPACE) {
        SetSlot(button, kPressStepSlot, kAfterSpaceUp);
    } else if (sentWithoutPosition && step == kAfterSpaceUp && message == WM_LBUTTONUP && wParam == 0) {
        SetSlot(button, kPressStepSlot, kNoPress);
        Click(button);
    } else {
        SetSlot(button, kPressStepSlot, kNoPress);
    }
}

// A person clicks with the mouse: the button down comes from the queue with the left button held (which the
// messenger's press never says), and the button up over the button ends the click.
void FollowPersonsClick(HWND button, const RoomMessage& handled, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handled.HowItCame() != Arrival::Posted) {
        return;
    }
    if (message == WM_LBUTTONDOWN && (wParam & MK_LBUTTON) != 0) {
        SetSlot(button, kPersonClickSlot, 1);
        SetCapture(button);
    } else if (message == WM_LBUTTONUP && GetWindowLongPtrW(button, kPersonClickSlot) != 0) {
        SetSlot(button, kPersonClickSlot, 0);
        ReleaseCapture();
        RECT face;
        GetClientRect(button, &face);
        const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&face, at)) {
            Click(button);
        }
    }
}

LRESULT CALLBACK IconButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const RoomMessage handled(button, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            PaintIconButton(button);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (handled.HowItCame() != Arrival::Own) {
                FollowPersonsClick(button, handled, message, wParam, lParam);
                FollowMessengerPress(button, handled, message, wParam, lParam);
            }
            return 0;
        case WM_CAPTURECHANGED:
            SetSlot(button, kPersonClickSlot, 0);
            return 0;
        default:
            if (message == kPressCountMessage) {
                return GetWindowLongPtrW(button, kPressCountSlot);
            }
            if (handled.HowItCame() != Arrival::Own && IsTimelineMessage(message)) {
                SetSlot(button, kPressStepSlot, kNoPress);
            }
            return DefWindowProcW(button, message, wParam, lParam);
    }
}

Arrival HowMessageCame(HWND window, UINT message) {
    if (proceduresUnderWay > 0) {
        return Arrival::Own;
    }
    const DWORD sent = InSendMessageEx(nullptr);
    if ((sent & ISMEX_NOTIFY) != 0) {
        return Arrival::Notified;
    }
    if ((sent & ISMEX_CALLBACK) != 0) {
        return Arrival::Callback;
    }
    if ((sent & ISMEX_SEND) != 0) {
        return Arrival::Sent;
    }
    const bool dispatched = dispatchedMessage != nullptr && dispatchedMessage->hwnd == window &&
                            dispatchedMessage->message == message;
    return dispatched ? Arrival::Posted : Arrival::Own;
}

}  // namespace

void SetHistoryPane(HWND pane) {
    historyPane = pane;
}

void RecreateRoomAtNextRead() {
    recreateAtNextRead = true;
}

void NoteDispatchedMessage(const MSG* message) {
    dispatchedMessage = message;
}

RoomMessage::RoomMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    : arrival_(HowMessageCame(window, message)) {
    ++proceduresUnderWay;
    RecordMessage(arrival_, window, message, wParam, lParam);
    if (FromOtherProgram() && slowMilliseconds > 0 && IsMessengerMessage(message)) {
        Sleep(slowMilliseconds);
    }
}

RoomMessage::~RoomMessage() {
    --proceduresUnderWay;
}

bool RegisterRoomControlClasses(HINSTANCE instance, const RoomOptions& options) {
    slowMilliseconds = options.slowMilliseconds;
    lieAboutLength = options.lieLength;
    closeOnEntry = options.closeOnEntry;
    historyAnswers = std::make_unique<HistoryAnswers>(options);
    WNDCLASSEXW pane = {.cbSize = sizeof pane};
    if (!GetClassInfoExW(nullptr, L"EDIT", &pane)) {
        return false;
    }
    editProcedure = pane.lpfnWndProc;
    pane.lpfnWndProc = PaneProcedure;
    pane.hInstance = instance;
    pane.lpszClassName = kPaneClassName;

    const WNDCLASSEXW holder = {.cbSize = sizeof holder,
                                .lpfnWndProc = PaneHolderProcedure,
                                .hInstance = instance,
                                .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                                .hbrBackground = GetSysColorBrush(COLOR_WINDOW),
                                .lpszClassName = kPaneHolderClassName};
    const WNDCLASSEXW iconButton = {.cbSize = sizeof iconButton,
                                    .lpfnWndProc = IconButtonProcedure,
                                    .cbWndExtra = kIconButtonWords * sizeof(LONG_PTR),
                                    .hInstance = instance,
                                    .hCursor = LoadCursorW(nullptr, IDC_HAND),
                                    .lpszClassName = kIconButtonClassName};
    return RegisterClassExW(&pane) != 0 && RegisterClassExW(&holder) != 0 &&
           RegisterClassExW(&iconButton) != 0;
}

}  // namespace chatroom
