#include "platform/win32/crash_report.h"

#include <dbghelp.h>

#include <cstdio>
#include <cwchar>
#include <exception>

namespace orv::win32 {
namespace {

using MiniDumpWriteDumpFunction = BOOL(WINAPI*)(HANDLE process, DWORD processId, HANDLE file,
                                                MINIDUMP_TYPE type, PMINIDUMP_EXCEPTION_INFORMATION exception,
                                                PMINIDUMP_USER_STREAM_INFORMATION userStreams,
                                                PMINIDUMP_CALLBACK_INFORMATION callback);

// abort()'s exit code, for a C++ exception that nothing caught.
constexpr UINT kTerminateExitCode = 3;

// Everything the report needs is made ready at installation: a crashed process may have a broken heap, so
// the report is written from these buffers alone.
struct Installed {
    CrashReportNames names{};
    wchar_t reportFile[MAX_PATH]{};
    wchar_t dumpFile[MAX_PATH]{};
    MiniDumpWriteDumpFunction writeDump = nullptr;
    char text[4096]{};
    volatile LONG reporting = 0;
};
Installed installed;

struct ExceptionName {
    DWORD code;
    const char* name;
};
constexpr ExceptionName kExceptionNames[] = {
    {EXCEPTION_ACCESS_VIOLATION, "access violation"},
    {EXCEPTION_IN_PAGE_ERROR, "in-page error"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION, "privileged instruction"},
    {EXCEPTION_STACK_OVERFLOW, "stack overflow"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "integer division by zero"},
    {EXCEPTION_INT_OVERFLOW, "integer overflow"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "array bounds exceeded"},
    {EXCEPTION_FLT_DIVIDE_BY_ZERO, "floating-point division by zero"},
    {EXCEPTION_FLT_INVALID_OPERATION, "invalid floating-point operation"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, "misaligned data"},
    {EXCEPTION_BREAKPOINT, "breakpoint"},
    {EXCEPTION_NONCONTINUABLE_EXCEPTION, "noncontinuable exception"},
    {0xC0000374, "heap corruption"},
    {0xC0000409, "stack buffer overrun"},
};

const char* NameOf(DWORD code) {
    for (const ExceptionName& known : kExceptionNames) {
        if (known.code == code) {
            return known.name;
        }
    }
    return "exception";
}

// Appends to the report text; what does not fit is cut off.
template <typename... Values>
void Add(std::size_t& length, const char* format, Values... values) {
    if (length >= sizeof installed.text) {
        return;
    }
    const int added =
        std::snprintf(installed.text + length, sizeof installed.text - length, format, values...);
    if (added > 0) {
        length += static_cast<std::size_t>(added);
    }
    if (length >= sizeof installed.text) {
        length = sizeof installed.text - 1;
    }
}

void AddPath(std::size_t& length, const char* label, const wchar_t* path) {
    char utf8[MAX_PATH * 3]{};
    WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8, static_cast<int>(sizeof utf8), nullptr, nullptr);
    Add(length, "%s: %s\r\n", label, utf8);
}

// The module that holds the address, with the address's offset in it.
void AddPlace(std::size_t& length, const void* address) {
    Add(length, "Address: 0x%llX\r\n", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(address)));
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH]{};
    if (GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(address), &module) &&
        GetModuleFileNameW(module, path, MAX_PATH) != 0) {
        AddPath(length, "Module", path);
        Add(length, "Offset in module: 0x%llX\r\n",
            static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(address) -
                                            reinterpret_cast<ULONG_PTR>(module)));
    } else {
        Add(length, "Module: none known\r\n");
    }
}

void AddException(std::size_t& length, const EXCEPTION_RECORD& record) {
    Add(length, "Exception: 0x%08lX (%s", static_cast<unsigned long>(record.ExceptionCode),
        NameOf(record.ExceptionCode));
    if ((record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION ||
         record.ExceptionCode == EXCEPTION_IN_PAGE_ERROR) &&
        record.NumberParameters >= 2) {
        const ULONG_PTR access = record.ExceptionInformation[0];
        Add(length, ", %s address 0x%llX",
            access == 0   ? "reading"
            : access == 1 ? "writing"
                          : "executing",
            static_cast<unsigned long long>(record.ExceptionInformation[1]));
    }
    Add(length, ")\r\n");
    AddPlace(length, record.ExceptionAddress);
}

void WriteWhole(const wchar_t* path, const char* text, std::size_t length) {
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

bool WriteDump(EXCEPTION_POINTERS* exception) {
    if (installed.writeDump == nullptr) {
        return false;
    }
    const HANDLE file = CreateFileW(installed.dumpFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    MINIDUMP_EXCEPTION_INFORMATION where{
        .ThreadId = GetCurrentThreadId(), .ExceptionPointers = exception, .ClientPointers = FALSE};
    const BOOL written = installed.writeDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal,
                                             exception != nullptr ? &where : nullptr, nullptr, nullptr);
    CloseHandle(file);
    if (!written) {
        DeleteFileW(installed.dumpFile);
    }
    return written != FALSE;
}

// Writes both files: the text first, since it is the part most likely to come out of a broken process, then
// the dump, and the text once more with the dump's outcome.
void Report(const EXCEPTION_RECORD* record, EXCEPTION_POINTERS* exception) {
    // A second thread that crashes meanwhile waits here until the first one has ended the process.
    if (InterlockedExchange(&installed.reporting, 1) != 0) {
        Sleep(INFINITE);
    }
    std::size_t length = 0;
    Add(length, "%s %s crashed.\r\n", installed.names.program, installed.names.version);
    Add(length, "Program: %s\r\nVersion: %s\r\n", installed.names.program, installed.names.version);
    if (record != nullptr) {
        AddException(length, *record);
    } else {
        Add(length, "Exception: a C++ exception that nothing caught (std::terminate)\r\n");
    }
    wchar_t path[MAX_PATH]{};
    if (GetModuleFileNameW(nullptr, path, MAX_PATH) != 0) {
        AddPath(length, "Program file", path);
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    Add(length, "Time: %04u-%02u-%02u %02u:%02u:%02u (local)\r\nProcess: %lu, thread: %lu\r\n",
        static_cast<unsigned>(now.wYear), static_cast<unsigned>(now.wMonth), static_cast<unsigned>(now.wDay),
        static_cast<unsigned>(now.wHour), static_cast<unsigned>(now.wMinute),
        static_cast<unsigned>(now.wSecond), static_cast<unsigned long>(GetCurrentProcessId()),
        static_cast<unsigned long>(GetCurrentThreadId()));
    WriteWhole(installed.reportFile, installed.text, length);
    if (WriteDump(exception)) {
        AddPath(length, "Minidump", installed.dumpFile);
    } else {
        Add(length, "Minidump: none (this Windows offers no MiniDumpWriteDump, or it failed)\r\n");
    }
    WriteWhole(installed.reportFile, installed.text, length);
}

LONG WINAPI ReportUnhandledException(EXCEPTION_POINTERS* exception) {
    Report(exception->ExceptionRecord, exception);
    // The process ends with the exception's code as its exit code.
    return EXCEPTION_EXECUTE_HANDLER;
}

[[noreturn]] void ReportTerminate() {
    Report(nullptr, nullptr);
    TerminateProcess(GetCurrentProcess(), kTerminateExitCode);
    ExitProcess(kTerminateExitCode);
}

// dbghelp.dll from the system folder only (never one beside the program or in the current folder), loaded
// now rather than in a crashed process; it stays loaded for the life of the process.
MiniDumpWriteDumpFunction FindMiniDumpWriteDump() {
    wchar_t path[MAX_PATH]{};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 14 >= MAX_PATH) {
        return nullptr;
    }
    std::wcscat(path, L"\\dbghelp.dll");
    const HMODULE dbghelp = LoadLibraryW(path);
    if (dbghelp == nullptr) {
        return nullptr;
    }
    // GetProcAddress answers with a pointer of one fixed type; the detour through a pointer to a function
    // of no parameters is the cast that compilers accept without a warning.
    return reinterpret_cast<MiniDumpWriteDumpFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(dbghelp, "MiniDumpWriteDump")));
}

}  // namespace

void InstallCrashReport(const CrashReportNames& names) {
    installed.names = names;
    std::swprintf(installed.reportFile, MAX_PATH, L"%ls-crash.txt", names.fileStem);
    std::swprintf(installed.dumpFile, MAX_PATH, L"%ls-crash.dmp", names.fileStem);
    SetUnhandledExceptionFilter(ReportUnhandledException);
    std::set_terminate(ReportTerminate);
    installed.writeDump = FindMiniDumpWriteDump();
}

}  // namespace orv::win32
