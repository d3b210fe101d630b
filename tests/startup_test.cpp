// Start-up (asking for the user name, the loaded announcement, starting the scanner) and shutdown.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/startup.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"

namespace orv {
namespace {

using testing::AddChatRoom;
using testing::FakeChatRoom;
using testing::FakeChatWindows;
using testing::FakeCodePage;
using testing::FakeDialogs;
using testing::FakeFiles;
using testing::FakeProcess;
using testing::FakeTimer;
using testing::ProcessEnded;
using Shown = FakeDialogs::Shown;

class UserNameBox : public TextBox {
  public:
    Text GetText() const override { return text; }
    void SetText(const Text& t) override {
        text = t;
        ++sets;
    }
    Text text = L"(design-time)";
    int sets = 0;
};

class DisableChatSends : public AnnouncementSwitch {
  public:
    bool IsClear() override { return !ticked; }
    bool ticked = false;
};

class StartupTest : public ::testing::Test {
  protected:
    // The messages typed into the room's entry pane, as the room received them.
    std::vector<AnsiText> Sent() const {
        std::vector<AnsiText> texts;
        for (const auto& s : windows.SentTo(room.entry)) {
            texts.push_back(s.text);
        }
        return texts;
    }
    AnsiText Ansi(const Text& text) const { return codePage.ToAnsi(text); }

    FakeDialogs dialogs;
    FakeChatWindows windows;
    FakeChatRoom room = AddChatRoom(windows);
    FakeCodePage codePage;
    FakeFiles files;
    Chat chat{windows, codePage, files};
    UserNameBox Text3;
    DisableChatSends check1;
    FakeTimer timer;
    tasp_aim_chat tasp1{chat, timer};
    FakeProcess process;
    JuboLifecycle frmJubo{dialogs, chat, Text3, check1, tasp1, process};
};

TEST(LoadedAnnouncement, NamesTheUserAndTheWebAddress) {
    EXPECT_EQ(LoadedAnnouncement(L"Ann"),
              L"Orv Jubo <b>2.1</b> - Loaded. [User: Ann \u00BB Get it at: "
              L"<font color=blue><u>orvjubo.net</u>]");
    EXPECT_EQ(
        LoadedAnnouncement(L""),
        L"Orv Jubo <b>2.1</b> - Loaded. [User:  \u00BB Get it at: <font color=blue><u>orvjubo.net</u>]");
}

TEST_F(StartupTest, AsksForTheNameAnnouncesItAndStartsTheScanner) {
    dialogs.answers = {L"Ann"};
    frmJubo.Form_Load();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Shown::Kind::Input);
    EXPECT_EQ(dialogs.shown[0].text, L"UserName");
    EXPECT_EQ(dialogs.shown[0].title, L"UserName");
    EXPECT_EQ(Text3.text, L"Ann");
    EXPECT_EQ(Sent(), std::vector<AnsiText>{Ansi(LoadedAnnouncement(L"Ann"))});
    EXPECT_EQ(files.contents[L"test.html"], "\"" + Ansi(LoadedAnnouncement(L"Ann")) + "\"\r\n");
    EXPECT_TRUE(timer.IsRunning());
    EXPECT_EQ(timer.period, 500u);
}

TEST_F(StartupTest, AnEmptyNameIsReportedOnceAndAskedForOnceMore) {
    dialogs.answers = {std::nullopt, L"Bob"};
    frmJubo.Form_Load();

    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].kind, Shown::Kind::Message);
    EXPECT_EQ(dialogs.shown[1].text, L"You must enter a username!");
    EXPECT_EQ(dialogs.shown[1].title, L"Error");
    EXPECT_EQ(dialogs.shown[1].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.shown[2].kind, Shown::Kind::Input);
    EXPECT_EQ(dialogs.shown[2].text, L"UserName");
    EXPECT_EQ(Text3.text, L"Bob");
    EXPECT_EQ(Sent(), std::vector<AnsiText>{Ansi(LoadedAnnouncement(L"Bob"))});
}

TEST_F(StartupTest, CancellingBothPromptsStartsWithAnEmptyName) {
    dialogs.answers = {std::nullopt, std::nullopt, L"never asked"};
    frmJubo.Form_Load();

    EXPECT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.answers.size(), 1u);
    EXPECT_EQ(Text3.text, L"");
    EXPECT_EQ(Text3.sets, 1);
    EXPECT_EQ(Sent(),
              std::vector<AnsiText>{
                  Ansi(L"Orv Jubo <b>2.1</b> - Loaded. [User:  \u00BB Get it at: <font color=blue><u>") +
                  Ansi(kWebAddress) + "</u>]"});
    EXPECT_TRUE(timer.IsRunning());
}

TEST_F(StartupTest, TheNameIsTakenAsTyped) {
    for (const Text& name : {Text(L"   "), Text(L"<b>Boss</b> & co"), Text(L" pad ")}) {
        FakeDialogs asked;
        asked.answers = {name};
        UserNameBox box;
        FakeChatWindows tree;
        const FakeChatRoom r = AddChatRoom(tree);
        Chat c{tree, codePage, files};
        FakeTimer t;
        tasp_aim_chat scanner{c, t};
        JuboLifecycle lifecycle{asked, c, box, check1, scanner, process};
        lifecycle.Form_Load();

        EXPECT_EQ(asked.Messages().size(), 0u);
        EXPECT_EQ(box.text, name);
        EXPECT_EQ(tree.TextOf(r.entry), Ansi(L"Orv Jubo <b>2.1</b> - Loaded. [User: " + name +
                                             L" \u00BB Get it at: <font color=blue><u>") +
                                            "orvjubo.net</u>]");
    }
}

TEST_F(StartupTest, WithChatSendsDisabledTheScannerStillStarts) {
    check1.ticked = true;
    dialogs.answers = {L"Ann"};
    frmJubo.Form_Load();
    EXPECT_TRUE(Sent().empty());
    EXPECT_TRUE(files.contents.empty());
    EXPECT_EQ(Text3.text, L"Ann");
    EXPECT_TRUE(timer.IsRunning());
}

TEST_F(StartupTest, WithoutAChatRoomTheScannerStillStarts) {
    FakeChatWindows desktop;
    Chat nowhere{desktop, codePage, files};
    tasp_aim_chat scanner{nowhere, timer};
    JuboLifecycle lifecycle{dialogs, nowhere, Text3, check1, scanner, process};
    dialogs.answers = {L"Ann"};
    lifecycle.Form_Load();
    EXPECT_TRUE(desktop.Delivered().empty());
    EXPECT_EQ(files.contents[L"test.html"], "\"" + Ansi(LoadedAnnouncement(L"Ann")) + "\"\r\n");
    EXPECT_TRUE(timer.IsRunning());
}

// A room whose window misbehaves: start-up abandons the step and goes on.
class BrokenWindows : public FakeChatWindows {
  public:
    void SetText(WindowHandle, const AnsiText&) override { throw std::runtime_error("window gone"); }
};

TEST_F(StartupTest, AFailingAnnouncementDoesNotStopStartUp) {
    BrokenWindows broken;
    AddChatRoom(broken);
    Chat failing{broken, codePage, files};
    tasp_aim_chat scanner{failing, timer};
    JuboLifecycle lifecycle{dialogs, failing, Text3, check1, scanner, process};
    dialogs.answers = {L"Ann"};
    EXPECT_NO_THROW(lifecycle.Form_Load());
    EXPECT_TRUE(timer.IsRunning());
}

TEST_F(StartupTest, ShutdownSaysGoodbyeOnceAndEnds) {
    EXPECT_THROW(frmJubo.Form_Unload(), ProcessEnded);
    EXPECT_EQ(Sent(), std::vector<AnsiText>{"Orv Jubo - Unloaded."});
    EXPECT_EQ(process.ends, 1);
}

TEST_F(StartupTest, ShutdownWithChatSendsDisabledEndsSilently) {
    check1.ticked = true;
    EXPECT_THROW(frmJubo.Form_Unload(), ProcessEnded);
    EXPECT_TRUE(windows.Delivered().empty());
    EXPECT_TRUE(files.contents.empty());
    EXPECT_EQ(process.ends, 1);
}

TEST_F(StartupTest, ShutdownEndsEvenWhenTheGoodbyeFails) {
    BrokenWindows broken;
    AddChatRoom(broken);
    Chat failing{broken, codePage, files};
    JuboLifecycle lifecycle{dialogs, failing, Text3, check1, tasp1, process};
    EXPECT_THROW(lifecycle.Form_Unload(), ProcessEnded);
    EXPECT_EQ(process.ends, 1);
}

}  // namespace
}  // namespace orv
