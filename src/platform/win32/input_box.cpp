#include "platform/win32/input_box.h"

#include "platform/win32/form_window.h"
#include "platform/win32/win32_text_box.h"

namespace orv::win32 {

namespace {

class InputBoxWindow : public FormWindow {
  public:
    std::optional<Text> Run(HWND owner, const Text& prompt, const Text& title);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Finish(std::optional<Text> answer) {
        answer_ = std::move(answer);
        done_ = true;
        // A message sent from another thread is handled inside GetMessageW without ending the wait there:
        // a posted message wakes the loop so that it sees the answer.
        PostMessageW(Handle(), WM_NULL, 0, 0);
    }
    Text TypedText() const;

    std::optional<Text> answer_;
    bool done_ = false;
};

std::optional<Text> InputBoxWindow::Run(HWND owner, const Text& prompt, const Text& title) {
    if (!Create(InputBoxSpec(prompt, title), {.owner = owner})) {
        return std::nullopt;
    }
    // Enter and Escape reach the buttons through their standard identifiers.
    SetWindowLongPtrW(Control("cmdOK"), GWLP_ID, IDOK);
    SetWindowLongPtrW(Control("cmdCancel"), GWLP_ID, IDCANCEL);
    SendMessageW(Control("cmdOK"), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    Controls().OnCommand("cmdOK", [this](int notifyCode) {
        if (notifyCode == BN_CLICKED) {
            Finish(TypedText());
        }
    });
    Controls().OnCommand("cmdCancel", [this](int notifyCode) {
        if (notifyCode == BN_CLICKED) {
            Finish(std::nullopt);
        }
    });

    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    Show();
    SetForegroundWindow(Handle());
    SetFocus(Control("txtAnswer"));

    MSG msg{};
    while (!done_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit request for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (Handle() == nullptr || !IsDialogMessageW(Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // The owner comes back before the box goes, so that it gets the activation.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
    }
    Destroy();
    return answer_;
}

Text InputBoxWindow::TypedText() const {
    return WindowText(Control("txtAnswer"));
}

LRESULT InputBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Enter and Escape arrive from the dialog navigation as IDOK and IDCANCEL without a control.
            if (lParam == 0 && LOWORD(wParam) == IDOK) {
                Finish(TypedText());
                return 0;
            }
            if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
                Finish(std::nullopt);
                return 0;
            }
            break;
        case WM_CLOSE:
            Finish(std::nullopt);
            return 0;
        case WM_DESTROY:
            done_ = true;
            break;
        default:
            break;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace

WindowSpec InputBoxSpec(const Text& prompt, const Text& title) {
    const OleColour windowText = OleColour::System(COLOR_WINDOWTEXT);
    const OleColour windowBack = OleColour::System(COLOR_WINDOW);
    return WindowSpec{
        .name = "InputBox",
        .caption = title,
        .border = BorderStyle::FixedSingle,
        .clientWidth = 5400,
        .clientHeight = 1860,
        .back = OleColour::System(COLOR_BTNFACE),
        .taskbarButton = false,
        .controls =
            {
                {.name = "lblPrompt",
                 .kind = ControlKind::Label,
                 .left = 120,
                 .top = 120,
                 .width = 3960,
                 .height = 1080,
                 .caption = prompt},
                {.name = "txtAnswer",
                 .kind = ControlKind::TextBox,
                 .left = 120,
                 .top = 1380,
                 .width = 5160,
                 .height = 330,
                 .labelledBy = "lblPrompt",
                 .fore = windowText,
                 .back = windowBack,
                 .tabIndex = 0},
                {.name = "cmdOK",
                 .kind = ControlKind::PushButton,
                 .left = 4200,
                 .top = 120,
                 .width = 1080,
                 .height = 360,
                 .caption = L"OK",
                 .tabIndex = 1},
                {.name = "cmdCancel",
                 .kind = ControlKind::PushButton,
                 .left = 4200,
                 .top = 570,
                 .width = 1080,
                 .height = 360,
                 .caption = L"Cancel",
                 .tabIndex = 2},
            },
    };
}

std::optional<Text> RunInputBox(HWND owner, const Text& prompt, const Text& title) {
    InputBoxWindow box;
    return box.Run(owner, prompt, title);
}

}  // namespace orv::win32
