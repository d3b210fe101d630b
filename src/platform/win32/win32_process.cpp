#include "platform/win32/win32_process.h"

#include <windows.h>

namespace orv::win32 {

void Win32Process::EndNow() {
    ExitProcess(0);
}

}  // namespace orv::win32
