#include "platform/win32/win32_process.h"

#include <windows.h>

namespace orv::win32 {

void Win32Process::EndNow() {
    if (beforeEnd) {
        beforeEnd();
    }
    ExitProcess(0);
}

}  // namespace orv::win32
