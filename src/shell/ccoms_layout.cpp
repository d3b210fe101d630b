#include "shell/ccoms_layout.h"

namespace orv {

namespace {

const OleColour kRed = OleColour::Hex(0xFF0000);
const OleColour kWhite = OleColour::Hex(0xFFFFFF);

// One command row: the word box at left and the help text beside it, which names it for screen readers.
struct CommandRow {
    const char* wordBox;
    const wchar_t* word;
    int wordTab;
    const char* helpLabel;
    const wchar_t* help;
    int helpTab;
};

// Rows from the top; the first stands at 600 twips and each next one 360 lower. The help labels take the
// tab positions in the order of their numbers, round those of the other controls.
constexpr CommandRow kRows[] = {
    {"Text2", L"p?", 23, "Label14", L"Sends current song to chat.", 0},
    {"Text3", L"Min", 24, "Label24", L"Minimizes jubo to system tray.", 10},
    {"Text4", L"Cpl", 25, "Label23", L"Clears current playlist.", 9},
    {"Text10", L"Mute", 31, "Label22", L"Mutes jubo.", 8},
    {"Text9", L"Unmute", 30, "Label21", L"Unmutes jubo.", 7},
    {"Text8", L"End", 29, "Label20", L"Closes jubo.", 6},
    {"Text7", L"Stop", 28, "Label19", L"Stops all media.", 5},
    {"Text6", L"Pause", 27, "Label18", L"Pauses current song.", 4},
    {"Text5", L"Res", 26, "Label17", L"Continues current song.", 3},
    {"Text17", L"Prev", 38, "Label16", L"Plays previous song.", 2},
    {"Text16", L"Next", 37, "Label15", L"Plays next song on list.", 1},
    {"Text15", L"Exit", 36, "Label26", L"Exits current chatroom.", 12},
    {"Text14", L"Clear", 35, "Label25", L"Clears all chat text.", 11},
    {"Text13", L"Info", 34, "Label28", L"Displays program information.", 13},
    {"Text12", L"Vol+", 33, "Label31", L"Slightly increases volume.", 18},
    {"Text11", L"Vol-", 32, "Label33", L"Slightly decreases volume.", 19},
    {"Text18", L"Ref", 39, "Label35", L"Updates playlist", 22},
};

ControlSpec HelpLabel(const char* name, int top, const wchar_t* caption, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::Label,
            .left = 960,
            .top = top,
            .width = 3015,
            .height = 255,
            .caption = caption,
            .fore = kRed,
            .back = OleColour::System(8),
            .tabIndex = tabIndex};
}

ControlSpec SwitchOption(const char* name, int left, const wchar_t* caption, CheckState check, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::OptionButton,
            .left = left,
            .top = 6960,
            .width = 1575,
            .height = 255,
            .caption = caption,
            .fore = kRed,
            .back = OleColour::System(18),
            .tabIndex = tabIndex,
            .check = check};
}

}  // namespace

WindowSpec CcomsWindowSpec() {
    WindowSpec layout{.name = "Form1",
                      .caption = L"Ccoms",
                      .border = BorderStyle::FixedToolWindow,
                      .clientWidth = 3555,
                      .clientHeight = 7245,
                      .back = OleColour::System(7),
                      .taskbarButton = false,
                      .controls = {
                          {.name = "Text1",
                           .kind = ControlKind::TextBox,
                           .left = 120,
                           .top = 120,
                           .width = 615,
                           .height = 285,
                           .labelledBy = "Label29",
                           .fore = OleColour::Hex(0x0000FF),
                           .back = OleColour::Hex(0xC0C0C0),
                           .tabIndex = 14,
                           .flat = true},
                          HelpLabel("Label29", 120, L"Trigger", 15),
                          // Set by the program when the trigger is empty; the user cannot click it.
                          {.name = "Check1",
                           .kind = ControlKind::CheckBox,
                           .left = 1560,
                           .top = 120,
                           .width = 1815,
                           .height = 255,
                           .caption = L"No Trigger",
                           .fore = kRed,
                           .back = OleColour::System(7),
                           .tabIndex = 16,
                           .enabled = false,
                           .check = CheckState::Grayed},
                          {.name = "Line2",
                           .kind = ControlKind::Line,
                           .left = 120,
                           .top = 480,
                           .width = 3240,
                           .fore = kWhite},
                          {.name = "Line1",
                           .kind = ControlKind::Line,
                           .left = 840,
                           .top = 6600,
                           .height = 480 - 6600,
                           .fore = kWhite},
                          {.name = "XPButton1",
                           .kind = ControlKind::PushButton,
                           .left = 1080,
                           .top = 6720,
                           .width = 1095,
                           .height = 255,
                           .caption = L"OK",
                           .fore = OleColour::Hex(0x000000),
                           .back = OleColour::Hex(0xC00000),
                           .tabIndex = 17,
                           .font = {.face = L"Arial", .points = 8.25},
                           .hoverFore = OleColour::Hex(0xFFFFFF)},
                          SwitchOption("Option1", 240, L"Enable Ccoms", CheckState::Clear, 20),
                          SwitchOption("Option2", 1800, L"Disable Ccoms", CheckState::Ticked, 21),
                      }};
    int top = 600;
    for (const CommandRow& row : kRows) {
        layout.controls.push_back({.name = row.wordBox,
                                   .kind = ControlKind::TextBox,
                                   .left = 120,
                                   .top = top,
                                   .width = 615,
                                   .height = 285,
                                   .caption = row.word,
                                   .labelledBy = row.helpLabel,
                                   .fore = kRed,
                                   .back = OleColour::Hex(0x808080),
                                   .tabIndex = row.wordTab,
                                   .flat = true});
        layout.controls.push_back(HelpLabel(row.helpLabel, top, row.help, row.helpTab));
        top += 360;
    }
    return layout;
}

}  // namespace orv
