// The program on Windows: the Win32 adapters of the ports, then the program made of them; frmJubo's load
// handler runs before the window shows. Closing frmJubo (or the session ending) runs its unload handler,
// which ends the process.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "app/program.h"
#include "platform/exception_barrier.h"
#include "platform/win32/crash_report.h"
#include "platform/win32/dpi.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/win32_chat_windows.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_ui_timer.h"

namespace {

// The icon resource of the program (orvjubo.rc).
constexpr int kProgramIcon = 1;

}  // namespace

#if defined(__GLIBCXX__)
#include <cxxabi.h>

// The handler std::terminate calls until InstallCrashReport puts the crash report's own in its place, that
// is only for an exception that escapes a static initialiser. It says what GCC's runtime says there, but
// names the exception's type as the compiler does (mangled) rather than pulling the runtime's demangler,
// some 47 KB, into a program that would need it only in that moment.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    static bool terminating = false;
    if (terminating) {
        std::fputs("terminate called recursively\n", stderr);
        std::abort();
    }
    terminating = true;
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr) {
        std::fputs("terminate called without an active exception\n", stderr);
        std::abort();
    }
    std::fprintf(stderr, "terminate called after throwing an instance of '%s'\n", type->name());
    try {
        throw;
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "  what():  %s\n", exception.what());
    } catch (...) {
    }
    std::abort();
}
}  // namespace __gnu_cxx
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Before anything else, so that a crash at any later moment leaves its report beside "test.html".
    orv::win32::InstallCrashReport({.fileStem = L"orvjubo", .program = "Orv Jubo", .version = "2.1"});
    // The manifest declares the same; this covers a copy of the program run without it.
    orv::win32::BecomeDpiAware();
    const INITCOMMONCONTROLSEX commonControls{.dwSize = sizeof(INITCOMMONCONTROLSEX),
                                              .dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&commonControls);
    // The media engine lives in this thread's apartment; the process ends without leaving it.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    orv::win32::Win32FormFactory forms(icon);
    orv::win32::Win32EnginePanels enginePanels;
    orv::win32::Win32Folders folders;
    orv::win32::Win32Dialogs dialogs;
    orv::Win32ChatWindows chatWindows;
    orv::win32::Win32CodePage codePage;
    orv::win32::Win32Files files;
    orv::win32::Win32UiTimer chat_tymer;
    orv::win32::Win32Process process;
    orv::win32::Win32HandlerQueue engineEvents;
    // The notification area shows the small size of the icon.
    const auto smallIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    orv::win32::Win32TrayIcon cSysTray1(smallIcon, orv::kTrayTip);
    // Under Wine a process that ends while the engine's graph is open crashes in the graph's threads; the
    // program lets go of the graph first. An icon left in the tray would stay until the pointer passes over
    // it.
    process.beforeEnd = [&enginePanels, &cSysTray1] {
        enginePanels.CloseEngines();
        cSysTray1.SetInTray(false);
    };

    std::unique_ptr<orv::JuboProgram> program;
    const bool made = orv::RunBehindBarrier([&] {
        program = std::make_unique<orv::JuboProgram>(orv::ProgramPorts{
            .forms = forms,
            .enginePanels = enginePanels,
            .folders = folders,
            .dialogs = dialogs,
            .chatWindows = chatWindows,
            .codePage = codePage,
            .files = files,
            .chatTimer = chat_tymer,
            .process = process,
            .later = engineEvents,
            .tray = cSysTray1,
        });
    });
    if (!made) {
        return 1;
    }
    program->Start();
    SetForegroundWindow(orv::win32::Win32Form::Of(&program->frmJubo())->Window().Handle());

    return orv::win32::RunMessageLoop();
}
