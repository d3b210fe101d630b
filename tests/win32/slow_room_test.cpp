// A room that is slow but alive: a chat operation waits for it within one budget and sends nothing once the
// budget is spent, the messages of one operation arrive in their order, and while the player waits its
// windows keep answering other programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "aim/chat.h"
#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

constexpr UINT kProbeMessage = WM_APP + 7;
constexpr UINT kProbeTimeoutMilliseconds = 60000;

class DiscardedFiles : public Files {
  public:
    void Append(const Text&, const AnsiText&) override {}
    std::unique_ptr<FileReader> OpenForReading(const Text&) override { return nullptr; }
    bool Replace(const Text&, const AnsiText&) override { return false; }
};

// A window of this thread, standing for the player's windows: it notes whether another program's message was
// answered while a chat operation was under way.
class ProbedWindow {
  public:
    ProbedWindow() {
        const WNDCLASSW windowClass = {.lpfnWndProc = Procedure,
                                       .hInstance = GetModuleHandleW(nullptr),
                                       .lpszClassName = L"OrvJuboProbedWindow"};
        RegisterClassW(&windowClass);
        window_ = CreateWindowW(L"OrvJuboProbedWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    }
    ~ProbedWindow() { DestroyWindow(window_); }
    ProbedWindow(const ProbedWindow&) = delete;
    ProbedWindow& operator=(const ProbedWindow&) = delete;

    // Runs the operation while another thread's message waits for this thread; true when that message was
    // answered before the operation ended.
    template <typename Operation>
    bool AnswersDuring(Operation operation) {
        answeredDuringOperation_ = false;
        std::atomic<bool> probeDone = false;
        std::thread prober([&] {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window_, kProbeMessage, 0, 0, SMTO_NORMAL, kProbeTimeoutMilliseconds,
                                &ignored);
            probeDone = true;
        });
        // The probe is queued for this thread before the operation begins (Sleep handles no messages).
        WaitUntil([] { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; });
        inOperation_ = true;
        operation();
        inOperation_ = false;
        // A probe still waiting is answered now, too late.
        MSG message;
        while (!probeDone) {
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
            Sleep(10);
        }
        prober.join();
        return answeredDuringOperation_;
    }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kProbeMessage) {
            answeredDuringOperation_ = inOperation_;
            return 1;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static inline bool inOperation_ = false;
    static inline bool answeredDuringOperation_ = false;
    HWND window_ = nullptr;
};

std::string PaneText(HWND pane) {
    char text[2048] = {};
    SendMessageTimeoutA(pane, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        kProbeTimeoutMilliseconds, nullptr);
    return text;
}

LRESULT PressesOf(HWND button) {
    DWORD_PTR presses = 0;
    SendMessageTimeoutW(button, chatroom::kPressCountMessage, 0, 0, SMTO_NORMAL, kProbeTimeoutMilliseconds,
                        &presses);
    return static_cast<LRESULT>(presses);
}

class SlowRoomTest : public ChatRoomTest {
  protected:
    win32::Win32CodePage codePage_;
    DiscardedFiles files_;
    ProbedWindow player_;
};

// The room takes 1.5 s over each message: the entry text is taken, the button press that would follow cannot
// be answered within what is left of the send's 2 s, and nothing after it is sent.
TEST_F(SlowRoomTest, ASendKeepsToItsBudgetAndThePlayerKeepsAnswering) {
    HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --slow 1500");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(tree.buttons.size(), 5u);
    Win32ChatWindows windows;
    Chat chat{windows, codePage_, files_};

    EXPECT_TRUE(player_.AnswersDuring([&] { chat.ChatSend(L"hello"); }));

    // Messages of one thread reach the room in the order they were sent: these are answered after every
    // message of the send, including the one that was still under way when the send gave up.
    EXPECT_EQ(PressesOf(tree.buttons[4]), 0) << "the press was completed after the budget was spent";
    EXPECT_EQ(PaneText(tree.entry), "hello");
}

// Given time enough, the messages of successive sends arrive complete and in order, while the player answers.
TEST_F(SlowRoomTest, MessagesArriveInOrder) {
    HWND room = StartRoom(std::wstring(kFixedTimeOption) + L" --slow 300");
    ASSERT_NE(room, nullptr);
    const RoomTree tree = FindRoomTree(room);
    ASSERT_EQ(tree.buttons.size(), 5u);
    Win32ChatWindows patientWindows(kProbeTimeoutMilliseconds);
    Chat chat{patientWindows, codePage_, files_};

    EXPECT_TRUE(player_.AnswersDuring([&] {
        chat.ChatSend(L"first");
        chat.ChatSend(L"second");
    }));

    EXPECT_EQ(PressesOf(tree.buttons[4]), 2);
    const std::string conversation = PaneText(tree.history);
    const std::size_t first = conversation.find(": first");
    const std::size_t second = conversation.find(": second");
    ASSERT_NE(first, std::string::npos) << conversation;
    ASSERT_NE(second, std::string::npos) << conversation;
    EXPECT_LT(first, second) << conversation;
}

}  // namespace
}  // namespace orv::testing
