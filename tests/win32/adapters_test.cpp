// The Win32 adapters of the ports: timer, files, text box and message box.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/win32/form_window.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_text_box.h"
#include "platform/win32/win32_ui_timer.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::PumpUntil;

TEST(UiTimer, TicksOnTheThreadThatRunsTheMessageLoop) {
    Win32UiTimer timer;
    int ticks = 0;
    std::set<DWORD> threads;
    timer.Start(20, [&] {
        ++ticks;
        threads.insert(GetCurrentThreadId());
    });
    EXPECT_TRUE(timer.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(threads, std::set<DWORD>{GetCurrentThreadId()});
}

TEST(UiTimer, StopsTickingWhenStoppedFromItsOwnTick) {
    Win32UiTimer stopped;
    int stoppedTicks = 0;
    stopped.Start(10, [&] {
        if (++stoppedTicks == 3) {
            stopped.Stop();
        }
    });
    ASSERT_TRUE(PumpUntil([&] { return stoppedTicks >= 3; }));
    EXPECT_FALSE(stopped.IsRunning());

    // A slower timer that ticks several times gives the stopped one every chance to tick again.
    Win32UiTimer witness;
    int witnessTicks = 0;
    witness.Start(30, [&] { ++witnessTicks; });
    ASSERT_TRUE(PumpUntil([&] { return witnessTicks >= 4; }));
    EXPECT_EQ(stoppedTicks, 3);
}

TEST(UiTimer, ARestartReplacesTheHandler) {
    Win32UiTimer timer;
    int first = 0;
    int second = 0;
    timer.Start(10, [&] {
        ++first;
        timer.Start(10, [&] { ++second; });
    });
    ASSERT_TRUE(PumpUntil([&] { return second >= 2; }));
    EXPECT_EQ(first, 1);
}

TEST(UiTimer, AThrowingTickDoesNotEndTheProgramOrTheTimer) {
    Win32UiTimer timer;
    int ticks = 0;
    timer.Start(10, [&] {
        ++ticks;
        throw std::runtime_error("tick failed");
    });
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_TRUE(timer.IsRunning());
}

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = Text(temp) + L"orvjubo-files-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        file = folder + L"\\test.html";
        DeleteFileW(file.c_str());
    }
    void TearDown() override {
        DeleteFileW(file.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    AnsiText Contents() const {
        UniqueFile handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        if (!handle) {
            return "<missing>";
        }
        AnsiText bytes(4096, '\0');
        DWORD read = 0;
        ReadFile(handle.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        bytes.resize(read);
        return bytes;
    }

    Win32Files files;
    Text folder;
    Text file;
};

TEST_F(FilesTest, AppendCreatesTheFileAndAddsExactBytesAtItsEnd) {
    files.Append(file, "\"first \xBB line\"\r\n");
    EXPECT_EQ(Contents(), "\"first \xBB line\"\r\n");
    files.Append(file, AnsiText("second\0\n", 8));
    EXPECT_EQ(Contents(), "\"first \xBB line\"\r\n" + AnsiText("second\0\n", 8));
}

TEST_F(FilesTest, AppendingNothingStillCreatesTheFile) {
    files.Append(file, "");
    EXPECT_EQ(Contents(), "");
}

TEST_F(FilesTest, AFileThatCannotBeOpenedLosesTheBytesQuietly) {
    const Text unreachable = folder + L"\\no such folder\\test.html";
    files.Append(unreachable, "lost");
    EXPECT_EQ(GetFileAttributesW(unreachable.c_str()), INVALID_FILE_ATTRIBUTES);
    // The next append to a good file is unaffected.
    files.Append(file, "kept");
    EXPECT_EQ(Contents(), "kept");
}

TEST(TextBoxAdapter, ReadsAndWritesTheEditControlsTextInFullUnicode) {
    FormWindow form;
    ASSERT_TRUE(form.Create(WindowSpec{
        .name = "frmTextBox",
        .caption = L"Text box",
        .clientWidth = 3000,
        .clientHeight = 1000,
        .controls = {{.name = "Text3",
                      .kind = ControlKind::TextBox,
                      .width = 2000,
                      .height = 285,
                      .caption = L"Text3",
                      .visible = false}},
    }));
    Win32TextBox text3(form.Control("Text3"));
    EXPECT_EQ(text3.GetText(), L"Text3");
    text3.SetText(L"\u4E2D <b>name</b> \u00BB ");
    EXPECT_EQ(text3.GetText(), L"\u4E2D <b>name</b> \u00BB ");
    text3.SetText(L"");
    EXPECT_EQ(text3.GetText(), L"");
}

struct MessageBoxSeen {
    bool found = false;
    std::wstring text;
    bool icon = false;
    HWND owner = nullptr;
};

struct BoxSearch {
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK TakeVisibleBoxWithTitle(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<BoxSearch*>(lParam);
    if (IsWindowVisible(window) && testing::TextOf(window) == *search.title) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

MessageBoxSeen Inspect(HWND box) {
    MessageBoxSeen seen{.found = true, .owner = GetWindow(box, GW_OWNER)};
    for (HWND child : testing::ChildrenInZOrder(box)) {
        if (testing::ClassOf(child) != L"Static" || !IsWindowVisible(child)) {
            continue;
        }
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (!testing::TextOf(child).empty()) {
            seen.text = testing::TextOf(child);
        }
    }
    return seen;
}

// Shows the box and answers it as a person would. Only a box of this thread that shows this text counts:
// under Wine an earlier box with the same title can linger while it is being hidden.
MessageBoxSeen ShowAndAnswer(const Text& text, const Text& title, MessageIcon icon,
                             const Form* owner = nullptr) {
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> returned{false};
    MessageBoxSeen seen;
    std::thread person([&] {
        const auto deadline = std::chrono::steady_clock::now() + testing::kPatience;
        while (!returned && std::chrono::steady_clock::now() < deadline) {
            BoxSearch search{&title, nullptr};
            EnumThreadWindows(uiThread, &TakeVisibleBoxWithTitle, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
                const MessageBoxSeen candidate = Inspect(search.found);
                if (candidate.text == text) {
                    seen = candidate;
                    PostMessageW(search.found, WM_COMMAND, IDOK, 0);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!returned) {
            testing::CloseWindowsOfThread(uiThread);
        }
    });
    Win32Dialogs().ShowMessage(owner, text, title, icon);
    returned = true;
    person.join();
    return seen;
}

TEST(MessageBoxes, ShowsTheTextUnderTheTitleWithAnIconOnlyWhenAsked) {
    const MessageBoxSeen plain = ShowAndAnswer(L"You must enter a username!", L"Error", MessageIcon::None);
    EXPECT_TRUE(plain.found);
    EXPECT_EQ(plain.text, L"You must enter a username!");
    EXPECT_FALSE(plain.icon);

    const MessageBoxSeen warned = ShowAndAnswer(L"No file selected!", L"Error", MessageIcon::Exclamation);
    EXPECT_TRUE(warned.found);
    EXPECT_EQ(warned.text, L"No file selected!");
    EXPECT_TRUE(warned.icon);
}

TEST(MessageBoxes, AreOwnedByTheWindowTheyBelongToNotTheActiveOne) {
    Win32FormFactory forms;
    const auto owner = forms.Create(WindowSpec{.name = "frmOwner", .caption = L"Owner"});
    const auto active = forms.Create(WindowSpec{.name = "frmActive", .caption = L"Active"});
    owner->Show();
    active->Show();
    SetActiveWindow(Win32Form::Of(active.get())->Window().Handle());
    EXPECT_EQ(ShowAndAnswer(L"Owned", L"Error", MessageIcon::None, owner.get()).owner,
              Win32Form::Of(owner.get())->Window().Handle());
    EXPECT_EQ(ShowAndAnswer(L"Alone", L"Error", MessageIcon::None).owner, nullptr);
}

}  // namespace
}  // namespace orv::win32
