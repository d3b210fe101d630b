#pragma once
// What a program of this product leaves behind when it crashes: an exception that nothing handled ends the
// process at once with the exception's code as its exit code, after a short plain-text report and, where
// dbghelp.dll offers MiniDumpWriteDump, a minidump have been written to the current folder (where the
// program keeps "test.html"), for the user to send to whoever looks after the program. Nothing is sent
// anywhere.
//
// Ending at once is chosen over passing the exception on: on Windows that would bring up the error-reporting
// window, and under Wine its debugger, which holds the dead process until someone ends it. Uses nothing of
// the rest of the program, so that every program of the product can build it in.
#include <windows.h>

namespace orv::win32 {

struct CrashReportNames {
    // The reports are "<file stem>-crash.txt" and "<file stem>-crash.dmp".
    const wchar_t* fileStem;
    // The program and its version as the report names them.
    const char* program;
    const char* version;
};

// Installs the report for every thread of the process. Call first thing in the program's entry point; it
// then also covers what runs after the entry point returns (static destructors). The names must live as
// long as the process.
void InstallCrashReport(const CrashReportNames& names);

}  // namespace orv::win32
