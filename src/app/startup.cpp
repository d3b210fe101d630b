#include "app/startup.h"

#include <cstdlib>

namespace orv {

namespace {

inline const Text kUserNamePrompt = L"UserName";
inline const Text kUserNameTitle = L"UserName";
inline const Text kEmptyUserNameMessage = L"You must enter a username!";
inline const Text kErrorTitle = L"Error";

// Start-up and shutdown go on past a step that fails: the step is abandoned and the next one runs.
template <typename Step>
void RunStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

Text LoadedAnnouncement(const Text& userName) {
    return L"Orv Jubo <b>2.1</b> - Loaded. [User: " + userName + L" \u00BB Get it at: <font color=blue><u>" +
           kWebAddress + L"</u>" + L"]";
}

void JuboLifecycle::Form_Load() {
    Text userName;
    RunStep([&] { userName = dialogs_.AskText(kUserNamePrompt, kUserNameTitle).value_or(Text{}); });
    if (userName.empty()) {
        // Asked once more, and whatever comes back is accepted.
        RunStep([&] { dialogs_.ShowMessage(kEmptyUserNameMessage, kErrorTitle, MessageIcon::None); });
        RunStep([&] { userName = dialogs_.AskText(kUserNamePrompt, kUserNameTitle).value_or(Text{}); });
    }
    RunStep([&] { Text3_.SetText(userName); });
    RunStep([&] {
        if (switch_.IsClear()) {
            chat_.ChatSend(LoadedAnnouncement(userName));
        }
    });
    RunStep([&] { tasp1_.aimchatscan_on(); });
}

void JuboLifecycle::Form_Unload() {
    RunStep([&] {
        if (switch_.IsClear()) {
            chat_.ChatSend(kUnloadedAnnouncement);
        }
    });
    process_.EndNow();
    std::abort();  // EndNow never comes back; the compiler cannot see that through the virtual call
}

}  // namespace orv
