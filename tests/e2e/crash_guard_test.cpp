// The guard of every program the tests start, shown to fire: a program that crashes at exit, after its entry
// point has returned and its exit code would say nothing, fails the test that started it, whether or not it
// wrote its own crash report first; one that ends cleanly fails nothing.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/harness.h"

namespace e2e {
namespace {

struct ExitCase {
    const char* name;
    const wchar_t* arguments;
    // What the failure of the test must say, or nothing when there must be none; then what it also says
    // where the programs do not run under an emulator (qemu reports the null write as an illegal
    // instruction, and Wine's dbghelp cannot write a minidump there).
    std::vector<std::string> failureSays;
    std::vector<std::string> failureAlsoSaysUnemulated;
    bool leavesMinidumpUnemulated;
};

const ExitCase kExitCases[] = {
    {"a clean exit", L"", {}, {}, false},
    {"a crash at exit, reported by the program",
     L"--crash",
     {"crash_at_exit crashed. It ended with the exception code 0x",
      "crash_at_exit-crash.txt:", "Crash-at-exit test program 2.1 crashed.", "Version: 2.1", "Exception: 0x",
      "crash_at_exit.exe", "Time: "},
     {"It ended with the exception code 0xC0000005.",
      "Exception: 0xC0000005 (access violation, writing address 0x0)", "Minidump: crash_at_exit-crash.dmp"},
     true},
    // Where Wine's debugger is kept out (scripts/test), the program ends with the exception's code; elsewhere
    // the debugger holds it until the test ends it.
    {"a crash at exit that only the system sees",
     L"--crash --without-report",
     {"crash_at_exit crashed. "},
     {},
     false},
};

TEST(CrashGuard, FailsTheTestOfAProgramThatCrashedAtExitAndNoOther) {
    const std::wstring exe = BuiltProgram(L"tests\\crash_at_exit.exe", nullptr);
    ASSERT_TRUE(FileExists(exe)) << "crash_at_exit.exe was not built";
    const bool emulated = Scaled(1) > 1;
    for (const ExitCase& exitCase : kExitCases) {
        SCOPED_TRACE(exitCase.name);
        TempFolder folder;
        bool started = false;
        bool ended = false;
        ::testing::TestPartResultArray failures;
        {
            // Only what the guard records lands here; the checks below go to the test.
            ::testing::ScopedFakeTestPartResultReporter guardOnly(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            LaunchedProgram program(exe, exitCase.arguments, folder.Path());
            started = program.Started();
            ended = program.WaitForEnd(kEndTimeoutMs);
            program.Kill();
        }
        ASSERT_TRUE(started) << "crash_at_exit.exe did not start";
        if (exitCase.failureSays.empty()) {
            EXPECT_TRUE(ended) << "crash_at_exit.exe did not end by itself";
            EXPECT_EQ(failures.size(), 0) << failures.GetTestPartResult(0).message();
        } else {
            ASSERT_EQ(failures.size(), 1) << "the guard stayed silent about the crash";
            const std::string said = failures.GetTestPartResult(0).message();
            EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
            std::vector<std::string> parts = exitCase.failureSays;
            if (!emulated) {
                parts.insert(parts.end(), exitCase.failureAlsoSaysUnemulated.begin(),
                             exitCase.failureAlsoSaysUnemulated.end());
            }
            for (const std::string& part : parts) {
                EXPECT_NE(said.find(part), std::string::npos) << "missing \"" << part << "\" in: " << said;
            }
        }
        const std::string dump = ReadFileBytes(folder.File(L"crash_at_exit-crash.dmp"));
        if (!emulated) {
            EXPECT_EQ(dump.rfind("MDMP", 0) == 0, exitCase.leavesMinidumpUnemulated)
                << "a minidump of " << dump.size() << " bytes";
        }
    }
}

}  // namespace
}  // namespace e2e
