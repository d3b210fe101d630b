// The chat commands in the whole program, with the room and the windows in memory: lines said in the room
// reach the dispatcher through the scanner, and Form1 holds the trigger and the words.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "fakes/fake_program.h"

namespace orv {
namespace {

using namespace testing;
using Texts = std::vector<Text>;
using Boxes = std::vector<std::pair<const char*, const wchar_t*>>;

// Bob's player beside a room, with three songs, the first selected, "Song A" playing at volume -1000.
struct PlayerInRoom : FakeProgram {
    explicit PlayerInRoom(const Boxes& boxes = {}) {
        dialogs.answers = {L"Bob"};
        program.Start();
        for (const wchar_t* song : {L"one.mp3", L"two.mp3", L"three.mp3"}) {
            program.Player().List1().AddItem(song);
        }
        program.Player().List1().SetListIndex(0);
        program.frmJubo().TextBoxNamed("Text1").SetText(L"Song A");
        program.Player().frmChatSends().Text1().SetText(L"<i>");
        program.Player().frmChatSends().Text2().SetText(L"</i>");
        for (const auto& [box, text] : boxes) {
            program.Form1().Window().TextBoxNamed(box).SetText(text);
        }
        Engine().SetVolume(-1000);
        Engine().calls.clear();
        Replies();
    }
    FakeMediaEngine& Engine() { return panels.engines.front(); }
    // The messages that reached the room since the last call.
    Texts Replies() {
        Texts texts;
        for (const auto& sent : chatWindows.Delivered()) {
            if (sent.kind == FakeChatWindows::Kind::SetText && sent.target == room.entry) {
                texts.push_back(codePage.FromAnsi(sent.text));
            }
        }
        texts.erase(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(seen));
        seen += texts.size();
        return texts;
    }

    std::size_t seen = 0;
};

TEST(ChatCommands, LinesAgainstTriggerAndWords) {
    const Text info =
        L"[Orv Jubo \u00BB Make: 2.1 \u00BB Current User: Bob \u00BB Current Directory: <b>3</b> "
        L"files. \u00BB Get it at: <font color=blue><u>orvjubo.net</u>]";
    const Texts next = {L"SetFileName C:\\Music\\two.mp3", L"Play"};
    const Text song = L"<i>Song A</i>";
    const Text paused = song + L" [<b>Paused</b>]";
    const struct {
        Boxes boxes;  // Text1 is the trigger
        std::string message;
        Texts engineCalls;
        Texts replies;
    } cases[] = {
        {{}, "Next", next, {}},
        {{}, "next", {}, {}},
        {{}, "NEXT", {}, {}},
        {{}, "Next ", {}, {}},
        {{}, "Next now", {}, {}},
        {{{"Text1", L"!"}}, "!Next", next, {}},
        {{{"Text1", L"!"}}, "Next", {}, {}},
        {{{"Text1", L"!"}}, "Vol+", {L"SetVolume -800"}, {}},
        {{{"Text1", L"!"}}, "!Vol+", {}, {}},
        {{}, "Vol-", {L"SetVolume -1200"}, {}},
        {{{"Text1", L"!"}, {"Text7", L""}}, "!", {L"Stop"}, {L"All media has been stopped"}},
        {{{"Text1", L">"}}, ">Next", {}, {}},  // the scanner drops every ">" from the line
        {{}, "Info", {}, {info}},
        {{}, "p?", {}, {song}},
        {{}, "Pause", {L"Pause"}, {paused}},
        {{}, "Res", {L"Play"}, {song}},
        {{}, "Mute", {L"SetMute true"}, {}},
        {{}, "Unmute", {L"SetMute false"}, {}},
        {{}, "Cpl", {}, {L"Playlist Cleared!"}},
        {{}, "Clear", {}, {L"Chat has been cleared!"}},
        {{{"Text5", L"go"}, {"Text6", L"go"}}, "go", {L"Pause", L"Play"}, {paused, song}},
        // After "Exit" the room is gone: the reply of "Info" reaches no window.
        {{{"Text15", L"x"}, {"Text13", L"x"}}, "x", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        PlayerInRoom player(c.boxes);
        player.Say(c.message);
        EXPECT_EQ(player.Engine().calls, c.engineCalls);
        EXPECT_EQ(player.Replies(), c.replies);
    }
}

TEST(ChatCommands, AStepThatFailsWithAnyThrowIsSkippedAndTheLineGoesOn) {
    PlayerInRoom player({{"Text5", L"go"}, {"Text6", L"go"}});  // "Pause", then "Res"
    player.Engine().failing = {L"Pause"};
    player.Say("go");
    EXPECT_EQ(player.Engine().calls, (Texts{L"Pause", L"Play"}));
    EXPECT_EQ(player.Replies(), (Texts{L"<i>Song A</i> [<b>Paused</b>]", L"<i>Song A</i>"}));
}

TEST(ChatCommands, VolumeStaysWithinTheEnginesRange) {
    PlayerInRoom player;
    for (const auto& [before, message, after] :
         {std::tuple{-9900, "Vol-", -10000}, {-10000, "Vol-", -10000}, {-100, "Vol+", 0}, {0, "Vol+", 0}}) {
        player.Engine().SetVolume(before);
        player.Say(message);
        EXPECT_EQ(player.Engine().Volume(), after) << before << " " << message;
    }
}

TEST(ChatCommands, EarlyStopsAndATickWhileTheMessageBoxWaits) {
    PlayerInRoom player({{"Text6", L"Next"}});  // "Pause" comes after "Next"
    player.program.Player().List1().Clear();
    int ticks = 0;
    player.dialogs.whileMessageShown = [&] { ticks += player.timer.Fire() ? 1 : 0; };
    player.Say("Next");
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(player.dialogs.Messages(), Texts{L"No files found."}) << "the line was reported once";
    EXPECT_TRUE(player.Engine().calls.empty()) << "the dispatch ended";

    player.program.Player().List1().AddItem(L"a.mp3");
    player.Say("Next");
    EXPECT_EQ(player.Engine().calls, (Texts{L"SetFileName C:\\Music\\a.mp3", L"Play", L"Pause"}))
        << "one entry is not too short";

    // "End" says goodbye also when "Disable ChatSends" is set, and nothing after it runs.
    player.program.Player().frmChatSends().Check1().SetValue(1);
    player.program.Form1().Window().TextBoxNamed("Text14").SetText(L"End");
    player.Replies();
    EXPECT_THROW(player.Say("End"), ProcessEnded);
    EXPECT_EQ(player.Replies(), Texts{L"Orv Jubo - Unloaded."});
    EXPECT_NE(player.chatWindows.TextOf(player.room.history), "") << "\"Clear\" did not run";
}

TEST(ChatCommands, WhileABoxOfTheRoomIsOpenTheRoomOpensNoOther) {
    const Text noFiles = L"No files found.";
    const Text noListing = L"No files were found in specific folder";
    const Text refreshed = L"Playlist Refreshed - Current Directory: <b>0</b> Files.";
    const struct {
        const char* what;
        std::string first;  // the line whose box is open meanwhile
        std::function<void(PlayerInRoom&)> whileOpen;
        Texts boxes;
        Texts replies;
    } cases[] = {
        // "Pause" shares the word "Next": a dispatch that went on past "Next" would pause.
        {"Next again and again ends each dispatch",
         "Next",
         [](PlayerInRoom& p) {
             for (int i = 0; i < 3; ++i) {
                 p.Say("Next");
             }
         },
         {noFiles},
         {}},
        {"Ref still replies with its count",
         "Next",
         [](PlayerInRoom& p) { p.Say("Ref"); },
         {noFiles},
         {refreshed}},
        {"under Ref's own box",
         "Ref",
         [](PlayerInRoom& p) {
             p.Say("Next");
             p.Say("Ref");
         },
         {noListing},
         {refreshed, refreshed}},
        {"the user's own box is not held back",
         "Next",
         [](PlayerInRoom& p) {
             p.frmJubo().Press("XPButton8");  // "Next Song"
             p.Say("Next");
         },
         {noFiles, noFiles},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerInRoom player({{"Text6", L"Next"}});
        player.program.Player().List1().Clear();
        int open = 0;
        int deepest = 0;
        player.dialogs.whileMessageShown = [&] {
            deepest = std::max(deepest, ++open);
            if (open == 1) {
                c.whileOpen(player);
            }
            --open;
        };
        player.Say(c.first);
        EXPECT_EQ(player.dialogs.Messages(), c.boxes);
        EXPECT_EQ(deepest, static_cast<int>(c.boxes.size()));
        EXPECT_EQ(player.Replies(), c.replies);
        EXPECT_TRUE(player.Engine().calls.empty()) << "no dispatch went on past \"Next\"";
        for (const auto& shown : player.dialogs.shown) {
            if (shown.kind == FakeDialogs::Shown::Kind::Message) {
                EXPECT_EQ(shown.owner, &player.program.frmJubo());
            }
        }

        player.dialogs.whileMessageShown = nullptr;
        player.Say("Next");
        EXPECT_EQ(player.dialogs.Messages().size(), c.boxes.size() + 1)
            << "once closed, the room may open one";
    }
}

TEST(CcomsWindow, NoTriggerBoxSwitchOkAndCloseBox) {
    PlayerInRoom player;
    player.Say("hi");
    ASSERT_NE(player.forms.Latest("Form1"), nullptr) << "made by the first read";
    FakeForm& form1 = *player.forms.Latest("Form1");
    EXPECT_FALSE(form1.IsVisible());
    for (const auto& [trigger, value] : {std::pair{L"!", 0}, {L" ", 0}, {L"", 2}, {L"?", 0}}) {
        form1.TextBoxNamed("Text1").SetText(trigger);
        EXPECT_EQ(form1.CheckBoxNamed("Check1").Value(), value) << trigger;
    }
    player.program.Player().frmChatSends().Check1().SetValue(1);
    form1.ClickOption("Option2");
    EXPECT_FALSE(player.timer.IsRunning());
    form1.ClickOption("Option1");
    EXPECT_TRUE(player.timer.IsRunning());
    EXPECT_EQ(player.Replies(), (Texts{L"Ccoms Disabled", L"Ccoms Enabled"}));

    ASSERT_TRUE(static_cast<FakeForm&>(player.program.frmJubo()).Press("XPButton12"));
    EXPECT_TRUE(form1.IsVisible());
    ASSERT_TRUE(form1.Press("XPButton1"));
    EXPECT_FALSE(form1.IsVisible());
    player.Say("?p?");
    EXPECT_EQ(player.Replies().size(), 1u) << "\"OK\" kept the trigger";
    form1.CloseBox();
    player.Say("?Info");
    player.Say("p?");
    EXPECT_EQ(player.Replies(), Texts{L"<i>Song A</i>"}) << "the close box discarded the trigger";
    EXPECT_EQ(player.forms.created["Form1"], 2);
    EXPECT_EQ(player.forms.Latest("Form1")->CheckBoxNamed("Check1").Value(), 2);
}

}  // namespace
}  // namespace orv
