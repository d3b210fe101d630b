// The windows' layout tables against a hand-written copy of the facts a slip of the keyboard would break:
// places, sizes, captions, tab positions and colours of the rows, the counts, and tab orders without gaps.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/main_window_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skins_layout.h"

namespace orv {
namespace {

using K = ControlKind;
constexpr OleColour Hex(std::uint32_t rrggbb) {
    return OleColour::Hex(rrggbb);
}
constexpr OleColour Sys(std::uint8_t index) {
    return OleColour::System(index);
}

struct Row {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    int tab;
    const wchar_t* caption;
    OleColour fore, back;
};

struct Window {
    const char* name;
    std::wstring caption;
    BorderStyle border;
    int clientWidth, clientHeight;
    OleColour back;
    size_t controls;
};

void ExpectWindow(const WindowSpec& layout, const Window& window, std::initializer_list<Row> rows) {
    SCOPED_TRACE(window.name);
    EXPECT_EQ(layout.name, window.name);
    EXPECT_EQ(layout.caption, window.caption);
    EXPECT_EQ(layout.border, window.border);
    EXPECT_EQ(layout.taskbarButton, window.border == BorderStyle::FixedSingle);
    EXPECT_EQ(layout.clientWidth, window.clientWidth);
    EXPECT_EQ(layout.clientHeight, window.clientHeight);
    EXPECT_EQ(layout.back, window.back);
    EXPECT_EQ(layout.controls.size(), window.controls);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ControlSpec* control = layout.Find(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, row.kind);
        EXPECT_EQ(control->left, row.left);
        EXPECT_EQ(control->top, row.top);
        EXPECT_EQ(control->width, row.width);
        EXPECT_EQ(control->height, row.height);
        EXPECT_EQ(control->tabIndex, row.tab);
        EXPECT_EQ(control->caption, row.caption);
        EXPECT_EQ(control->fore, row.fore);
        if (row.kind != K::Line) {
            EXPECT_EQ(control->back, row.back);
        }
    }
    // Names are unique and the tab positions run from 0 without a gap or a repeat.
    std::set<std::string> names;
    std::set<int> tabs;
    int tabbed = 0;
    for (const ControlSpec& control : layout.controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        if (control.tabIndex >= 0) {
            ++tabbed;
            tabs.insert(control.tabIndex);
        }
    }
    EXPECT_EQ(static_cast<int>(tabs.size()), tabbed);
    EXPECT_EQ(tabs.empty() ? -1 : *tabs.rbegin(), tabbed - 1);
}

// What every button of a kind has in common: face, caption, hover colour and font.
void ExpectButtons(const WindowSpec& layout, int count, OleColour face, OleColour caption,
                   const FontSpec& font) {
    SCOPED_TRACE(layout.name);
    int buttons = 0;
    for (const ControlSpec& control : layout.controls) {
        if (control.kind != K::PushButton) {
            continue;
        }
        SCOPED_TRACE(control.name);
        ++buttons;
        EXPECT_EQ(control.back, face);
        EXPECT_EQ(control.fore, caption);
        EXPECT_EQ(control.hoverFore, Hex(0xFFFFFF));
        EXPECT_EQ(control.font.face, font.face);
        EXPECT_DOUBLE_EQ(control.font.points, font.points);
        EXPECT_EQ(control.font.bold, font.bold);
    }
    EXPECT_EQ(buttons, count);
}

TEST(WindowLayouts, MainWindow) {
    const WindowSpec layout = MainWindowSpec();
    ExpectWindow(
        layout, {"frmJubo", L"Orv Jubo 2.1", BorderStyle::FixedSingle, 5880, 5160, Sys(7), 29},
        {
            {"List1", K::ListBox, 120, 120, 5655, 1785, 0, L"", Hex(0xC00000), Sys(6)},
            {"Text1", K::TextBox, 0, 3840, 5895, 285, 1, L"", Sys(4), Hex(0x800000)},
            {"Label1", K::Label, 600, 2040, 975, 255, 2, L"Options", Hex(0xC00000), Sys(15)},
            {"Line1", K::Line, 1440, 2160, 4200, 0, -1, L"", Hex(0xFF0000)},
            {"Line3", K::Line, 120, 2160, 600, 0, -1, L"", Hex(0xFF0000)},
            {"Line5", K::Line, 5640, 2160, 0, 1200, -1, L"", Hex(0xFF0000)},
            {"XPButton1", K::PushButton, 360, 2280, 1695, 255, 3, L"Play", Hex(0), Hex(0xFF0000)},
            {"XPButton6", K::PushButton, 2040, 2280, 1695, 255, 8, L"Add", Hex(0), Hex(0xFF0000)},
            {"XPButton3", K::PushButton, 2040, 2520, 1695, 255, 5, L"Clear Playlist", Hex(0), Hex(0xFF0000)},
            {"XPButton13", K::PushButton, 3720, 2760, 1695, 255, 15, L"Skins", Hex(0), Hex(0xFF0000)},
            {"XPButton12", K::PushButton, 2040, 3000, 1695, 255, 12, L"Ccoms", Hex(0), Hex(0xFF0000)},
            {"XPButton2", K::PushButton, 3720, 3000, 1695, 255, 4, L"Chat Sends", Hex(0), Hex(0xFF0000)},
            {"Text2", K::TextBox, 0, 3480, 5895, 285, 14, L"Text2", Sys(8), Sys(5)},
            {"MediaPlayer1", K::Panel, 0, 4080, 5895, 1095, 16, L"", Sys(18), Sys(15)},
            {"Green", K::Panel, 0, 0, 5895, 4815, 17, L"", Sys(18), Hex(0)},
            {"Yellow", K::Panel, 0, 0, 5775, 4695, 20, L"", Sys(18), Hex(0)},
            {"Purple", K::Panel, 0, 0, 5895, 4815, 21, L"", Sys(18), Hex(0)},
            {"Text3", K::TextBox, 1560, 1920, 2535, 285, 22, L"Text3", Sys(8), Sys(5)},
        });
    ExpectButtons(layout, 12, Hex(0xFF0000), Hex(0), {.face = L"Arial", .points = 9, .bold = true});
    // The grid of three columns by four rows, read row by row, and the buttons' names in tab order.
    std::map<std::pair<int, int>, std::wstring> grid;
    std::map<int, std::string> buttonsByTab;
    for (const ControlSpec& control : layout.controls) {
        if (control.kind == K::PushButton) {
            grid[{control.top, control.left}] = control.caption;
            buttonsByTab[control.tabIndex] = control.name;
        }
    }
    std::vector<std::wstring> captions;
    for (int top : {2280, 2520, 2760, 3000}) {
        for (int left : {360, 2040, 3720}) {
            captions.push_back(grid[{top, left}]);
        }
    }
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"Play", L"Add", L"Save", L"Remove File",
                                                   L"Clear Playlist", L"Mute", L"Next Song", L"Previous Song",
                                                   L"Skins", L"Minimize", L"Ccoms", L"Chat Sends"}));
    std::vector<std::string> names;
    for (const auto& [tab, name] : buttonsByTab) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"XPButton1", "XPButton2", "XPButton3", "XPButton4",
                                               "XPButton5", "XPButton6", "XPButton8", "XPButton9",
                                               "XPButton10", "XPButton12", "XPButton7", "XPButton13"}));

    const ControlSpec& options = *layout.Find("Label1");
    EXPECT_TRUE(options.transparent);
    EXPECT_EQ(options.align, TextAlign::Centre);
    EXPECT_EQ(options.font.face, L"Tahoma");
    EXPECT_DOUBLE_EQ(options.font.points, 9.75);
    EXPECT_TRUE(options.font.bold);
    EXPECT_EQ(layout.Find("Line1")->lineWidth, 2);
    EXPECT_FALSE(layout.Find("Text1")->enabled);
    // Only the hidden members are hidden; the scanner's face would cover the playlist.
    std::set<std::string> hidden;
    for (const ControlSpec& control : layout.controls) {
        if (!control.visible) {
            hidden.insert(control.name);
        }
    }
    EXPECT_EQ(hidden, (std::set<std::string>{"Text2", "Text3", "Green", "Purple", "Orange", "Yellow", "Blue",
                                             "tasp1"}));
}

TEST(WindowLayouts, AddDirectory) {
    const WindowSpec layout = AddDirWindowSpec();
    ExpectWindow(
        layout, {"frmAddDir", L"Add Directory", BorderStyle::FixedToolWindow, 2745, 5040, Sys(12), 5},
        {
            {"Drive1", K::DriveList, 120, 120, 2535, 315, 0, L"", Hex(0xC00000), Hex(0x404040)},
            {"Dir1", K::ListBox, 120, 600, 2535, 3240, 1, L"", Hex(0xC00000), Hex(0)},
            {"File1", K::ListBox, 120, 3960, 2535, 615, 2, L"", Hex(0xC00000), Hex(0)},
            {"XPButton1", K::PushButton, 120, 4680, 1095, 255, 3, L"OK", Hex(0xFF0000), Hex(0x808080)},
            {"XPButton2", K::PushButton, 1560, 4680, 1095, 255, 4, L"Cancel", Hex(0xFF0000), Hex(0x808080)},
        });
    ExpectButtons(layout, 2, Hex(0x808080), Hex(0xFF0000), {.face = L"Arial", .points = 8.25});
    for (const char* list : {"Drive1", "Dir1", "File1"}) {
        EXPECT_TRUE(layout.Find(list)->flat) << list;
    }
}

TEST(WindowLayouts, ChatCommands) {
    const WindowSpec layout = CcomsWindowSpec();
    ExpectWindow(
        layout, {"Form1", L"Ccoms", BorderStyle::FixedToolWindow, 3555, 7245, Sys(7), 42},
        {
            {"Text1", K::TextBox, 120, 120, 615, 285, 14, L"", Hex(0x0000FF), Hex(0xC0C0C0)},
            {"Label29", K::Label, 960, 120, 3015, 255, 15, L"Trigger", Hex(0xFF0000), Sys(8)},
            {"Check1", K::CheckBox, 1560, 120, 1815, 255, 16, L"No Trigger", Hex(0xFF0000), Sys(7)},
            {"XPButton1", K::PushButton, 1080, 6720, 1095, 255, 17, L"OK", Hex(0), Hex(0xC00000)},
            {"Option1", K::OptionButton, 240, 6960, 1575, 255, 20, L"Enable Ccoms", Hex(0xFF0000), Sys(18)},
            {"Option2", K::OptionButton, 1800, 6960, 1575, 255, 21, L"Disable Ccoms", Hex(0xFF0000), Sys(18)},
            {"Line2", K::Line, 120, 480, 3240, 0, -1, L"", Hex(0xFFFFFF)},
            {"Line1", K::Line, 840, 6600, 0, -6120, -1, L"", Hex(0xFFFFFF)},
            // The first, a middle and the last command row.
            {"Text2", K::TextBox, 120, 600, 615, 285, 23, L"p?", Hex(0xFF0000), Hex(0x808080)},
            {"Label14", K::Label, 960, 600, 3015, 255, 0, L"Sends current song to chat.", Hex(0xFF0000),
             Sys(8)},
            {"Text17", K::TextBox, 120, 3840, 615, 285, 38, L"Prev", Hex(0xFF0000), Hex(0x808080)},
            {"Label16", K::Label, 960, 3840, 3015, 255, 2, L"Plays previous song.", Hex(0xFF0000), Sys(8)},
            {"Text18", K::TextBox, 120, 6360, 615, 285, 39, L"Ref", Hex(0xFF0000), Hex(0x808080)},
            {"Label35", K::Label, 960, 6360, 3015, 255, 22, L"Updates playlist", Hex(0xFF0000), Sys(8)},
        });
    ExpectButtons(layout, 1, Hex(0xC00000), Hex(0), {.face = L"Arial", .points = 8.25});

    // The seventeen default words, from the top row down.
    std::map<int, std::wstring> wordsByTop;
    for (const ControlSpec& control : layout.controls) {
        if (control.kind == K::TextBox && control.name != "Text1") {
            EXPECT_TRUE(wordsByTop.emplace(control.top, control.caption).second) << control.name;
        }
    }
    std::vector<std::wstring> words;
    int top = 600;
    for (const auto& [rowTop, word] : wordsByTop) {
        EXPECT_EQ(rowTop, top);
        top += 360;
        words.push_back(word);
    }
    EXPECT_EQ(words, (std::vector<std::wstring>{L"p?", L"Min", L"Cpl", L"Mute", L"Unmute", L"End", L"Stop",
                                                L"Pause", L"Res", L"Prev", L"Next", L"Exit", L"Clear",
                                                L"Info", L"Vol+", L"Vol-", L"Ref"}));
    // Commands start switched off; "No Trigger" is the program's to set.
    EXPECT_EQ(layout.Find("Option1")->check, CheckState::Clear);
    EXPECT_EQ(layout.Find("Option2")->check, CheckState::Ticked);
    EXPECT_EQ(layout.Find("Check1")->check, CheckState::Grayed);
    EXPECT_FALSE(layout.Find("Check1")->enabled);
}

TEST(WindowLayouts, Credits) {
    const WindowSpec layout = CreditsWindowSpec();
    ExpectWindow(
        layout, {"Form2", L"Credits", BorderStyle::FixedToolWindow, 4335, 2055, Sys(18), 5},
        {
            {"Label5", K::Label, 0, 0, 4695, 375, 4, L"Credits", Hex(0x0000FF), Hex(0)},
            {"Label1", K::Label, 0, 480, 4695, 495, 0, L"Player and playlist: Ada Brandt", Hex(0x0000FF),
             Sys(18)},
            {"Label2", K::Label, 0, 840, 4695, 375, 1, L"Chat bridge: Tomas Keel", Hex(0x0000FF), Hex(0)},
            {"Label3", K::Label, 0, 1200, 4695, 255, 2, L"Chat commands: Rosa Imari", Hex(0x0000FF), Hex(0)},
            {"Label4", K::Label, 0, 1560, 4695, 375, 3, L"Windows and skins: Jonah Vale", Hex(0x0000FF),
             Hex(0)},
        });
    const ControlSpec& title = *layout.Find("Label5");
    EXPECT_EQ(title.align, TextAlign::Centre);
    EXPECT_DOUBLE_EQ(title.font.points, 13.5);
    EXPECT_TRUE(title.font.bold && title.font.underline);
    for (const char* line : {"Label1", "Label2", "Label3", "Label4"}) {
        const ControlSpec& label = *layout.Find(line);
        EXPECT_EQ(label.align, TextAlign::Left) << line;
        EXPECT_EQ(label.font.face, L"MS Sans Serif") << line;
        EXPECT_DOUBLE_EQ(label.font.points, 12) << line;
        EXPECT_FALSE(label.font.bold) << line;
    }
}

TEST(WindowLayouts, SkinChooser) {
    const WindowSpec layout = SkinsWindowSpec();
    ExpectWindow(
        layout,
        {"Form3", L"                -- Skins --", BorderStyle::FixedToolWindow, 2430, 3600, Sys(7), 2},
        {
            {"List1", K::ListBox, 120, 120, 2175, 2790, 0, L"", Hex(0xC00000), Hex(0)},
            {"XPButton7", K::PushButton, 360, 3120, 1695, 375, 1, L"OK", Hex(0), Hex(0xC00000)},
        });
    ExpectButtons(layout, 1, Hex(0xC00000), Hex(0), {.face = L"Arial", .points = 9, .bold = true});
    const ControlSpec& list = *layout.Find("List1");
    EXPECT_FALSE(list.flat);
    // The scheme is chosen by index: the entries' order and blanks matter.
    EXPECT_EQ(list.items,
              (std::vector<std::wstring>{L"             -- Skins --", L"", L"-- Black & Red (default) --",
                                         L"", L"-- Black & Blue --", L"", L"-- Black & Green --", L"",
                                         L"-- Black & Orange --", L"", L"-- Black & Yellow --", L"",
                                         L"-- Black & Purple --"}));
}

}  // namespace
}  // namespace orv
