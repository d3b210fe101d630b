// The chat scanner on its real timer against the stand-in chat room: other people's red lines are reported
// with sender, message and time; the local user's blue lines and the line that was newest when scanning
// started are not.
#include "aim/chat_scanner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_ui_timer.h"
#include "win32/chatroom_fixture.h"
#include "win32/room_tree.h"

namespace orv::testing {
namespace {

constexpr DWORD kPumpDeadlineMilliseconds = 30000;
// Ticks to wait before concluding that a line was passed over: the line is there from the first of them.
constexpr int kTicksThatMustPassALineOver = 3;

struct Report {
    Text who;
    Text message;
    Text datesaid;
};

// The Win32 timer, counting the ticks it delivers so that a test can wait for ticks rather than for time.
class CountingTimer : public UiTimer {
  public:
    void Start(unsigned periodMs, std::function<void()> onTick) override {
        timer_.Start(periodMs, [this, onTick = std::move(onTick)] {
            ++ticks;
            onTick();
        });
    }
    void Stop() override { timer_.Stop(); }
    bool IsRunning() const override { return timer_.IsRunning(); }

    int ticks = 0;

  private:
    win32::Win32UiTimer timer_;
};

// Runs this thread's messages (the timer's among them) until the condition holds or the deadline passes.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD milliseconds = kPumpDeadlineMilliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

class DiscardedFiles : public Files {
  public:
    void Append(const Text&, const AnsiText&) override {}
    std::unique_ptr<FileReader> OpenForReading(const Text&) override { return nullptr; }
    bool Replace(const Text&, const AnsiText&) override { return false; }
};

class ChatScannerTest : public ChatRoomTest {
  protected:
    ChatScannerTest() {
        scanner_.aimchatscan = [this](Text& who, Text& message, Text& datesaid) {
            reports_.push_back({who, message, datesaid});
        };
    }

    void TearDown() override {
        scanner_.aimchatscan_off();
        ChatRoomTest::TearDown();
    }

    // Another participant's line, as the room's "say as" request.
    bool Say(const std::wstring& name, const std::wstring& text) {
        std::wstring payload = chatroom::MakeSayPayload(name, text);
        COPYDATASTRUCT data = {.dwData = chatroom::kSayAsCopyDataCode,
                               .cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t)),
                               .lpData = payload.data()};
        DWORD_PTR accepted = FALSE;
        return SendMessageTimeoutW(room_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                   kTestMessageTimeoutMilliseconds, &accepted) != 0 &&
               accepted == TRUE;
    }

    bool PumpTicks(int count) {
        const int until = timer_.ticks + count;
        return PumpUntil([&] { return timer_.ticks >= until; });
    }

    bool PumpUntilReports(std::size_t count) {
        return PumpUntil([&] { return reports_.size() >= count; });
    }

    Win32ChatWindows windows_;
    win32::Win32CodePage codePage_;
    // The scanner tests look at the room, not at the log of sent messages: keep it out of the working folder.
    DiscardedFiles files_;
    Chat chat_{windows_, codePage_, files_};
    CountingTimer timer_;
    tasp_aim_chat scanner_{chat_, timer_};
    std::vector<Report> reports_;
};

TEST_F(ChatScannerTest, ReportsAnotherParticipantsRedLineWithSenderMessageAndTime) {
    ASSERT_NE(StartRoom(), nullptr);
    scanner_.aimchatscan_on();
    ASSERT_TRUE(PumpTicks(1));

    // Said by another program, as a person in the room would.
    ASSERT_EQ(RunChatRoomCommand(L"--say Somebody \"!next\""), 0u);

    ASSERT_TRUE(PumpUntilReports(1));
    EXPECT_EQ(reports_[0].who, L"Somebody");
    EXPECT_EQ(reports_[0].message, L"!next");
    EXPECT_EQ(reports_[0].datesaid, L"{8:15:02 PM}");

    // Later ticks find the same newest line and stay quiet; the next red line is reported in turn.
    ASSERT_TRUE(PumpTicks(kTicksThatMustPassALineOver));
    EXPECT_EQ(reports_.size(), 1u);
    ASSERT_TRUE(Say(L"Other Person", L"!Pause now"));
    ASSERT_TRUE(PumpUntilReports(2));
    EXPECT_EQ(reports_[1].who, L"Other Person");
    EXPECT_EQ(reports_[1].message, L"!Pause now");
    EXPECT_EQ(reports_[1].datesaid, L"{8:15:02 PM}");
}

TEST_F(ChatScannerTest, ReportsNothingFromAPaneThatClaimsAnEndlessText) {
    ASSERT_NE(StartRoom(std::wstring(kFixedTimeOption) + L" --lie-length"), nullptr);
    scanner_.aimchatscan_on();
    ASSERT_TRUE(Say(L"Somebody", L"!next"));
    ASSERT_TRUE(PumpTicks(kTicksThatMustPassALineOver));
    EXPECT_TRUE(reports_.empty());
}

// A pane's text may hold NULs (the stand-in room hands them out as a messenger could): the text goes on
// after them.
TEST_F(ChatScannerTest, ReportsALineWithANulWholeAndTheLinesAfterIt) {
    ASSERT_NE(StartRoom(), nullptr);
    scanner_.aimchatscan_on();
    const std::wstring withNul(L"a\0b", 3);
    ASSERT_TRUE(Say(L"Somebody", withNul));
    ASSERT_TRUE(PumpUntilReports(1));
    EXPECT_EQ(reports_[0].message, withNul);
    ASSERT_TRUE(Say(L"Somebody", L"p?"));
    ASSERT_TRUE(PumpUntilReports(2));
    EXPECT_EQ(reports_[1].message, L"p?");
}

TEST_F(ChatScannerTest, IgnoresTheLocalUsersBlueLines) {
    ASSERT_NE(StartRoom(), nullptr);
    scanner_.aimchatscan_on();
    ASSERT_TRUE(Say(L"Somebody", L"hello"));
    ASSERT_TRUE(PumpUntilReports(1));

    chat_.ChatSend(L"!next");
    ASSERT_TRUE(PumpTicks(kTicksThatMustPassALineOver));
    EXPECT_EQ(reports_.size(), 1u) << "the local user's line was reported";

    // The scanner was listening all along.
    ASSERT_TRUE(Say(L"Somebody", L"!stop"));
    ASSERT_TRUE(PumpUntilReports(2));
    EXPECT_EQ(reports_[1].message, L"!stop");
}

TEST_F(ChatScannerTest, DoesNotReportTheLineThatWasNewestWhenScanningStarted) {
    ASSERT_NE(StartRoom(), nullptr);
    ASSERT_TRUE(Say(L"Somebody", L"!next"));

    scanner_.aimchatscan_on();
    ASSERT_TRUE(PumpTicks(kTicksThatMustPassALineOver));
    EXPECT_TRUE(reports_.empty()) << "reported the old line: "
                                  << ::testing::PrintToString(reports_[0].message);

    ASSERT_TRUE(Say(L"Somebody", L"!prev"));
    ASSERT_TRUE(PumpUntilReports(1));
    EXPECT_EQ(reports_[0].message, L"!prev");
    ASSERT_TRUE(PumpTicks(1));
    EXPECT_EQ(reports_.size(), 1u);
}

}  // namespace
}  // namespace orv::testing
