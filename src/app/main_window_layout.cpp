#include "app/main_window_layout.h"

#include "player/player_controls_layout.h"

namespace orv {

namespace {
// System colour indexes, as the form designer names them.
constexpr std::uint8_t kWindow = 5;
constexpr std::uint8_t kMenuText = 7;
constexpr std::uint8_t kWindowText = 8;

const OleColour kFrameRed = OleColour::Hex(0xFF0000);

// A line of the "Options" frame, from (x1, y1) to (x2, y2).
ControlSpec FrameLine(const char* name, int x1, int y1, int x2, int y2) {
    return {.name = name,
            .kind = ControlKind::Line,
            .left = x1,
            .top = y1,
            .width = x2 - x1,
            .height = y2 - y1,
            .fore = kFrameRed,
            .lineWidth = 2};
}

// A hidden holder of a scheme's background picture; the pictures themselves are drawn by the program.
ControlSpec PictureStore(const char* name, int width, int height, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::Panel,
            .width = width,
            .height = height,
            .back = OleColour::Hex(0x000000),
            .tabIndex = tabIndex,
            .visible = false};
}

}  // namespace

WindowSpec MainWindowSpec() {
    WindowSpec layout{
        .name = "frmJubo",
        .caption = L"Orv Jubo 2.1",
        .border = BorderStyle::FixedSingle,
        .clientWidth = 5880,
        .clientHeight = 5160,
        .back = OleColour::System(kMenuText),
        .taskbarButton = true,
        // The playlist, the now-playing and path lines, MediaPlayer1 and the player's buttons.
        .controls = PlayerControlsLayout(),
    };
    auto& controls = layout.controls;
    // The frame round the buttons, open at the top where its title stands.
    controls.push_back({.name = "Label1",
                        .kind = ControlKind::Label,
                        .left = 600,
                        .top = 2040,
                        .width = 975,
                        .height = 255,
                        .caption = L"Options",
                        .fore = OleColour::Hex(0xC00000),
                        .tabIndex = 2,
                        .transparent = true,
                        .align = TextAlign::Centre,
                        .font = {.face = L"Tahoma", .points = 9.75, .bold = true}});
    controls.push_back(FrameLine("Line1", 1440, 2160, 5640, 2160));
    controls.push_back(FrameLine("Line2", 120, 2160, 120, 3360));
    controls.push_back(FrameLine("Line3", 120, 2160, 720, 2160));
    controls.push_back(FrameLine("Line4", 120, 3360, 5640, 3360));
    controls.push_back(FrameLine("Line5", 5640, 2160, 5640, 3360));

    // The buttons of the playlist, the windows and minimising; the player's own are in its layout.
    controls.push_back(MainWindowButton("XPButton6", 2040, 2280, L"Add", 8));
    controls.push_back(MainWindowButton("XPButton5", 3720, 2280, L"Save", 7));
    controls.push_back(MainWindowButton("XPButton4", 360, 2520, L"Remove File", 6));
    controls.push_back(MainWindowButton("XPButton3", 2040, 2520, L"Clear Playlist", 5));
    controls.push_back(MainWindowButton("XPButton13", 3720, 2760, L"Skins", 15));
    controls.push_back(MainWindowButton("XPButton7", 360, 3000, L"Minimize", 13));
    controls.push_back(MainWindowButton("XPButton12", 2040, 3000, L"Ccoms", 12));

    controls.push_back(PictureStore("Green", 5895, 4815, 17));
    controls.push_back(PictureStore("Purple", 5895, 4815, 21));
    controls.push_back(PictureStore("Orange", 5895, 4815, 19));
    controls.push_back(PictureStore("Yellow", 5775, 4695, 20));
    controls.push_back(PictureStore("Blue", 5895, 4815, 18));
    // The user name entered at start-up. Its container is a hidden picture store at the window's corner, so
    // it is placed on the window itself.
    controls.push_back({.name = "Text3",
                        .kind = ControlKind::TextBox,
                        .left = 1560,
                        .top = 1920,
                        .width = 2535,
                        .height = 285,
                        .caption = L"Text3",
                        .accessibleName = L"User name",
                        .fore = OleColour::System(kWindowText),
                        .back = OleColour::System(kWindow),
                        .tabIndex = 22,
                        .visible = false});
    // The chat scanner's face stays hidden: shown, it would cover the right part of the playlist.
    controls.push_back({.name = "tasp1",
                        .kind = ControlKind::Panel,
                        .left = 4200,
                        .top = 120,
                        .width = 1485,
                        .height = 1200,
                        .visible = false});
    return layout;
}

}  // namespace orv
