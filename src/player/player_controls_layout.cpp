#include "player/player_controls_layout.h"

namespace orv {

ControlSpec MainWindowButton(const char* name, int left, int top, const wchar_t* caption, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::PushButton,
            .left = left,
            .top = top,
            .width = 1695,
            .height = 255,
            .caption = caption,
            .fore = OleColour::Hex(0x000000),
            .back = OleColour::Hex(0xFF0000),
            .tabIndex = tabIndex,
            .font = {.face = L"Arial", .points = 9, .bold = true},
            .hoverFore = OleColour::Hex(0xFFFFFF)};
}

std::vector<ControlSpec> PlayerControlsLayout() {
    return {
        {.name = "List1",
         .kind = ControlKind::ListBox,
         .left = 120,
         .top = 120,
         .width = 5655,
         .height = 1785,
         .accessibleName = L"Playlist",
         .fore = OleColour::Hex(0xC00000),
         .back = OleColour::System(6),
         .tabIndex = 0,
         .flat = true},
        {.name = "Text1",
         .kind = ControlKind::TextBox,
         .left = 0,
         .top = 3840,
         .width = 5895,
         .height = 285,
         .accessibleName = L"Now playing",
         .fore = OleColour::System(4),
         .back = OleColour::Hex(0x800000),
         .tabIndex = 1,
         .enabled = false,
         .flat = true,
         .align = TextAlign::Centre},
        {.name = "Text2",
         .kind = ControlKind::TextBox,
         .left = 0,
         .top = 3480,
         .width = 5895,
         .height = 285,
         .caption = L"Text2",
         .accessibleName = L"Song path",
         .fore = OleColour::System(8),
         .back = OleColour::System(5),
         .tabIndex = 14,
         .visible = false},
        {.name = "MediaPlayer1",
         .kind = ControlKind::Panel,
         .left = 0,
         .top = 4080,
         .width = 5895,
         .height = 1095,
         .accessibleName = L"Media player",
         .tabIndex = 16},
        MainWindowButton("XPButton1", 360, 2280, L"Play", 3),
        MainWindowButton("XPButton9", 3720, 2520, L"Mute", 10),
        MainWindowButton("XPButton8", 360, 2760, L"Next Song", 9),
        MainWindowButton("XPButton10", 2040, 2760, L"Previous Song", 11),
        MainWindowButton("XPButton2", 3720, 3000, L"Chat Sends", 4),
    };
}

}  // namespace orv
