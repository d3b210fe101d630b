#include "player/chat_sends_layout.h"

namespace orv {

namespace {

const OleColour kDarkRed = OleColour::Hex(0xC00000);
const OleColour kMenuText = OleColour::System(7);
const OleColour kWindowBackground = OleColour::System(5);
const OleColour kWindowText = OleColour::System(8);

ControlSpec SettingLabel(const char* name, int top, const wchar_t* caption, int tabIndex) {
    return {.name = name,
            .kind = ControlKind::Label,
            .left = 120,
            .top = top,
            .width = 1215,
            .height = 255,
            .caption = caption,
            .fore = kDarkRed,
            .back = kMenuText,
            .tabIndex = tabIndex};
}

// Named for screen readers by the label beside it.
ControlSpec SettingText(const char* name, int top, int tabIndex, const char* label) {
    return {.name = name,
            .kind = ControlKind::TextBox,
            .left = 1560,
            .top = top,
            .width = 2895,
            .height = 735,
            .labelledBy = label,
            .fore = kWindowText,
            .back = kWindowBackground,
            .tabIndex = tabIndex,
            .flat = true,
            .multiLine = true};
}

}  // namespace

WindowSpec ChatSendsWindowSpec() {
    return {.name = "frmChatSends",
            .caption = L"Chat Sends",
            .border = BorderStyle::FixedToolWindow,
            .clientWidth = 4680,
            .clientHeight = 2715,
            .back = OleColour::Hex(0x000000),
            .taskbarButton = false,
            .controls = {
                SettingLabel("Label1", 120, L"Text before song", 0),
                SettingText("Text1", 120, 1, "Label1"),
                SettingLabel("Label2", 1200, L"Text before song", 2),
                SettingText("Text2", 1200, 3, "Label2"),
                {.name = "XPButton1",
                 .kind = ControlKind::PushButton,
                 .left = 2280,
                 .top = 2040,
                 .width = 1095,
                 .height = 255,
                 .caption = L"OK",
                 .fore = OleColour::Hex(0xFF0000),
                 .back = OleColour::Hex(0x808080),
                 .tabIndex = 4,
                 .font = {.face = L"Arial", .points = 8.25},
                 .hoverFore = OleColour::Hex(0xFFFFFF)},
                {.name = "Check1",
                 .kind = ControlKind::CheckBox,
                 .left = 1560,
                 .top = 2400,
                 .width = 3015,
                 .height = 255,
                 .caption = L"Disable ChatSends",
                 .fore = kDarkRed,
                 .back = kMenuText,
                 .tabIndex = 5,
                 .flat = true},
            }};
}

}  // namespace orv
