#include "app/main_window_layout.h"

namespace orv {

namespace {
// System colour indexes, as the form designer names them.
constexpr std::uint8_t kMenuBar = 4;
constexpr std::uint8_t kWindow = 5;
constexpr std::uint8_t kMenuText = 7;
constexpr std::uint8_t kWindowText = 8;
}  // namespace

WindowSpec MainWindowSpec() {
    return WindowSpec{
        .name = "frmJubo",
        .caption = L"Orv Jubo 2.1",
        .border = BorderStyle::FixedSingle,
        .clientWidth = 5880,
        .clientHeight = 5160,
        .back = OleColour::System(kMenuText),
        .taskbarButton = true,
        .controls =
            {
                // The now-playing line.
                {.name = "Text1",
                 .kind = ControlKind::TextBox,
                 .left = 0,
                 .top = 3840,
                 .width = 5895,
                 .height = 285,
                 .fore = OleColour::System(kMenuBar),
                 .back = OleColour::Hex(0x800000),
                 .tabIndex = 1,
                 .enabled = false,
                 .flat = true,
                 .align = TextAlign::Centre},
                // The path of the file last handed to the media engine.
                {.name = "Text2",
                 .kind = ControlKind::TextBox,
                 .left = 0,
                 .top = 3480,
                 .width = 5895,
                 .height = 285,
                 .caption = L"Text2",
                 .fore = OleColour::System(kWindowText),
                 .back = OleColour::System(kWindow),
                 .tabIndex = 14,
                 .visible = false},
                // The user name entered at start-up. Its container holds only a hidden picture, so it is
                // placed on the window itself.
                {.name = "Text3",
                 .kind = ControlKind::TextBox,
                 .left = 1560,
                 .top = 1920,
                 .width = 2535,
                 .height = 285,
                 .caption = L"Text3",
                 .fore = OleColour::System(kWindowText),
                 .back = OleColour::System(kWindow),
                 .tabIndex = 22,
                 .visible = false},
            },
    };
}

}  // namespace orv
