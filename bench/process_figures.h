#pragma once
// What the benchmarks read of another process from outside it: its private bytes and its CPU time.
#include <windows.h>
// After windows.h.
#include <psapi.h>

#include <cstdio>
#include <string>

namespace orv::bench {

// The process's private bytes; 0, with a line saying why, when they cannot be read.
inline SIZE_T PrivateBytes(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const bool read =
        process != nullptr &&
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    if (!read) {
        std::printf("private bytes of %lu not read: error %lu\n", static_cast<unsigned long>(processId),
                    GetLastError());
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
    // The commit charge is the private bytes (Wine leaves PrivateUsage at zero).
    return read ? counters.PagefileUsage : 0;
}

namespace detail {

inline double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

inline bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

inline std::string FileText(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    std::string text;
    if (file == INVALID_HANDLE_VALUE) {
        return text;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    CloseHandle(file);
    return text;
}

}  // namespace detail

// The CPU time (user plus kernel) a program started by the benchmark has used. Wine keeps no times of other
// processes (GetProcessTimes gives zero), so there the Linux process that runs the program is found by the
// program's file name in its command line, and its times are read from /proc through drive Z:.
class ProcessCpu {
  public:
    ProcessCpu(DWORD processId, const std::wstring& exeName) : processId_(processId) {
        if (!detail::UnderWine()) {
            return;
        }
        std::string name(exeName.begin(), exeName.end());
        CharLowerBuffA(name.data(), static_cast<DWORD>(name.size()));
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
        if (search == INVALID_HANDLE_VALUE) {
            return;
        }
        do {
            if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') {
                continue;
            }
            const std::wstring folder = std::wstring(L"Z:\\proc\\") + found.cFileName;
            std::string commandLine = detail::FileText(folder + L"\\cmdline");
            CharLowerBuffA(commandLine.data(), static_cast<DWORD>(commandLine.size()));
            if (commandLine.find(name) != std::string::npos) {
                statPath_ = folder + L"\\stat";
                break;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    // Whether the times can be read at all.
    bool Readable() const { return Seconds() >= 0; }

    // In seconds; negative when they cannot be read.
    double Seconds() const {
        if (!statPath_.empty()) {
            // The fields after the command's name in parentheses; user and system time are the 12th and 13th,
            // in ticks of 1/100 s.
            const std::string stat = detail::FileText(statPath_);
            const std::size_t nameEnd = stat.rfind(')');
            if (nameEnd == std::string::npos) {
                return -1;
            }
            unsigned long long user = 0, system = 0;
            const int fields =
                std::sscanf(stat.c_str() + nameEnd + 1,
                            " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user, &system);
            return fields == 2 ? static_cast<double>(user + system) / 100 : -1;
        }
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId_);
        FILETIME created, exited, kernel, user;
        const bool read = process != nullptr && GetProcessTimes(process, &created, &exited, &kernel, &user);
        if (process != nullptr) {
            CloseHandle(process);
        }
        return read && !detail::UnderWine() ? detail::Seconds(kernel) + detail::Seconds(user) : -1;
    }

  private:
    DWORD processId_;
    std::wstring statPath_;
};

// A steady clock in milliseconds.
inline double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace orv::bench
