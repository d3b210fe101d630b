// Minimising and restoring in the whole program on fakes: the states of frmJubo and the tray icon, and which
// windows each gesture hides or makes, in order.
#include <gtest/gtest.h>

#include <sstream>

#include "fakes/fake_program.h"

namespace orv {
namespace {

using namespace testing;
using Steps = std::vector<std::string>;

// Bob's player, started and shown, beside a room; every window made and hidden and each change of the
// icon is noted in one list.
struct PlayerWithTray : FakeProgram {
    PlayerWithTray() {
        dialogs.answers = {L"Bob"};
        program.Start();
        forms.events = &events;
        for (FakeForm* form : forms.living) {
            form->events = &events;
        }
    }

    // "XPButton7>mnuMinTray" presses the button and chooses the item of its menu; "tray>item" right-clicks
    // the icon and chooses from the menu; "tray right", "tray left", "tray double" only click; "say Min" is
    // a participant's line in the room; "refuse 2" makes the shell refuse the icon twice; "unmakeable 1"
    // makes the next window made fail; any other step presses that button of frmJubo.
    void Do(const std::string& step) {
        const std::size_t split = step.find('>');
        const std::string opener = step.substr(0, split);
        if (opener.starts_with("refuse ")) {
            tray.refusals = std::stoi(opener.substr(7));
        } else if (opener.starts_with("unmakeable ")) {
            forms.failures = std::stoi(opener.substr(11));
        } else if (opener.starts_with("say ")) {
            Say(opener.substr(4));
        } else if (opener == "tray" || opener == "tray right") {
            tray.Release(MouseButton::Right);
        } else if (opener == "tray left") {
            tray.Release(MouseButton::Left);
        } else if (opener == "tray double") {
            tray.DoubleClick();
        } else {
            ASSERT_TRUE(frmJubo().Press(opener)) << opener;
        }
        if (split != std::string::npos) {
            ASSERT_TRUE(frmJubo().ChooseMenuItem(step.substr(split + 1))) << step;
        }
    }

    // frmJubo's and the icon's state, the open menu and the auxiliary windows on screen, in one line;
    // "active" once frmJubo was brought to the front.
    std::string State() {
        std::ostringstream state;
        state << (frmJubo().IsVisible() ? "shown" : "hidden") << (frmJubo().frontings > 0 ? " active" : "")
              << (frmJubo().IsMinimized() ? " minimized" : "") << (tray.InTray() ? " intray" : "")
              << (frmJubo().openMenu ? " menu " + frmJubo().openMenu->name : "");
        for (const char* name : {"frmAddDir", "frmChatSends", "Form1", "Form2", "Form3"}) {
            if (forms.Latest(name) != nullptr && forms.Latest(name)->IsVisible()) {
                state << " " << name;
            }
        }
        return state.str();
    }
};

TEST(Tray, StatesAndTheWindowsEachGestureHidesOrMakes) {
    // Windows that do not exist yet are made hidden, in the order they are hidden; the start-up announcement
    // has made frmChatSends already.
    const Steps toTray = {"intray true",    "hide frmJubo",      "make frmAddDir",
                          "hide frmAddDir", "hide frmChatSends", "make Form1",
                          "hide Form1",     "make Form2",        "hide Form2"};
    const auto then = [](Steps steps, const Steps& more) {
        steps.insert(steps.end(), more.begin(), more.end());
        return steps;
    };
    const struct {
        Steps gestures;
        Steps events;
        std::string state;
    } cases[] = {
        {{"XPButton7>mnuMinTray"}, toTray, "hidden intray"},
        {{"XPButton7>mnuMinTask"}, {}, "shown minimized"},
        {{"XPButton7>mnuMinTask", "tray right"}, {}, "shown minimized"},  // no icon to click
        // The dispatcher reads Form1's words first.
        {{"say Min"},
         {"make Form1", "intray true", "hide frmJubo", "make frmAddDir", "hide frmAddDir",
          "hide frmChatSends", "hide Form1", "make Form2", "hide Form2"},
         "hidden intray"},
        {{"XPButton7>mnuMinTray", "tray right"}, toTray, "hidden intray menu sysmenu"},
        {{"XPButton7>mnuMinTray", "tray left"}, toTray, "hidden intray"},
        {{"XPButton7>mnuMinTray", "tray>mnuCancel"}, toTray, "hidden intray"},
        {{"XPButton7>mnuMinTray", "tray>mnuRestore"}, then(toTray, {"intray false"}), "shown active"},
        {{"XPButton7>mnuMinTray", "tray double"}, then(toTray, {"intray false"}), "shown active"},
        // Restoring brings back frmJubo only; the skin chooser is left on screen throughout.
        {{"XPButton12", "XPButton13", "XPButton7>mnuMinTray", "tray double"},
         {"make Form1", "make Form3", "intray true", "hide frmJubo", "make frmAddDir", "hide frmAddDir",
          "hide frmChatSends", "hide Form1", "make Form2", "hide Form2", "intray false"},
         "shown active Form3"},
        {{"XPButton7>mnuMinTask", "XPButton7>mnuMinTray", "tray>mnuRestore"},
         then(toTray, {"intray false"}),
         "shown active minimized"},  // the window state is never changed by the tray
        // A shell that is starting or busy gets a few tries, with a pause before each; while it refuses,
        // nothing is hidden, by the menu or from the room.
        {{"refuse 3", "XPButton7>mnuMinTray"},
         then({"intray refused", "wait 250", "intray refused", "wait 500", "intray refused", "wait 750"},
              toTray),
         "hidden intray"},
        {{"XPButton2", "XPButton12", "refuse 4", "XPButton7>mnuMinTray"},
         {"make Form1", "intray refused", "wait 250", "intray refused", "wait 500", "intray refused",
          "wait 750", "intray refused"},
         "shown frmChatSends Form1"},
        // Each window is hidden on its own: one that cannot be made leaves the others to be hidden.
        {{"unmakeable 1", "XPButton7>mnuMinTray"},
         {"intray true", "hide frmJubo", "hide frmChatSends", "make Form1", "hide Form1", "make Form2",
          "hide Form2"},
         "hidden intray"},
        {{"XPButton2", "refuse 9", "say Min"},
         {"make Form1", "intray refused", "wait 250", "intray refused", "wait 500", "intray refused",
          "wait 750", "intray refused"},
         "shown frmChatSends"},
    };
    for (const auto& c : cases) {
        PlayerWithTray player;
        for (const std::string& gesture : c.gestures) {
            SCOPED_TRACE(gesture);
            player.Do(gesture);
        }
        EXPECT_EQ(player.events, c.events) << c.gestures.back();
        EXPECT_EQ(player.State(), c.state) << c.gestures.back();
    }
}

}  // namespace
}  // namespace orv
