// One whole session of the player beside the stand-in room, step by step as a newcomer would watch it: the
// name, a folder of songs, playing with announcement texts, another participant running every chat command,
// a skin, the tray, a saved and loaded list, and "End" from the room. Each step is checked by what the room
// or the windows show, and leaves a picture of the screen and a one-line caption in the folder named by
// ORVJUBO_DEMO_DIR (scripts/run and scripts/test set it; the pictures are .bmp files there, which the scripts
// turn into the .png files that index.md names).
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "e2e/test_songs.h"
#include "screens/screenshot.h"

namespace e2e {
namespace {

const std::wstring kDemoName = L"Sam";
const std::vector<std::wstring> kSongs = {L"Blue Evening.mp3", L"Harbour Lights.mp3", L"Night Train.mp3",
                                          L"Quiet Morning.mp3"};
const std::string kBefore = "Sam plays <b>";
const std::string kAfter = "</b> for the room";
const std::wstring kListName = L"Demo Evening";
// The tray window's callback message and the skin chooser's caption, as the player has them.
constexpr UINT kTrayCallback = WM_APP + 20;
const std::wstring kSkinChooserCaption = L"                -- Skins --";

// The pictures and captions of the steps.
class DemoRecord {
    // Time for what the step changed to be painted before the picture.
    static constexpr DWORD kPaintMs = 250;

  public:
    DemoRecord() {
        wchar_t folder[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableW(L"ORVJUBO_DEMO_DIR", folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            folder_ = folder;
        }
    }

    // A picture of the whole screen as the next step.
    void Step(const std::string& name, const std::string& caption) {
        char number[8];
        snprintf(number, sizeof number, "%02d", static_cast<int>(lines_.size()) + 1);
        const std::string file = std::string(number) + "-" + name;
        lines_.push_back(std::string(number) + ". " + caption + "  \n    ![" + name + "](" + file + ".png)");
        if (folder_.empty()) {
            return;
        }
        Sleep(kPaintMs);
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        EXPECT_TRUE(screens::WriteBmp(screens::CaptureScreen(screen),
                                      folder_ + L"\\" + std::wstring(file.begin(), file.end()) + L".bmp"))
            << "the picture " << file << " was not written";
    }

    // A picture of one window with its frame, "window-<name>", for the manual; not a step of its own.
    void Window(HWND window, const std::string& name) {
        RECT area{};
        Sleep(kPaintMs);
        if (folder_.empty() || !GetWindowRect(window, &area)) {
            return;
        }
        const std::wstring file = L"window-" + std::wstring(name.begin(), name.end()) + L".bmp";
        EXPECT_TRUE(screens::WriteBmp(screens::CaptureScreen(area), folder_ + L"\\" + file))
            << "the picture of " << name << " was not written";
    }

    void WriteIndex(int seconds) const {
        if (folder_.empty()) {
            return;
        }
        std::ofstream index(std::filesystem::path(folder_) / "index.md", std::ios::binary);
        index
            << "# Orv Jubo 2.1: one whole session\n\n"
            << "Sam runs the player beside the stand-in chat room; Ann, another participant, types the chat "
               "commands. Made by the whole-program test AudibleDemonstration in "
            << seconds << " s.\n\n";
        for (const std::string& line : lines_) {
            index << line << "\n";
        }
        EXPECT_TRUE(index.good()) << "index.md was not written";
    }

  private:
    std::wstring folder_;
    std::vector<std::string> lines_;
};

bool IsAnnouncement(const std::string& message) {
    return message.size() >= kBefore.size() + kAfter.size() && message.starts_with(kBefore) &&
           message.ends_with(kAfter);
}

class AudibleDemonstration : public PlayerBesideRoom {
  protected:
    // How many messages of the room pass the test.
    int CountMessages(const std::function<bool(const std::string&)>& matches) {
        const std::vector<std::string> messages = RoomMessages(ReadHistory());
        return static_cast<int>(std::count_if(messages.begin(), messages.end(), matches));
    }

    // Waits until the room shows one more message that passes the test than before the action.
    bool OneMoreMessage(const std::function<void()>& action,
                        const std::function<bool(const std::string&)>& matches) {
        const int before = CountMessages(matches);
        action();
        return WaitUntil([&] { return CountMessages(matches) > before; }, Scaled(30000), 200);
    }

    // Ann says the command; true once the room shows one more message that passes the test.
    bool Command(const std::wstring& line, const std::function<bool(const std::string&)>& reply) {
        return OneMoreMessage([&] { EXPECT_TRUE(SayAsParticipant(line)); }, reply);
    }

    static std::function<bool(const std::string&)> Is(const std::string& text) {
        return [text](const std::string& message) { return message == text; };
    }

    HWND OpenFromMainWindow(const std::wstring& button, int menuItem, const std::wstring& caption) {
        PressButton(MainWindowButton(mainWindow_, button));
        if (menuItem >= 0) {
            EXPECT_TRUE(ChooseFromMenu(player_.Id(), menuItem)) << "no menu opened";
        }
        const HWND window = WaitForTopWindow({.processId = player_.Id(), .caption = caption});
        EXPECT_NE(window, nullptr) << "\"" << ToAnsi(caption) << "\" did not open";
        // Between the main window and the room, so that the picture shows all three.
        SetWindowPos(window, nullptr, 420, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return window;
    }

    int PlaylistCount() { return static_cast<int>(SendMessageW(Playlist(mainWindow_), LB_GETCOUNT, 0, 0)); }

    void PlaceWindows() {
        SetWindowPos(mainWindow_, nullptr, 8, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(roomWindow_, nullptr, 680, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND mainWindow_ = nullptr;
    DemoRecord demo_;
};

TEST_F(AudibleDemonstration, OneWholeSession) {
    const DWORD startedAt = GetTickCount();
    const std::wstring songs = folder_.File(L"songs");
    ASSERT_TRUE(CreateDirectoryW(songs.c_str(), nullptr));
    for (const std::wstring& song : kSongs) {
        ASSERT_TRUE(CopyTestSong(L"demo_tune.mp3", songs + L"\\" + song));
    }

    // Start and name.
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    const HWND prompt = WaitForTopWindow({.processId = player_.Id(), .caption = kUserNamePrompt});
    ASSERT_NE(prompt, nullptr) << "no \"UserName\" prompt";
    ASSERT_TRUE(TypeIntoInputBox(prompt, kDemoName));
    demo_.Window(prompt, "user-name");
    demo_.Step("user-name", "Before anything else the player asks for the name it announces in the room.");
    ASSERT_TRUE(PressButtonIn(prompt, L"OK"));
    WaitForRoomToShow(LoadedAnnouncement(kDemoName));
    mainWindow_ = WaitForMainWindow();
    ASSERT_NE(mainWindow_, nullptr);
    PlaceWindows();
    demo_.Window(mainWindow_, "main");
    demo_.Step("loaded", "The player beside the room, which has heard that Sam's player is loaded.");

    // Fill from a folder through "Add Directory".
    const HWND addDir = OpenFromMainWindow(L"Add", 0, L"Add Directory");
    ASSERT_NE(addDir, nullptr);
    ASSERT_TRUE(OpenFolderInAddDirectory(addDir, L"songs")) << "the folder list does not show \"songs\"";
    demo_.Window(addDir, "add-directory");
    demo_.Step("add-directory", "\"Add\", \"Directory\": the folder \"songs\" is opened in the folder list.");
    ASSERT_TRUE(OneMoreMessage([&] { EXPECT_TRUE(PressButtonIn(addDir, L"OK")); },
                               Is("Dir Loaded - <b> 4</b> Files.")));
    EXPECT_EQ(PlaylistCount(), 4);
    demo_.Step("playlist-filled",
               "\"OK\" puts the four songs into the playlist and tells the room how many.");

    // The announcement's texts in "Chat Sends", then play.
    const HWND chatSends = OpenFromMainWindow(L"Chat Sends", -1, L"Chat Sends");
    ASSERT_NE(chatSends, nullptr);
    std::vector<HWND> edits;
    for (HWND edit = nullptr; (edit = FindWindowExW(chatSends, edit, L"Edit", nullptr)) != nullptr;) {
        edits.push_back(edit);
    }
    ASSERT_EQ(edits.size(), 2u) << "\"Chat Sends\" has a text box before and one after the song";
    ASSERT_TRUE(SetWindowTextTo(edits[0], std::wstring(kBefore.begin(), kBefore.end())));
    ASSERT_TRUE(SetWindowTextTo(edits[1], std::wstring(kAfter.begin(), kAfter.end())));
    demo_.Window(chatSends, "chat-sends");
    demo_.Step("chat-sends", "\"Chat Sends\": the texts around the song's name in every announcement.");
    ASSERT_TRUE(PressButtonIn(chatSends, L"OK"));
    ASSERT_TRUE(WaitUntilGone(chatSends));

    ASSERT_TRUE(SelectEntry(Playlist(mainWindow_), 0));
    ASSERT_TRUE(OneMoreMessage([&] { PressButton(MainWindowButton(mainWindow_, L"Play")); },
                               Is(kBefore + "Blue Evening.mp3" + kAfter)));
    EXPECT_TRUE(WaitUntil([&] { return DisplayShows(ReadEngineDisplay(mainWindow_), kSongs[0], L"Playing"); },
                          Scaled(30000)));
    demo_.Step("playing", "\"Play\": the first song plays and the room reads Sam's announcement.");

    // Chat commands with the trigger "!".
    const HWND ccoms = OpenFromMainWindow(L"Ccoms", -1, L"Ccoms");
    ASSERT_NE(ccoms, nullptr);
    ASSERT_TRUE(SetWindowTextTo(FindDescendant(ccoms, L"Edit", L""), L"!"));
    ASSERT_TRUE(OneMoreMessage([&] { PressButton(FindDescendant(ccoms, L"Button", L"Enable Ccoms")); },
                               Is("Ccoms Enabled")));
    demo_.Window(ccoms, "ccoms");
    demo_.Step("ccoms",
               "\"Ccoms\": the trigger \"!\" and \"Enable Ccoms\"; the room hears that commands are on.");

    const auto isEngine = [&](const wchar_t* state) {
        return WaitUntil([&] { return ReadEngineDisplay(mainWindow_).status.starts_with(state); },
                         Scaled(30000));
    };
    const std::string info = ToAnsi(
        L"[Orv Jubo \u00BB Make: 2.1 \u00BB Current User: Sam \u00BB Current Directory: "
        L"<b>4</b> files. \u00BB Get it at: <font color=blue><u>orvjubo.net</u>]");
    // For the commands that answer nothing: Ann's own line has reached the room.
    const auto annsLine = [](const std::string& message) { return !message.empty(); };
    struct Ccom {
        const wchar_t* line;
        const char* picture;
        const char* caption;
        std::function<bool(const std::string&)> reply;
        std::function<bool()> then;  // what else shows that the command was obeyed
    };
    const std::vector<Ccom> ccomsInOrder = {
        {L"!p?", "cmd-p", "Ann types \"!p?\": the player says what is playing.", IsAnnouncement, {}},
        {L"!Info", "cmd-info", "\"!Info\": the program, Sam's name and the playlist's size.", Is(info), {}},
        {L"!Pause", "cmd-pause", "\"!Pause\": the song pauses.",
         Is(kBefore + "Blue Evening.mp3" + kAfter + " [<b>Paused</b>]"), [&] { return isEngine(L"Paused"); }},
        {L"!Res", "cmd-res", "\"!Res\": it plays on.", IsAnnouncement, [&] { return isEngine(L"Playing"); }},
        {L"!Mute", "cmd-mute", "\"!Mute\": the player goes quiet (no reply).", annsLine, {}},
        {L"!Unmute", "cmd-unmute", "\"!Unmute\": the sound is back.", annsLine, {}},
        {L"Vol-", "cmd-vol-down", "\"Vol-\" (no trigger): a little softer.", annsLine, {}},
        {L"Vol+", "cmd-vol-up", "\"Vol+\" (no trigger): a little louder.", annsLine, {}},
        {L"!Next",
         "cmd-next",
         "\"!Next\": the next song, announced.",
         Is(kBefore + "Harbour Lights.mp3" + kAfter),
         {}},
        {L"!Prev",
         "cmd-prev",
         "\"!Prev\": back to the first song.",
         Is(kBefore + "Blue Evening.mp3" + kAfter),
         {}},
        {L"!Stop", "cmd-stop", "\"!Stop\": all media stops.", Is("All media has been stopped"),
         [&] { return isEngine(L"Stopped"); }},
        {L"!Cpl", "cmd-cpl", "\"!Cpl\": the playlist is emptied.", Is("Playlist Cleared!"),
         [&] { return WaitUntil([&] { return PlaylistCount() == 0; }, Scaled(10000)); }},
        {L"!Ref", "cmd-ref", "\"!Ref\": the playlist is filled again from the folder.",
         Is("Playlist Refreshed - Current Directory: <b>4</b> Files."),
         [&] { return WaitUntil([&] { return PlaylistCount() == 4; }, Scaled(10000)); }},
        {L"!Clear", "cmd-clear", "\"!Clear\": the conversation on this desktop is cleared.",
         Is("Chat has been cleared!"), [&] { return RoomMessages(ReadHistory()).size() <= 2; }},
        {L"!Min", "cmd-min", "\"!Min\": the player hides behind its tray icon.", annsLine,
         [&] { return WaitUntil([&] { return !IsWindowVisible(mainWindow_); }, Scaled(20000)); }},
    };
    for (const Ccom& command : ccomsInOrder) {
        SCOPED_TRACE(ToAnsi(command.line));
        EXPECT_TRUE(Command(command.line, command.reply)) << "no reply in the room";
        if (command.then) {
            EXPECT_TRUE(command.then()) << "the player did not obey";
        }
        // "Mute", "Vol+" and the like answer nothing: the player goes on answering the room.
        EXPECT_TRUE(Answers(mainWindow_, Scaled(10000)));
        demo_.Step(command.picture, command.caption);
    }
    // The tray icon's double-click brings the main window back.
    PostMessageW(WindowOfProcess(nullptr, L"OrvJubo.cSysTray", player_.Id()), kTrayCallback, 0,
                 MAKELPARAM(WM_LBUTTONDBLCLK, 1));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_) != FALSE; }, Scaled(20000)));
    demo_.Step("back-from-tray", "A double-click on the tray icon brings the player back.");

    EXPECT_TRUE(SayAsParticipant(L"!Exit"));
    EXPECT_TRUE(WaitUntil([] { return FindChatRoom() == nullptr; }, Scaled(30000))) << "the room stayed open";
    EXPECT_TRUE(room_.WaitForEnd(kEndTimeoutMs));
    demo_.Step("cmd-exit", "\"!Exit\": the player leaves the chat room; it closes.");
    ASSERT_NO_FATAL_FAILURE(StartRoom());
    PlaceWindows();
    ASSERT_TRUE(
        OneMoreMessage([&] { PressButton(MainWindowButton(mainWindow_, L"Next Song")); }, IsAnnouncement));
    demo_.Step("room-again", "A new room: the player finds it and announces the next song there.");

    // A skin.
    const HWND chooser = OpenFromMainWindow(L"Skins", -1, kSkinChooserCaption);
    ASSERT_NE(chooser, nullptr);
    SendMessageW(FindWindowExW(chooser, nullptr, L"ListBox", nullptr), LB_SETCURSEL, 4, 0);
    demo_.Window(chooser, "skins");
    demo_.Step("skins", "\"Skins\": the chooser of the player's colour schemes.");
    ASSERT_TRUE(PressButtonIn(chooser, L"OK"));
    ASSERT_TRUE(WaitUntilGone(chooser));
    Sleep(500);  // the new background picture is drawn after the colours
    demo_.Window(mainWindow_, "main-blue");
    demo_.Step("blue-skin", "The player in its blue scheme.");

    // To the tray and back, through the player's own menus.
    PressButton(MainWindowButton(mainWindow_, L"Minimize"));
    ASSERT_TRUE(ChooseFromMenu(player_.Id(), 1)) << "\"Minimize\" opened no menu";  // "To System Tray"
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(mainWindow_); }, Scaled(20000)));
    const auto openTrayMenu = [&] {
        PostMessageW(WindowOfProcess(nullptr, L"OrvJubo.cSysTray", player_.Id()), kTrayCallback, 0,
                     MAKELPARAM(WM_CONTEXTMENU, 1));
        return WaitForTopWindow({.processId = player_.Id(), .className = L"#32768"}) != nullptr;
    };
    ASSERT_TRUE(openTrayMenu()) << "no tray menu";
    demo_.Window(FindTopWindow({.processId = player_.Id(), .className = L"#32768"}), "tray-menu");
    demo_.Step("tray-menu",
               "\"Minimize\", \"To System Tray\"; a right-click on the tray icon opens its menu.");
    ASSERT_TRUE(ChooseFromMenu(player_.Id(), 6));  // "Credits"
    const HWND credits = WaitForTopWindow({.processId = player_.Id(), .caption = L"Credits"});
    ASSERT_NE(credits, nullptr) << "\"Credits\" did not open";
    demo_.Window(credits, "credits");
    demo_.Step("credits", "The tray menu's \"Credits\".");
    AskToClose(credits);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(credits); }, Scaled(20000)));
    ASSERT_TRUE(openTrayMenu()) << "no tray menu";
    ASSERT_TRUE(ChooseFromMenu(player_.Id(), 8));  // "Restore"
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_) != FALSE; }, Scaled(20000)));

    // Save the list, empty the playlist, load the list.
    const std::wstring listFile =
        std::filesystem::path(BuiltProgram(L"orvjubo.exe", L"ORVJUBO_EXE")).parent_path().wstring() + L"\\" +
        kListName + L".mlt";
    DeleteFileW(listFile.c_str());
    PressButton(MainWindowButton(mainWindow_, L"Save"));
    const HWND listName = WaitForTopWindow({.processId = player_.Id(), .caption = L"ListName"});
    ASSERT_NE(listName, nullptr);
    ASSERT_TRUE(TypeIntoInputBox(listName, kListName));
    demo_.Window(listName, "list-name");
    demo_.Step("save", "\"Save\": the list is saved under a name the player asks for.");
    ASSERT_TRUE(PressButtonIn(listName, L"OK"));
    std::string expected;
    for (const std::wstring& song : kSongs) {
        expected += ToAnsi(song) + "\r\n";
    }
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(listFile) == expected; }, Scaled(20000)))
        << "the saved list holds " << ReadFileBytes(listFile);

    ASSERT_TRUE(OneMoreMessage([&] { PressButton(MainWindowButton(mainWindow_, L"Clear Playlist")); },
                               Is("Playlist cleared!")));
    PressButton(MainWindowButton(mainWindow_, L"Add"));
    ASSERT_TRUE(ChooseFromMenu(player_.Id(), 2));  // "Playlist"
    const HWND open =
        WaitForTopWindow({.processId = player_.Id(), .className = L"#32770", .caption = L"Load your list."});
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(TypeIntoInputBox(open, listFile));
    demo_.Window(open, "load-list");
    demo_.Step("load", "\"Clear Playlist\", then \"Add\", \"Playlist\": the saved list is chosen.");
    PostMessageW(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(open));
    EXPECT_TRUE(WaitUntil([&] { return PlaylistCount() == 4; }, Scaled(20000)));
    demo_.Step("loaded-list", "The four songs are back in the playlist, in their order.");
    DeleteFileW(listFile.c_str());

    // "End" from the room.
    EXPECT_TRUE(Command(L"!End", Is(kUnloadedAnnouncement)));
    EXPECT_TRUE(player_.WaitForEnd(kEndTimeoutMs)) << "the player did not end";
    demo_.Step("cmd-end", "\"!End\": the player says goodbye and ends.");
    demo_.WriteIndex(static_cast<int>((GetTickCount() - startedAt) / 1000));
}

}  // namespace
}  // namespace e2e
