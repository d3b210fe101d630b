#include "win32/engine_test_support.h"

#include <algorithm>
#include <cstdlib>

namespace orv::testing {

Text TestMediaDir() {
    const wchar_t* value = _wgetenv(L"ORVJUBO_TEST_MEDIA_DIR");
    if (!value || !*value) {
        ADD_FAILURE() << "ORVJUBO_TEST_MEDIA_DIR is not set: run tests/media/make_test_media.sh <folder> and "
                         "export ORVJUBO_TEST_MEDIA_DIR=<folder> before the Win32 tests";
        return {};
    }
    Text dir = value;
    if (dir.front() == L'/') {
        dir = L"Z:" + dir;
    }
    for (auto& c : dir) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (dir.back() == L'\\') {
        dir.pop_back();
    }
    return dir;
}

Text TestMediaFile(const wchar_t* name) {
    const Text dir = TestMediaDir();
    if (dir.empty()) {
        return {};
    }
    Text path = dir + L"\\" + name;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << "test media file missing: " << std::string(path.begin(), path.end())
                      << " (run tests/media/make_test_media.sh)";
        return {};
    }
    return path;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
    while (!condition()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                  static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 50)), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

GraphEventWindow::GraphEventWindow() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = &GraphEventWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"OrvJuboGraphEventTestWindow";
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExW(0, L"OrvJuboGraphEventTestWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

GraphEventWindow::~GraphEventWindow() {
    DestroyWindow(window_);
}

LRESULT CALLBACK GraphEventWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<GraphEventWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->engine_ && message == DirectShowEngine::kGraphEventMessage) {
        try {
            self->engine_->HandleGraphEvent();
        } catch (...) {
            ADD_FAILURE() << "an engine event handler threw";
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace orv::testing
