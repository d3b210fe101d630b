#pragma once
// Shared by the engine and panel tests: the songs made by tests/media/make_test_media.sh, a message pump with
// a deadline, and a hidden window that hands graph events to an engine.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/win32/directshow_engine.h"

namespace orv::testing {

// The folder named by ORVJUBO_TEST_MEDIA_DIR; a Unix path (as the test scripts give it) is reached through
// Wine's drive Z:. Empty, with a test failure, when the variable is missing.
Text TestMediaDir();
// A file in that folder; fails the test when the file is missing.
Text TestMediaFile(const wchar_t* name);

// Dispatches this thread's messages until the condition holds or the timeout ends; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds);
// Dispatches this thread's messages for the given time.
void PumpFor(DWORD milliseconds);

// A hidden message-only window that forwards DirectShowEngine::kGraphEventMessage to its engine, as the
// engine's owner does.
class GraphEventWindow {
  public:
    GraphEventWindow();
    ~GraphEventWindow();
    GraphEventWindow(const GraphEventWindow&) = delete;
    GraphEventWindow& operator=(const GraphEventWindow&) = delete;

    HWND Handle() const { return window_; }
    void Attach(DirectShowEngine* engine) { engine_ = engine; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    DirectShowEngine* engine_ = nullptr;
};

// Apartment-threaded COM for the test's thread, as the program's user-interface thread has it.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    HRESULT Result() const { return result_; }

  private:
    HRESULT result_;
};

}  // namespace orv::testing
