// The least a Win32 program can do to play an MP3: a DirectShow filter graph built by RenderFile, run, and a
// message loop, nothing else. The CPU benchmark measures it beside the player playing the same file.
//   bare_graph PATH SECONDS
// Once the graph runs it shows a small window titled "bare_graph: playing", so that whoever measures it from
// outside knows when playing has begun; it ends after SECONDS.
#include <windows.h>
// After windows.h.
#include <dshow.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kEndTimer = 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kEndTimer) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int Play(const wchar_t* path, UINT seconds) {
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph)))) {
        return 2;
    }
    int result = 3;
    IMediaControl* control = nullptr;
    OAFilterState state = State_Stopped;
    if (SUCCEEDED(graph->RenderFile(path, nullptr)) &&
        SUCCEEDED(graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control))) &&
        SUCCEEDED(control->Run()) && SUCCEEDED(control->GetState(10000, &state)) && state == State_Running) {
        const WNDCLASSW windowClass = {
            .lpfnWndProc = WindowProc, .hInstance = GetModuleHandleW(nullptr), .lpszClassName = L"BareGraph"};
        RegisterClassW(&windowClass);
        const HWND window =
            CreateWindowExW(0, L"BareGraph", L"bare_graph: playing", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200,
                            60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetTimer(window, kEndTimer, seconds * 1000, nullptr);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        control->Stop();
        DestroyWindow(window);
        result = 0;
    }
    if (control != nullptr) {
        control->Release();
    }
    graph->Release();
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: bare_graph PATH SECONDS\n");
        return 1;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    const int result = Play(argv[1], static_cast<UINT>(_wtoi(argv[2])));
    CoUninitialize();
    return result;
}
