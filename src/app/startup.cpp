#include "app/startup.h"

#include <cstdlib>

#include "platform/exception_barrier.h"

namespace orv {

namespace {

inline const Text kUserNamePrompt = L"UserName";
inline const Text kUserNameTitle = L"UserName";
inline const Text kEmptyUserNameMessage = L"You must enter a username!";
inline const Text kErrorTitle = L"Error";

}  // namespace

Text LoadedAnnouncement(const Text& userName) {
    return L"Orv Jubo <b>2.1</b> - Loaded. [User: " + userName + L" \u00BB Get it at: <font color=blue><u>" +
           kWebAddress + L"</u>" + L"]";
}

// Start-up and shutdown go on past a step that fails: the step is abandoned and the next one runs.
void JuboLifecycle::Form_Load() {
    // frmJubo is not shown yet: the boxes stand alone, each with a taskbar button of its own.
    const auto askUserName = [this] {
        return dialogs_.AskText(nullptr, kUserNamePrompt, kUserNameTitle).value_or(Text{});
    };
    Text userName;
    RunBehindBarrier([&] { userName = askUserName(); });
    if (userName.empty()) {
        // Asked once more, and whatever comes back is accepted.
        RunBehindBarrier(
            [&] { dialogs_.ShowMessage(nullptr, kEmptyUserNameMessage, kErrorTitle, MessageIcon::None); });
        RunBehindBarrier([&] { userName = askUserName(); });
    }
    RunBehindBarrier([&] { Text3_.SetText(userName); });
    RunBehindBarrier([&] {
        if (switch_.IsClear()) {
            chat_.ChatSend(LoadedAnnouncement(userName));
        }
    });
    RunBehindBarrier([&] { tasp1_.aimchatscan_on(); });
}

void JuboLifecycle::Form_Unload() {
    RunBehindBarrier([&] {
        if (switch_.IsClear()) {
            chat_.ChatSend(kUnloadedAnnouncement);
        }
    });
    process_.EndNow();
    std::abort();  // EndNow never comes back; the compiler cannot see that through the virtual call
}

}  // namespace orv
