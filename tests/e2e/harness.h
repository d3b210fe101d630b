#pragma once
// Driving whole programs on the desktop the way a person would: start them, find their windows, type into an
// edit, press a button, read what a window shows, wait for a program to end. Every wait polls with a timeout,
// since under Wine a program can be held for seconds whenever one of its windows is hidden.
#include <windows.h>

#include <functional>
#include <string>

#include "crash_guard/crash_guard.h"

namespace e2e {

// Generous limits for things that happen "soon" under Wine on a busy machine.
inline constexpr DWORD kWindowTimeoutMs = 60000;
inline constexpr DWORD kEndTimeoutMs = 60000;

// The limit stretched by the whole factor in the environment variable ORVJUBO_E2E_TIME_SCALE (1 when unset),
// for programs that run under an emulator. Every wait and message of this harness applies it, so tests pass
// the limits of a plain run.
DWORD Scaled(DWORD timeoutMs);

// A program started in a given working directory. Killed on destruction unless it has ended by then; a crash
// of it at any moment fails the running test (orv::testing::CrashGuard).
class LaunchedProgram {
  public:
    LaunchedProgram() = default;
    LaunchedProgram(const std::wstring& exePath, const std::wstring& arguments,
                    const std::wstring& workingFolder);
    ~LaunchedProgram();
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;
    LaunchedProgram(LaunchedProgram&& other) noexcept;
    LaunchedProgram& operator=(LaunchedProgram&& other) noexcept;

    bool Started() const { return process_ != nullptr; }
    // The Windows error of a failed start, for messages.
    DWORD StartError() const { return startError_; }
    DWORD Id() const { return id_; }
    bool HasEnded() const;
    bool WaitForEnd(DWORD timeoutMs) const;
    // The exit code once the program has ended; STILL_ACTIVE before.
    DWORD ExitCode() const;
    // Ends the program at once and waits until it is gone; then a crash it had fails the running test.
    void Kill();

  private:
    orv::testing::CrashGuard guard_;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

// A fresh, empty folder under the system's temp folder, removed with its contents on destruction.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

  private:
    std::wstring path_;
};

// The folder of the running program.
std::wstring ProgramFolder();
// A program of this build, found beside the tests' build folder: `relativePath` is relative to the build's
// top folder (e.g. L"orvjubo.exe", L"tools\\chatroom\\chatroom.exe"). The environment variable, when set,
// wins.
std::wstring BuiltProgram(const std::wstring& relativePath, const wchar_t* overrideVariable);
bool FileExists(const std::wstring& path);

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 100);

// What a top-level window must match; empty fields match anything. Only visible windows are found.
struct WindowQuery {
    DWORD processId = 0;
    std::wstring className;
    std::wstring caption;
};
HWND FindTopWindow(const WindowQuery& query);
HWND WaitForTopWindow(const WindowQuery& query, DWORD timeoutMs = kWindowTimeoutMs);
// The first descendant of the parent (depth first, in child order) with this class and text; empty matches
// any.
HWND FindDescendant(HWND parent, const std::wstring& className, const std::wstring& text);
bool WaitUntilGone(HWND window, DWORD timeoutMs = kWindowTimeoutMs);
// The process's window of this class among the children of the parent (nullptr: the top-level windows,
// HWND_MESSAGE: the message-only ones), visible or not; nullptr when it has none.
HWND WindowOfProcess(HWND parent, const wchar_t* className, DWORD processId);

// True when the window's thread handles a message within the time.
bool Answers(HWND window, DWORD timeoutMs);
std::wstring WindowText(HWND window);
// The window's text fetched with the ANSI messages, as a program that uses the ANSI code page sees it.
std::string WindowTextAnsi(HWND window);
bool SetWindowTextTo(HWND window, const std::wstring& text);
// Presses a button as a click would, without waiting for what the click starts (it may open a modal box).
void PressButton(HWND button);
void AskToClose(HWND window);

// Types the text into the box's edit.
bool TypeIntoInputBox(HWND box, const std::wstring& text);
// Types the text into the box's edit and presses its "OK" button.
bool AnswerInputBox(HWND box, const std::wstring& text);
// Presses the window's button with this caption.
bool PressButtonIn(HWND window, const std::wstring& button);
// Finds the visible dialog with this caption in the process, types the text into its edit and presses "OK".
bool AnswerInputBox(DWORD processId, const std::wstring& caption, const std::wstring& text,
                    DWORD timeoutMs = kWindowTimeoutMs);
// Finds the visible window with this caption in the process and presses its button with this caption.
bool PressButtonOf(DWORD processId, const std::wstring& caption, const std::wstring& button,
                   DWORD timeoutMs = kWindowTimeoutMs);

// Waits for the process's pop-up menu to open and chooses its item at the position (from 0) with the
// keyboard, as a person would with the arrow keys and Enter; false when no menu opened.
bool ChooseFromMenu(DWORD processId, int item, DWORD timeoutMs = kWindowTimeoutMs);

std::string ToAnsi(const std::wstring& text);
// The file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);

}  // namespace e2e
