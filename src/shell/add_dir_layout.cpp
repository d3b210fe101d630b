#include "shell/add_dir_layout.h"

namespace orv {

namespace {

const OleColour kDarkRed = OleColour::Hex(0xC00000);

ControlSpec FolderList(const char* name, ControlKind kind, int top, int height, OleColour back, int tabIndex,
                       const wchar_t* accessibleName) {
    return {.name = name,
            .kind = kind,
            .left = 120,
            .top = top,
            .width = 2535,
            .height = height,
            .accessibleName = accessibleName,
            .fore = kDarkRed,
            .back = back,
            .tabIndex = tabIndex,
            .flat = true};
}

// A grey button whose caption carries the scheme's colour.
ControlSpec DialogButton(const char* name, int left, const wchar_t* caption, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::PushButton,
            .left = left,
            .top = 4680,
            .width = 1095,
            .height = 255,
            .caption = caption,
            .fore = OleColour::Hex(0xFF0000),
            .back = OleColour::Hex(0x808080),
            .tabIndex = tabIndex,
            .font = {.face = L"Arial", .points = 8.25},
            .hoverFore = OleColour::Hex(0xFFFFFF)};
}

}  // namespace

WindowSpec AddDirWindowSpec() {
    return {.name = "frmAddDir",
            .caption = L"Add Directory",
            .border = BorderStyle::FixedToolWindow,
            .clientWidth = 2745,
            .clientHeight = 5040,
            .back = OleColour::System(12),  // application workspace
            .taskbarButton = false,
            .controls = {
                FolderList("Drive1", ControlKind::DriveList, 120, 315, OleColour::Hex(0x404040), 0, L"Drive"),
                FolderList("Dir1", ControlKind::ListBox, 600, 3240, OleColour::Hex(0x000000), 1, L"Folders"),
                FolderList("File1", ControlKind::ListBox, 3960, 615, OleColour::Hex(0x000000), 2, L"Files"),
                DialogButton("XPButton1", 120, L"OK", 3),
                DialogButton("XPButton2", 1560, L"Cancel", 4),
            }};
}

}  // namespace orv
