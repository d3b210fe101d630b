// cSysTray1 on the shell of the test desktop: the icon goes up and down as the shell sees it, and says so
// when the shell refuses it; its callback messages reach the events, and a restarted shell
// ("TaskbarCreated") gets the icon again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_tray_icon.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::PumpUntil;

// Asks the shell to change the icon's tip: it can only when it has the icon.
bool ShellHasIcon(const Win32TrayIcon& tray) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = tray.Handle();
    data.uID = Win32TrayIcon::kIconId;
    data.uFlags = NIF_TIP;
    wcscpy_s(data.szTip, L"Orv Jubo");
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HICON ProgramLikeIcon() {
    return LoadIconW(nullptr, IDI_APPLICATION);
}

TEST(TrayIcon, GoesUpAndDownInTheShell) {
    Win32TrayIcon tray(ProgramLikeIcon(), L"Orv Jubo");
    EXPECT_FALSE(tray.InTray());
    EXPECT_FALSE(ShellHasIcon(tray));
    tray.SetInTray(true);
    EXPECT_TRUE(tray.InTray());
    EXPECT_TRUE(ShellHasIcon(tray));
    tray.SetInTray(false);
    EXPECT_FALSE(tray.InTray());
    EXPECT_FALSE(ShellHasIcon(tray));
}

// The first NIM_ADD fails, with the icon refused or taken all the same (a shell that answered too late);
// every other message reaches the shell as it is.
TEST(TrayIcon, TellsWhetherTheShellTookTheIcon) {
    for (const bool taken : {false, true}) {
        SCOPED_TRACE(taken ? "taken, though the shell answered too late" : "refused");
        int adds = 0;
        Win32TrayIcon tray(ProgramLikeIcon(), L"Orv Jubo", [&](DWORD message, NOTIFYICONDATAW* data) -> BOOL {
            if (message != NIM_ADD || ++adds > 1) {
                return Shell_NotifyIconW(message, data);
            }
            if (taken) {
                Shell_NotifyIconW(message, data);
            }
            return FALSE;
        });
        EXPECT_EQ(tray.SetInTray(true), taken);
        EXPECT_EQ(tray.InTray(), taken);
        EXPECT_EQ(ShellHasIcon(tray), taken);
        // The next try reaches a shell that takes it.
        EXPECT_TRUE(tray.SetInTray(true));
        EXPECT_FALSE(tray.SetInTray(false));
        EXPECT_FALSE(ShellHasIcon(tray));
    }
}

TEST(TrayIcon, CallbackMessagesReachTheEvents) {
    Win32TrayIcon tray(ProgramLikeIcon(), L"Orv Jubo");
    tray.SetInTray(true);
    std::vector<std::string> seen;
    tray.onMouseUp = [&](MouseButton button) {
        seen.push_back(button == MouseButton::Right ? "right" : "left");
    };
    tray.onDoubleClick = [&] { seen.push_back("double"); };
    // A right click comes as WM_RBUTTONUP and then WM_CONTEXTMENU: one event.
    const struct {
        std::vector<UINT> mouse;
        std::vector<std::string> events;
    } cases[] = {
        {{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}, {"right"}},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP}, {"left"}},
        {{WM_LBUTTONDBLCLK}, {"double"}},
        {{WM_MOUSEMOVE}, {}},
    };
    for (const auto& c : cases) {
        seen.clear();
        for (const UINT mouse : c.mouse) {
            PostMessageW(tray.Handle(), Win32TrayIcon::kCallbackMessage, 0,
                         MAKELPARAM(mouse, Win32TrayIcon::kIconId));
        }
        PostMessageW(tray.Handle(), WM_NULL, 0, 0);
        // Every posted message handled once the queue is empty.
        MSG msg{};
        ASSERT_TRUE(PumpUntil([&] { return !PeekMessageW(&msg, tray.Handle(), 0, 0, PM_NOREMOVE); }));
        EXPECT_EQ(seen, c.events) << c.mouse.back();
    }
    tray.SetInTray(false);
}

TEST(TrayIcon, ARestartedShellGetsTheIconAgainOnlyWhileItIsUp) {
    Win32TrayIcon tray(ProgramLikeIcon(), L"Orv Jubo");
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    // A restarted shell has forgotten the icons: the icon is taken away behind the program's back, and the
    // new shell announces itself to every top-level window.
    const auto restartShell = [&] {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(NOTIFYICONDATAW);
        data.hWnd = tray.Handle();
        data.uID = Win32TrayIcon::kIconId;
        Shell_NotifyIconW(NIM_DELETE, &data);
        ASSERT_FALSE(ShellHasIcon(tray));
        SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_NORMAL, 5000, nullptr);
    };
    tray.SetInTray(true);
    restartShell();
    EXPECT_TRUE(PumpUntil([&] { return ShellHasIcon(tray); }));
    tray.SetInTray(false);
    restartShell();
    EXPECT_FALSE(ShellHasIcon(tray));
}

}  // namespace
}  // namespace orv::win32
