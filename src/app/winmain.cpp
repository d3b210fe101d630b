// The program: builds the adapters, the chat module and scanner, the main window frmJubo with its player,
// then runs frmJubo's load handler before showing it. Closing frmJubo (or the session ending) runs its unload
// handler, which ends the process.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "aim/chat.h"
#include "aim/chat_scanner.h"
#include "app/main_window_layout.h"
#include "app/startup.h"
#include "platform/win32/dpi.h"
#include "platform/win32/exception_barrier.h"
#include "platform/win32/form_window.h"
#include "platform/win32/jubo_player.h"
#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_text_box.h"
#include "platform/win32/win32_ui_timer.h"
#include "player/chat_module_sender.h"

namespace {

// The icon resource of the program (orvjubo.rc).
constexpr int kProgramIcon = 1;

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, arrows, space and Enter move between and press the controls of whichever window has them.
        const HWND window = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (window == nullptr || !IsDialogMessageW(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The manifest declares the same; this covers a copy of the program run without it.
    orv::win32::BecomeDpiAware();
    const INITCOMMONCONTROLSEX commonControls{.dwSize = sizeof(INITCOMMONCONTROLSEX),
                                              .dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&commonControls);
    // The media engine lives in this thread's apartment; the process ends without leaving it.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    orv::win32::Win32CodePage codePage;
    orv::win32::Win32Files files;
    orv::Win32ChatWindows chatWindows;
    orv::win32::Win32Dialogs dialogs;
    orv::win32::Win32Process process;
    orv::win32::Win32UiTimer chat_tymer;

    orv::win32::FormWindow frmJubo;
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!frmJubo.Create(orv::MainWindowSpec(), {.icon = icon})) {
        return 1;
    }

    orv::Chat chat(chatWindows, codePage, files);
    orv::ChatModuleSender chatSender(chat);
    orv::tasp_aim_chat tasp1(chat, chat_tymer);
    orv::win32::JuboPlayer player(frmJubo, dialogs, chatSender);
    // Under Wine a process that ends while the engine's graph is open crashes in the graph's threads; the
    // program lets go of the graph first.
    process.beforeEnd = [&player] { player.CloseEngine(); };
    orv::win32::Win32TextBox Text3(frmJubo.Control("Text3"));
    orv::JuboLifecycle lifecycle(dialogs, chat, Text3, player.DisableChatSends(), tasp1, process);

    // Closing (close box, system menu, Alt+F4), the end of the session and the window's destruction all
    // unload the program; the first of them ends the process. The other windows do nothing at the end of
    // the session, so the shutdown reads their settings as the user left them.
    frmJubo.onUnload = [&lifecycle] { lifecycle.Form_Unload(); };
    frmJubo.onSessionEnd = [&lifecycle] { lifecycle.Form_Unload(); };
    frmJubo.onTerminate = [&lifecycle] { lifecycle.Form_Unload(); };

    // The prompts of the load handler come before the window is shown. Like any handler, a load handler
    // that fails is abandoned and the program goes on.
    orv::win32::RunBehindBarrier([&lifecycle] { lifecycle.Form_Load(); });
    frmJubo.Show();
    SetForegroundWindow(frmJubo.Handle());

    return RunMessageLoop();
}
