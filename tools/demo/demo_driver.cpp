// demo_driver: drives windows on the desktop the way a person would, one step per call, for the demonstration
// that scripts/run records on a virtual display.
//
//   demo_driver wait-window WINDOW SECONDS        waits until the window is shown
//   demo_driver wait-gone WINDOW SECONDS          waits until the window is gone
//   demo_driver type-input TITLE TEXT [SECONDS]   types TEXT into the input box TITLE
//   demo_driver answer-input TITLE TEXT [SECONDS] types TEXT into the input box TITLE and presses its "OK"
//   demo_driver press WINDOW BUTTON [SECONDS]     presses the button captioned BUTTON in the window
//   demo_driver add-entry WINDOW TEXT             adds TEXT at the end of the window's playlist (its list
//                                                 box) and selects it
//   demo_driver wait-text WINDOW TEXT SECONDS     waits until a control of the window shows a text that
//                                                 starts with TEXT
//   demo_driver move-window WINDOW X Y            moves the window's top-left corner to X, Y (pixels)
//   demo_driver close-window WINDOW               asks the window to close
//
// WINDOW is a window caption, or "class:NAME" for the first shown window of that class. Exit code 0 when the
// step was done, 1 when it could not be, 2 for a wrong call.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "e2e/harness.h"
#include "e2e/main_window_controls.h"

namespace {

constexpr int kDone = 0;
constexpr int kNotDone = 1;
constexpr int kWrongCall = 2;
constexpr DWORD kDefaultWaitMs = 30000;

e2e::WindowQuery QueryFor(const std::wstring& window) {
    const std::wstring classPrefix = L"class:";
    if (window.rfind(classPrefix, 0) == 0) {
        return {.className = window.substr(classPrefix.size())};
    }
    return {.caption = window};
}

DWORD Milliseconds(const wchar_t* seconds) {
    return static_cast<DWORD>(_wtof(seconds) * 1000);
}

int Fail(const std::wstring& what) {
    std::fwprintf(stderr, L"demo_driver: %ls\n", what.c_str());
    return kNotDone;
}

struct TextSearch {
    const std::wstring* text;
    bool found;
};

BOOL CALLBACK VisitControl(HWND control, LPARAM context) {
    auto* search = reinterpret_cast<TextSearch*>(context);
    if (e2e::WindowText(control).rfind(*search->text, 0) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool ShowsTextStartingWith(HWND window, const std::wstring& text) {
    TextSearch search{&text, false};
    EnumChildWindows(window, VisitControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Usage() {
    std::fwprintf(stderr,
                  L"usage: demo_driver wait-window WINDOW SECONDS | wait-gone WINDOW SECONDS |\n"
                  L"       type-input TITLE TEXT [SECONDS] | answer-input TITLE TEXT [SECONDS] |\n"
                  L"       press WINDOW BUTTON [SECONDS] | add-entry WINDOW TEXT |\n"
                  L"       wait-text WINDOW TEXT SECONDS |\n"
                  L"       move-window WINDOW X Y | close-window WINDOW\n");
    return kWrongCall;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 3) {
        return Usage();
    }
    const std::wstring step = argv[1];
    const std::wstring window = argv[2];

    if (step == L"wait-window" && argc == 4) {
        return e2e::WaitForTopWindow(QueryFor(window), Milliseconds(argv[3])) ? kDone
                                                                              : Fail(L"no window " + window);
    }
    if (step == L"wait-gone" && argc == 4) {
        bool gone = e2e::WaitUntil([&] { return e2e::FindTopWindow(QueryFor(window)) == nullptr; },
                                   Milliseconds(argv[3]));
        return gone ? kDone : Fail(L"still shown: " + window);
    }
    if ((step == L"type-input" || step == L"answer-input") && (argc == 4 || argc == 5)) {
        HWND box =
            e2e::WaitForTopWindow(QueryFor(window), argc == 5 ? Milliseconds(argv[4]) : kDefaultWaitMs);
        if (!box) {
            return Fail(L"no input box " + window);
        }
        bool done =
            step == L"answer-input" ? e2e::AnswerInputBox(box, argv[3]) : e2e::TypeIntoInputBox(box, argv[3]);
        return done ? kDone : Fail(L"could not type into " + window);
    }
    if (step == L"press" && (argc == 4 || argc == 5)) {
        HWND target =
            e2e::WaitForTopWindow(QueryFor(window), argc == 5 ? Milliseconds(argv[4]) : kDefaultWaitMs);
        if (!target) {
            return Fail(L"no window " + window);
        }
        return e2e::PressButtonIn(target, argv[3]) ? kDone : Fail(L"no button " + std::wstring(argv[3]));
    }
    if (step == L"add-entry" && argc == 4) {
        HWND target = e2e::FindTopWindow(QueryFor(window));
        HWND list = target ? e2e::Playlist(target) : nullptr;
        if (!list) {
            return Fail(L"no list box in " + window);
        }
        const int index = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        return e2e::AddToPlaylist(list, {argv[3]}) && e2e::SelectEntry(list, index)
                   ? kDone
                   : Fail(L"the list box did not take " + std::wstring(argv[3]));
    }
    if (step == L"wait-text" && argc == 5) {
        const std::wstring text = argv[3];
        bool shown = e2e::WaitUntil(
            [&] {
                HWND target = e2e::FindTopWindow(QueryFor(window));
                return target && ShowsTextStartingWith(target, text);
            },
            Milliseconds(argv[4]), 250);
        return shown ? kDone : Fail(L"no control of " + window + L" shows " + text);
    }
    if (step == L"move-window" && argc == 5) {
        HWND target = e2e::FindTopWindow(QueryFor(window));
        if (!target) {
            return Fail(L"no window " + window);
        }
        return SetWindowPos(target, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? kDone
                   : Fail(L"could not move " + window);
    }
    if (step == L"close-window" && argc == 3) {
        HWND target = e2e::FindTopWindow(QueryFor(window));
        if (!target) {
            return Fail(L"no window " + window);
        }
        e2e::AskToClose(target);
        return kDone;
    }
    return Usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(argc, argv);
    } catch (...) {
        return Fail(L"unexpected failure");
    }
}
