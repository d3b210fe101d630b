#include "shell/skins_layout.h"

namespace orv {

WindowSpec SkinsWindowSpec() {
    return {.name = "Form3",
            .caption = L"                -- Skins --",
            .border = BorderStyle::FixedToolWindow,
            .clientWidth = 2430,
            .clientHeight = 3600,
            .back = OleColour::System(7),
            .taskbarButton = false,
            .controls = {
                // A scheme is chosen by its entry's index; the empty entries only space the list out.
                {.name = "List1",
                 .kind = ControlKind::ListBox,
                 .left = 120,
                 .top = 120,
                 .width = 2175,
                 .height = 2790,
                 .accessibleName = L"Skins",
                 .fore = OleColour::Hex(0xC00000),
                 .back = OleColour::Hex(0x000000),
                 .tabIndex = 0,
                 .items = {L"             -- Skins --", L"", L"-- Black & Red (default) --", L"",
                           L"-- Black & Blue --", L"", L"-- Black & Green --", L"", L"-- Black & Orange --",
                           L"", L"-- Black & Yellow --", L"", L"-- Black & Purple --"}},
                {.name = "XPButton7",
                 .kind = ControlKind::PushButton,
                 .left = 360,
                 .top = 3120,
                 .width = 1695,
                 .height = 375,
                 .caption = L"OK",
                 .fore = OleColour::Hex(0x000000),
                 .back = OleColour::Hex(0xC00000),
                 .tabIndex = 1,
                 .font = {.face = L"Arial", .points = 9, .bold = true},
                 .hoverFore = OleColour::Hex(0xFFFFFF)},
            }};
}

}  // namespace orv
