#include "crash_guard/crash_guard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace orv::testing {

namespace {

constexpr DWORD kEndTimeoutMs = 60000;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

std::wstring FreshFolder() {
    static unsigned serial = 0;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        const std::filesystem::path candidate =
            base /
            (L"orvjubo-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial));
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            return candidate.wstring();
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

CrashGuard::~CrashGuard() {
    RemoveOwnFolder();
}

CrashGuard::CrashGuard(CrashGuard&& other) noexcept
    : program_(std::move(other.program_)),
      folder_(std::move(other.folder_)),
      ownsFolder_(std::exchange(other.ownsFolder_, false)),
      unchecked_(std::exchange(other.unchecked_, false)) {}

CrashGuard& CrashGuard::operator=(CrashGuard&& other) noexcept {
    if (this != &other) {
        RemoveOwnFolder();
        program_ = std::move(other.program_);
        folder_ = std::move(other.folder_);
        ownsFolder_ = std::exchange(other.ownsFolder_, false);
        unchecked_ = std::exchange(other.unchecked_, false);
    }
    return *this;
}

bool CrashGuard::Start(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& folder,
                       PROCESS_INFORMATION& started) {
    RemoveOwnFolder();
    program_ = std::filesystem::path(exePath).stem().wstring();
    folder_ = folder;
    if (folder_.empty()) {
        folder_ = FreshFolder();
        ownsFolder_ = !folder_.empty();
    }
    // A report of an earlier run in the same folder is not this run's.
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(folder_) / (program_ + L"-crash.txt"), ignored);

    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started = {};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.empty() ? nullptr : folder_.c_str(), &startup, &started)) {
        return false;
    }
    unchecked_ = true;
    return true;
}

void CrashGuard::EndAndCheck(HANDLE process, UINT exitCode) {
    if (!unchecked_ || process == nullptr) {
        return;
    }
    unchecked_ = false;
    const bool endedByItself = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    BOOL debugged = FALSE;
    if (!endedByItself) {
        CheckRemoteDebuggerPresent(process, &debugged);
        TerminateProcess(process, exitCode);
        WaitForSingleObject(process, kEndTimeoutMs);
    }
    const std::string evidence = Evidence(process, endedByItself, debugged != FALSE);
    if (!evidence.empty()) {
        ADD_FAILURE() << Utf8(program_) << " crashed." << evidence;
    }
}

std::string CrashGuard::Evidence(HANDLE process, bool endedByItself, bool debugged) const {
    std::string evidence;
    // No test attaches a debugger: one that holds a program is the system's, started when an exception went
    // unhandled.
    if (debugged) {
        evidence += " A debugger holds it, as after an unhandled exception.";
    }
    DWORD code = STILL_ACTIVE;
    // Exception codes have the high bit of an error or of a warning; the programs' own exit codes are small
    // numbers.
    if (endedByItself && GetExitCodeProcess(process, &code) && code != STILL_ACTIVE &&
        (code & 0x80000000u) != 0) {
        char text[64];
        std::snprintf(text, sizeof text, " It ended with the exception code 0x%08lX.",
                      static_cast<unsigned long>(code));
        evidence += text;
    }
    const std::filesystem::path report = std::filesystem::path(folder_) / (program_ + L"-crash.txt");
    const std::string written = ReadWhole(report);
    if (!written.empty()) {
        evidence += " It left " + Utf8(report.wstring()) + ":\n" + written;
    }
    return evidence;
}

void CrashGuard::RemoveOwnFolder() {
    if (ownsFolder_) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        ownsFolder_ = false;
    }
}

}  // namespace orv::testing
