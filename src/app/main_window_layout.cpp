#include "app/main_window_layout.h"

#include "player/player_controls_layout.h"

namespace orv {

namespace {
// System colour indexes, as the form designer names them.
constexpr std::uint8_t kWindow = 5;
constexpr std::uint8_t kMenuText = 7;
constexpr std::uint8_t kWindowText = 8;
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
    // The user name entered at start-up. Its container holds only a hidden picture, so it is placed on the
    // window itself.
    layout.controls.push_back({.name = "Text3",
                             .kind = ControlKind::TextBox,
                             .left = 1560,
                             .top = 1920,
                             .width = 2535,
                             .height = 285,
                             .caption = L"Text3",
                             .fore = OleColour::System(kWindowText),
                             .back = OleColour::System(kWindow),
                             .tabIndex = 22,
                             .visible = false});
    return layout;
}

}  // namespace orv
