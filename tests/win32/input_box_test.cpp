// The input box answered as a person would, from another thread: found by its title, typed into, and closed
// with one of its buttons or its close box.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "platform/win32/form_window.h"
#include "platform/win32/input_box.h"
#include "platform/win32/win32_dialogs.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::ClassOf;
using testing::FindChild;
using testing::TextOf;

struct BoxSeen {
    bool found = false;
    int edits = 0;
    std::wstring prompt;
    bool ownerEnabledMeanwhile = true;
};

// Runs the person on another thread while the box runs on this one. If the box never comes, the person
// closes whatever this thread shows so that the test ends instead of hanging.
std::optional<Text> AskWhile(const std::function<std::optional<Text>()>& ask,
                             const std::function<void(HWND box, BoxSeen& seen)>& person, const Text& title,
                             BoxSeen& seen) {
    const DWORD uiThread = GetCurrentThreadId();
    std::thread helper([&] {
        const HWND box = testing::WaitForWindow(title);
        if (box == nullptr) {
            testing::CloseWindowsOfThread(uiThread);
            return;
        }
        seen.found = true;
        for (HWND child : testing::ChildrenInZOrder(box)) {
            if (ClassOf(child) == L"Edit") {
                ++seen.edits;
            }
            if (ClassOf(child) == L"Static") {
                seen.prompt = TextOf(child);
            }
        }
        person(box, seen);
    });
    auto answer = ask();
    helper.join();
    return answer;
}

void Type(HWND box, const wchar_t* text) {
    SendMessageW(FindWindowExW(box, nullptr, L"Edit", nullptr), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text));
}

void Press(HWND box, const wchar_t* caption) {
    const HWND button = FindChild(box, L"Button", caption);
    EXPECT_NE(button, nullptr) << "no button";
    if (button == nullptr) {
        PostMessageW(box, WM_CLOSE, 0, 0);  // end the box so that the test can end
        return;
    }
    SendMessageW(button, BM_CLICK, 0, 0);
}

TEST(InputBox, OkYieldsTheTypedTextExactly) {
    Win32Dialogs dialogs;
    BoxSeen seen;
    const auto answer = AskWhile([&] { return dialogs.AskText(nullptr, L"UserName", L"UserName"); },
                                 [](HWND box, BoxSeen&) {
                                     Type(box, L"  Orv \u00BB <b>\u4E2D</b> ");
                                     Press(box, L"OK");
                                 },
                                 L"UserName", seen);
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.edits, 1);
    EXPECT_EQ(seen.prompt, L"UserName");
    EXPECT_EQ(answer, std::optional<Text>(L"  Orv \u00BB <b>\u4E2D</b> "));
}

TEST(InputBox, OkWithNothingTypedYieldsEmptyTextNotNothing) {
    Win32Dialogs dialogs;
    BoxSeen seen;
    const auto answer = AskWhile([&] { return dialogs.AskText(nullptr, L"Prompt", L"Empty answer"); },
                                 [](HWND box, BoxSeen&) { Press(box, L"OK"); }, L"Empty answer", seen);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, L"");
}

TEST(InputBox, CancelAndTheCloseBoxYieldNothingWhateverWasTyped) {
    Win32Dialogs dialogs;
    BoxSeen seen;
    EXPECT_EQ(AskWhile([&] { return dialogs.AskText(nullptr, L"Prompt", L"Cancelled"); },
                       [](HWND box, BoxSeen&) {
                           Type(box, L"typed");
                           Press(box, L"Cancel");
                       },
                       L"Cancelled", seen),
              std::nullopt);
    EXPECT_TRUE(seen.found);

    BoxSeen closed;
    EXPECT_EQ(AskWhile([&] { return dialogs.AskText(nullptr, L"Prompt", L"Closed"); },
                       [](HWND box, BoxSeen&) {
                           Type(box, L"typed");
                           PostMessageW(box, WM_CLOSE, 0, 0);
                       },
                       L"Closed", closed),
              std::nullopt);
    EXPECT_TRUE(closed.found);
}

TEST(InputBox, TheOwnerIsDisabledWhileTheBoxIsUpAndEnabledAfter) {
    FormWindow owner;
    ASSERT_TRUE(owner.Create(
        WindowSpec{.name = "frmOwner", .caption = L"Owner", .clientWidth = 3000, .clientHeight = 2000}));
    BoxSeen seen;
    const auto answer = AskWhile([&] { return RunInputBox(owner.Handle(), L"Prompt", L"Owned box"); },
                                 [&](HWND box, BoxSeen& s) {
                                     s.ownerEnabledMeanwhile = IsWindowEnabled(owner.Handle()) != FALSE;
                                     Type(box, L"x");
                                     Press(box, L"OK");
                                 },
                                 L"Owned box", seen);
    EXPECT_EQ(answer, std::optional<Text>(L"x"));
    EXPECT_FALSE(seen.ownerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(InputBox, IsGoneWhenItHasAnswered) {
    Win32Dialogs dialogs;
    BoxSeen seen;
    AskWhile([&] { return dialogs.AskText(nullptr, L"Prompt", L"Gone after"); },
             [](HWND box, BoxSeen&) { Press(box, L"OK"); }, L"Gone after", seen);
    EXPECT_EQ(FindWindowW(nullptr, L"Gone after"), nullptr);
}

}  // namespace
}  // namespace orv::win32
