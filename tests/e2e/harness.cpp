#include "e2e/harness.h"

#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace e2e {

namespace {

// How long one message to another program's window may take before we treat the window as not answering.
constexpr UINT kMessageTimeoutMs = 10000;

bool SameText(const std::wstring& a, const std::wstring& b, bool ignoreCase) {
    if (ignoreCase) {
        return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                    static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
    }
    return a == b;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

// The caption as the window manager keeps it; asks nothing of the window's program, so it also works on a
// window whose program does not answer.
std::wstring CaptionOf(HWND window) {
    wchar_t caption[512] = {};
    InternalGetWindowText(window, caption, static_cast<int>(std::size(caption)));
    return caption;
}

bool Matches(HWND window, const WindowQuery& query) {
    if (!IsWindowVisible(window)) {
        return false;
    }
    if (query.processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != query.processId) {
            return false;
        }
    }
    if (!query.className.empty() && !SameText(ClassOf(window), query.className, true)) {
        return false;
    }
    return query.caption.empty() || CaptionOf(window) == query.caption;
}

struct TopWindowSearch {
    const WindowQuery* query;
    HWND found;
};

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TopWindowSearch*>(context);
    if (Matches(window, *search->query)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct DescendantSearch {
    const std::wstring* className;
    const std::wstring* text;
    HWND found;
};

BOOL CALLBACK VisitDescendant(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DescendantSearch*>(context);
    if (!search->className->empty() && !SameText(ClassOf(window), *search->className, true)) {
        return TRUE;
    }
    if (!search->text->empty() && WindowText(window) != *search->text) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND FindButton(HWND parent, const std::wstring& caption) {
    // The window's own buttons first: a panel inside it may hold buttons with the same captions.
    if (HWND own = FindWindowExW(parent, nullptr, L"Button", caption.c_str())) {
        return own;
    }
    if (HWND button = FindDescendant(parent, L"Button", caption)) {
        return button;
    }
    return FindDescendant(parent, L"", caption);
}

}  // namespace

DWORD Scaled(DWORD timeoutMs) {
    static const DWORD factor = [] {
        wchar_t value[16] = {};
        DWORD length = GetEnvironmentVariableW(L"ORVJUBO_E2E_TIME_SCALE", value, 16);
        if (length == 0 || length >= 16) {
            return DWORD{1};
        }
        unsigned long parsed = std::wcstoul(value, nullptr, 10);
        return parsed == 0 ? DWORD{1} : static_cast<DWORD>(parsed);
    }();
    return timeoutMs > MAXDWORD / factor ? MAXDWORD - 1 : timeoutMs * factor;
}

LaunchedProgram::LaunchedProgram(const std::wstring& exePath, const std::wstring& arguments,
                                 const std::wstring& workingFolder) {
    PROCESS_INFORMATION info{};
    if (!guard_.Start(exePath, arguments, workingFolder, info)) {
        startError_ = GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    // Window lookups are only meaningful once the program is reading its messages.
    WaitForInputIdle(process_, Scaled(10000));
}

LaunchedProgram::~LaunchedProgram() {
    Kill();
    if (process_) {
        CloseHandle(process_);
    }
}

LaunchedProgram::LaunchedProgram(LaunchedProgram&& other) noexcept
    : guard_(std::move(other.guard_)),
      process_(std::exchange(other.process_, nullptr)),
      id_(other.id_),
      startError_(other.startError_) {}

LaunchedProgram& LaunchedProgram::operator=(LaunchedProgram&& other) noexcept {
    if (this != &other) {
        Kill();
        if (process_) {
            CloseHandle(process_);
        }
        guard_ = std::move(other.guard_);
        process_ = std::exchange(other.process_, nullptr);
        id_ = other.id_;
        startError_ = other.startError_;
    }
    return *this;
}

bool LaunchedProgram::HasEnded() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

bool LaunchedProgram::WaitForEnd(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, Scaled(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD LaunchedProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) {
        GetExitCodeProcess(process_, &code);
    }
    return code;
}

void LaunchedProgram::Kill() {
    guard_.EndAndCheck(process_, 1);
}

TempFolder::TempFolder() {
    static unsigned serial = 0;
    std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        std::filesystem::path candidate = base / (L"orvjubo-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                                                  L"-" + std::to_wstring(++serial));
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate.wstring();
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return;
        }
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::filesystem::path(std::wstring(path.data(), length)).parent_path().wstring();
        }
        path.resize(path.size() * 2);
    }
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring BuiltProgram(const std::wstring& relativePath, const wchar_t* overrideVariable) {
    if (overrideVariable) {
        wchar_t value[MAX_PATH] = {};
        DWORD length = GetEnvironmentVariableW(overrideVariable, value, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            return value;
        }
    }
    // Single-configuration builds keep the tests in <build>/tests and the programs under <build>; multi-
    // configuration builds (Visual Studio) add a folder per configuration to both.
    namespace fs = std::filesystem;
    fs::path tests = ProgramFolder();
    fs::path relative = relativePath;
    fs::path candidates[] = {
        tests.parent_path() / relative,
        tests.parent_path().parent_path() / relative,
        tests.parent_path().parent_path() / relative.parent_path() / tests.filename() / relative.filename(),
    };
    for (const fs::path& candidate : candidates) {
        if (FileExists(candidate.wstring())) {
            return candidate.wstring();
        }
    }
    return candidates[0].wstring();
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + Scaled(timeoutMs);
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(pollMs);
    }
}

HWND FindTopWindow(const WindowQuery& query) {
    TopWindowSearch search{&query, nullptr};
    EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const WindowQuery& query, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeoutMs);
    return found;
}

HWND FindDescendant(HWND parent, const std::wstring& className, const std::wstring& text) {
    DescendantSearch search{&className, &text, nullptr};
    EnumChildWindows(parent, VisitDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowOfProcess(HWND parent, const wchar_t* className, DWORD processId) {
    for (HWND window = nullptr; (window = FindWindowExW(parent, window, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

bool Answers(HWND window, DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, Scaled(timeoutMs), &ignored) != 0;
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs),
                             &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs), &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

std::string WindowTextAnsi(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs),
                             &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs), &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

bool SetWindowTextTo(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs), &result) != 0 &&
           result != 0;
}

void PressButton(HWND button) {
    if (SameText(ClassOf(button), L"Button", true)) {
        PostMessageW(button, BM_CLICK, 0, 0);
        return;
    }
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

void AskToClose(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

bool TypeIntoInputBox(HWND box, const std::wstring& text) {
    HWND edit = FindDescendant(box, L"Edit", L"");
    return edit && SetWindowTextTo(edit, text);
}

bool AnswerInputBox(HWND box, const std::wstring& text) {
    return TypeIntoInputBox(box, text) && PressButtonIn(box, L"OK");
}

bool PressButtonIn(HWND window, const std::wstring& button) {
    HWND target = FindButton(window, button);
    if (!target) {
        return false;
    }
    PressButton(target);
    return true;
}

bool AnswerInputBox(DWORD processId, const std::wstring& caption, const std::wstring& text, DWORD timeoutMs) {
    HWND box = WaitForTopWindow({.processId = processId, .caption = caption}, timeoutMs);
    return box && AnswerInputBox(box, text);
}

bool ChooseFromMenu(DWORD processId, int item, DWORD timeoutMs) {
    // The menu's own window class; its keys go to the loop of the thread that opened it.
    HWND menu = WaitForTopWindow({.processId = processId, .className = L"#32768"}, timeoutMs);
    if (menu == nullptr) {
        return false;
    }
    for (int i = 0; i <= item; ++i) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

bool PressButtonOf(DWORD processId, const std::wstring& caption, const std::wstring& button,
                   DWORD timeoutMs) {
    HWND window = WaitForTopWindow({.processId = processId, .caption = caption}, timeoutMs);
    return window && PressButtonIn(window, button);
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), size, nullptr,
                        nullptr);
    return ansi;
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace e2e
