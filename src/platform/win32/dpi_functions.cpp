#include "platform/win32/dpi_functions.h"

#include <string>

namespace orv::win32 {
namespace {

// GetProcAddress answers with a pointer of one fixed type whatever the function is; the detour through a
// pointer to a function of no parameters is the cast that compilers accept without a warning.
template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    if (module != nullptr) {
        function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }
}

// shcore.dll from the system folder only (never one that lies beside the program or in the current folder),
// or null where Windows has none. It stays loaded for the life of the process.
HMODULE LoadShcore() {
    wchar_t folder[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\shcore.dll";
    return LoadLibraryW(path.c_str());
}

DpiFunctions Lookup() {
    DpiFunctions functions;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    Find(user32, "GetDpiForWindow", functions.getDpiForWindow);
    Find(user32, "GetDpiForSystem", functions.getDpiForSystem);
    Find(user32, "AdjustWindowRectExForDpi", functions.adjustWindowRectExForDpi);
    Find(user32, "SetProcessDpiAwarenessContext", functions.setProcessDpiAwarenessContext);
    const HMODULE shcore = LoadShcore();
    Find(shcore, "SetProcessDpiAwareness", functions.setProcessDpiAwareness);
    Find(shcore, "GetDpiForMonitor", functions.getDpiForMonitor);
    return functions;
}

}  // namespace

const DpiFunctions& DpiFunctions::OfThisWindows() {
    static const DpiFunctions functions = Lookup();
    return functions;
}

}  // namespace orv::win32
