#pragma once
// Starting a program for a test so that its crash, at any moment of its run and its shutdown included, fails
// the test, even where the exit code alone would not show it. Any of three signs is a crash:
// - "<name>-crash.txt" in the program's current folder, the report that the product's programs write;
// - an exit code that is an exception's code, which the system gives a process that it ends for an
//   unhandled exception (and the product's programs give themselves after their report);
// - a debugger attached when the test ends the program: Wine's own (winedbg --auto) attaches to a process
//   whose exception went unhandled and holds it, alive, until something ends it, and the exit code is then
//   the test's. scripts/test keeps that debugger out, so that such a process ends at once.
#include <windows.h>

#include <string>

namespace orv::testing {

class CrashGuard {
  public:
    CrashGuard() = default;
    ~CrashGuard();
    CrashGuard(const CrashGuard&) = delete;
    CrashGuard& operator=(const CrashGuard&) = delete;
    CrashGuard(CrashGuard&& other) noexcept;
    CrashGuard& operator=(CrashGuard&& other) noexcept;

    // Starts the program with the arguments in the folder or, when the folder is empty, in a fresh one of
    // the guard's own (removed with the guard). False, with the Windows error in GetLastError, when it did
    // not start.
    bool Start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& folder,
               PROCESS_INFORMATION& started);
    // Ends the started process with the exit code unless it has ended by itself, then records a failure of
    // the running test, with what the program left, when it crashed. Checks once per start.
    void EndAndCheck(HANDLE process, UINT exitCode);

  private:
    std::string Evidence(HANDLE process, bool endedByItself, bool debugged) const;
    void RemoveOwnFolder();

    std::wstring program_;
    std::wstring folder_;
    bool ownsFolder_ = false;
    bool unchecked_ = false;
};

}  // namespace orv::testing
