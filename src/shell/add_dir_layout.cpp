#include "shell/add_dir_layout.h"

namespace orv {

WindowSpec AddDirWindowSpec() {
    return {.name = "frmAddDir",
            .caption = L"Add Directory",
            .border = BorderStyle::FixedToolWindow,
            .clientWidth = 2745,
            .clientHeight = 5040,
            .back = OleColour::System(12),  // application workspace
            .taskbarButton = false,
            .controls = {
                {.name = "Dir1",
                 .kind = ControlKind::ListBox,
                 .left = 120,
                 .top = 600,
                 .width = 2535,
                 .height = 3240,
                 .fore = OleColour::Hex(0xC00000),
                 .back = OleColour::Hex(0x000000),
                 .tabIndex = 1,
                 .flat = true},
            }};
}

}  // namespace orv
