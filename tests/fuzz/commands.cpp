// The chat commands of the whole program on fakes: any trigger, any command words, any message. Every
// command whose trigger and word (or word alone, for "Vol+" and "Vol-") make up the message runs, in the
// commands' order, and no other; what each did is checked in the engine's calls, the replies and boxes.
#include <algorithm>
#include <optional>

#include "app/jubo_player.h"
#include "app/main_window_layout.h"
#include "commands/chat_commands.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_engine_panels.h"
#include "fakes/fake_files.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_form.h"
#include "fakes/fake_handler_queue.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_tray_icon.h"
#include "player/chat_module_sender.h"
#include "player/program_texts.h"
#include "playlist/playlist_sources.h"
#include "fuzz/fuzz_support.h"

namespace {

using orv::Text;
using orv::fuzz::Check;
using Texts = std::vector<Text>;

enum Command {
    End,
    Clear,
    Exit,
    Next,
    Prev,
    Pause,
    Res,
    Stop,
    Mute,
    Unmute,
    Cpl,
    Min,
    SongQuery,
    Info,
    VolUp,
    VolDown,
    Ref
};
// Each command's box on Form1, in the order the commands are tested.
const char* const kBoxes[] = {"Text8", "Text14", "Text15", "Text16", "Text17", "Text6",
                              "Text5", "Text7",  "Text10", "Text9",  "Text4",  "Text3",
                              "Text2", "Text13", "Text12", "Text11", "Text18"};
const Text kFolder = L"C:\\Music";

// What one line made the program do.
struct Effects {
    Texts engineCalls, replies, boxes;
    int clears = 0, closes = 0, trayIcons = 0;
    bool ended = false;
    Texts playlist;
    Text nowPlaying;
    bool operator==(const Effects&) const = default;
};

// The ports, the folder's songs first: the add-directory window lists them when it is made.
struct Ports {
    explicit Ports(std::size_t folderFiles) {
        for (std::size_t i = 0; i < folderFiles; ++i) {
            folders.files[kFolder].push_back(L"f" + std::to_wstring(i) + L".mp3");
        }
    }
    orv::testing::FakeFolders folders;
    orv::testing::FakeEventList events;
    orv::testing::FakeFormFactory forms;
    orv::testing::FakeEnginePanels panels;
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeChatWindows chatWindows;
    orv::testing::FakeChatRoom room = orv::testing::AddChatRoom(chatWindows);
    orv::testing::FakeCodePage codePage;
    orv::testing::FakeFiles files;
    orv::testing::FakeTimer timer;
    orv::testing::FakeProcess process;
    orv::testing::FakeHandlerQueue later;
    orv::testing::FakeTrayIcon tray{&events};
};

// The parts of the program that the commands act on, wired as the program wires them; "Min" puts the tray
// icon up and nothing more.
struct Player : Ports {
    explicit Player(std::size_t folderFiles) : Ports(folderFiles) {
        frmJubo->TextBoxNamed("Text3").SetText(L"Bob");
        auto& sends = player.frmChatSends();
        sends.Text1().SetText(L"<i>");
        sends.Text2().SetText(L"</i>");
        sends.Check1().SetValue(1);  // no announcements of their own: only the commands' replies
    }
    std::unique_ptr<orv::Form> frmJubo = forms.Create(orv::MainWindowSpec());
    orv::Chat chat{chatWindows, codePage, files};
    orv::ChatModuleSender chatSender{chat};
    orv::tasp_aim_chat tasp1{chat, timer};
    orv::JuboPlayer player{*frmJubo, forms, panels, folders, dialogs, chatSender, later};
    orv::PlaylistSources sources{*frmJubo,
                                 player.List1(),
                                 frmJubo->TextBoxNamed("Text1"),
                                 player.frmAddDir(),
                                 dialogs,
                                 chatSender,
                                 files,
                                 folders,
                                 codePage};
    orv::CcomsWindow form1{forms, tasp1, chat};
    orv::ChatCommands commands{{.Form1 = form1,
                                .chat = chat,
                                .navigation = player.Navigator(),
                                .MediaPlayer1 = player.MediaPlayer1(),
                                .List1 = player.List1(),
                                .Text1 = frmJubo->TextBoxNamed("Text1"),
                                .Text3 = frmJubo->TextBoxNamed("Text3"),
                                .frmChatSends = player.frmChatSends(),
                                .process = process,
                                .refresh = [this] { sources.directory.Refresh(); },
                                .minimizeToTray = [this] { tray.SetInTray(true); }}};

    orv::testing::FakeMediaEngine& Engine() { return panels.engines.front(); }
    orv::ListBox& List1() { return player.List1(); }
    orv::TextBox& NowPlaying() { return frmJubo->TextBoxNamed("Text1"); }
    Texts Playlist() {
        Texts items;
        for (int i = 0; i < List1().Count(); ++i) {
            items.push_back(List1().Item(i));
        }
        return items;
    }
    Text Box(int command) { return form1.Word(kBoxes[command]); }
    Text Spelt(int command) {
        return command == VolUp || command == VolDown ? Box(command) : form1.Trigger() + Box(command);
    }

    // Everything observed so far; the effects of one line are the difference of two of these.
    Effects Observed() {
        Effects now{.engineCalls = Engine().calls,
                    .boxes = dialogs.Messages(),
                    .ended = process.ends > 0,
                    .playlist = Playlist(),
                    .nowPlaying = NowPlaying().GetText()};
        for (const auto& sent : chatWindows.sent) {
            if (sent.kind == orv::testing::FakeChatWindows::Kind::SetText) {
                if (sent.text.empty()) {
                    ++now.clears;  // no reply is empty: only ChatClear sends an empty text
                } else {
                    now.replies.push_back(codePage.FromAnsi(sent.text));
                }
            }
            now.closes += sent.kind == orv::testing::FakeChatWindows::Kind::Close ? 1 : 0;
        }
        now.trayIcons = static_cast<int>(std::count(events.begin(), events.end(), "intray true"));
        return now;
    }
};

Texts After(const Texts& all, const Texts& before) {
    return Texts(all.begin() + static_cast<std::ptrdiff_t>(std::min(before.size(), all.size())), all.end());
}

// What the line should do, worked out from the program's state before it.
Effects Expected(Player& p, const Text& message, const Effects& before) {
    Effects e{.playlist = before.playlist, .nowPlaying = before.nowPlaying};
    int selected = p.List1().ListIndex();
    std::int32_t volume = p.Engine().Volume();
    const auto reply = [&](const Text& text) {
        e.replies.push_back(p.codePage.FromAnsi(p.codePage.ToAnsi(text)));
    };
    const auto nowPlaying = [&] { return L"<i>" + e.nowPlaying + L"</i>"; };
    for (int command = End; command <= Ref; ++command) {
        if (message != p.Spelt(command)) {
            continue;
        }
        switch (command) {
            case End:
                reply(orv::kUnloadedAnnouncement);
                e.ended = true;
                return e;
            case Clear:
                ++e.clears;
                reply(orv::kChatClearedReply);
                break;
            case Exit:
                ++e.closes;
                break;
            case Next:
            case Prev: {
                const int count = static_cast<int>(e.playlist.size());
                if (count == 0) {
                    e.boxes.push_back(orv::kNoFilesFound);
                    return e;
                }
                selected = selected < 0 ? 0 : std::clamp(selected + (command == Next ? 1 : -1), 0, count - 1);
                e.nowPlaying = e.playlist[static_cast<std::size_t>(selected)];
                e.engineCalls.push_back(L"SetFileName " + kFolder + L"\\" + e.nowPlaying);
                e.engineCalls.push_back(L"Play");
                break;
            }
            case Pause:
                e.engineCalls.push_back(L"Pause");
                reply(nowPlaying() + orv::kPausedSuffix);
                break;
            case Res:
                e.engineCalls.push_back(L"Play");
                reply(nowPlaying());
                break;
            case Stop:
                e.engineCalls.push_back(L"Stop");
                reply(orv::kMediaStoppedReply);
                break;
            case Mute:
            case Unmute:
                e.engineCalls.push_back(command == Mute ? L"SetMute true" : L"SetMute false");
                break;
            case Cpl:
                e.playlist.clear();
                selected = -1;
                e.nowPlaying.clear();
                reply(orv::kPlaylistClearedReply);
                break;
            case Min:
                ++e.trayIcons;
                break;
            case SongQuery:
                reply(nowPlaying());
                break;
            case Info:
                reply(orv::InformationText(L"Bob", static_cast<int>(e.playlist.size())));
                break;
            case VolUp:
            case VolDown:
                volume = std::clamp(volume + (command == VolUp ? 200 : -200), orv::kSilentVolume,
                                    orv::kFullVolume);
                e.engineCalls.push_back(L"SetVolume " + std::to_wstring(volume));
                break;
            case Ref: {
                const auto found = p.folders.files.find(kFolder);
                e.playlist = found == p.folders.files.end() ? Texts{} : found->second;
                selected = -1;
                if (e.playlist.empty()) {
                    e.boxes.push_back(L"No files were found in specific folder");
                }
                reply(L"Playlist Refreshed - Current Directory: <b>" + std::to_wstring(e.playlist.size()) +
                      L"</b> Files.");
                break;
            }
        }
    }
    return e;
}

}  // namespace

// One step a line: "Text1=" and the trigger, "TextN=" and a command word for the box TextN; "w" and a
// command's number (0 "End" .. 16 "Ref", in their order): the room says that command as it is spelt now; "W"
// and a number: that command's word alone; "p" and a number: a playlist of that many songs, the second
// selected; "v" and a number: the volume, that much below full. Any other line is said in the room as it
// is. A first line "r" and a number: the current folder holds that many songs (for "Ref").
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto lines = orv::fuzz::ScriptLines(bytes, size);
    const bool folderLine = !lines.empty() && lines[0].starts_with('r');
    Player p(folderLine ? orv::fuzz::Number(lines[0].substr(1), 4) : 2);
    for (std::size_t at = folderLine ? 1 : 0; at < lines.size(); ++at) {
        const std::string_view line = lines[at];
        const std::string_view rest = line.substr(std::min<std::size_t>(1, line.size()));
        std::optional<Text> message;
        if (line.starts_with("Text") && line.find('=') != std::string_view::npos) {
            const std::size_t equals = line.find('=');
            const std::size_t box = orv::fuzz::Number(line.substr(4, equals - 4), 99);
            if (box >= 1 && box <= 18) {
                p.form1.Window()
                    .TextBoxNamed("Text" + std::to_string(box))
                    .SetText(orv::fuzz::Latin1(std::string(line.substr(equals + 1))));
            }
        } else if (line.starts_with('w') || line.starts_with('W')) {
            const int command = static_cast<int>(orv::fuzz::Number(rest, Ref));
            message = line[0] == 'w' ? p.Spelt(command) : p.Box(command);
        } else if (line.starts_with('p')) {
            p.List1().Clear();
            const std::size_t songs = orv::fuzz::Number(rest, 5);
            for (std::size_t i = 0; i < songs; ++i) {
                p.List1().AddItem(L"s" + std::to_wstring(i) + L".mp3");
            }
            p.List1().SetListIndex(songs > 1 ? 1 : static_cast<int>(songs) - 1);
        } else if (line.starts_with('v')) {
            p.Engine().SetVolume(-static_cast<std::int32_t>(orv::fuzz::Number(rest, 10000)));
        } else {
            message = orv::fuzz::Latin1(std::string(line));
        }
        if (!message) {
            continue;
        }
        const Effects before = p.Observed();
        const Effects expected = Expected(p, *message, before);
        try {
            p.commands.tasp1_aimchatscan(L"Ann", *message, L"{8:15:02 PM}");
        } catch (const orv::testing::ProcessEnded&) {
        }
        Effects now = p.Observed();
        now.engineCalls = After(now.engineCalls, before.engineCalls);
        now.replies = After(now.replies, before.replies);
        now.boxes = After(now.boxes, before.boxes);
        now.clears -= before.clears;
        now.closes -= before.closes;
        now.trayIcons -= before.trayIcons;
        Check(now.engineCalls == expected.engineCalls, "the engine's calls");
        Check(now.replies == expected.replies, "the replies in the room");
        Check(now.boxes == expected.boxes, "the message boxes");
        Check(now == expected, "the line's effects");
        if (now.ended) {
            break;  // the program has ended
        }
    }
    return 0;
}
