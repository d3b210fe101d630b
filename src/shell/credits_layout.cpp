#include "shell/credits_layout.h"

namespace orv {

namespace {

const OleColour kBlack = OleColour::Hex(0x000000);

// The labels are wider than the window, so their right ends are cut off by its edge.
ControlSpec ContributorLine(const char* name, int top, int height, const wchar_t* line, OleColour back,
                            int tabIndex) {
    return {.name = name,
            .kind = ControlKind::Label,
            .top = top,
            .width = 4695,
            .height = height,
            .caption = line,
            .fore = OleColour::Hex(0x0000FF),
            .back = back,
            .tabIndex = tabIndex,
            .font = {.face = L"MS Sans Serif", .points = 12}};
}

}  // namespace

WindowSpec CreditsWindowSpec() {
    WindowSpec layout{
        .name = "Form2",
        .caption = L"Credits",
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 4335,
        .clientHeight = 2055,
        .back = OleColour::System(18),
        .taskbarButton = false,
        .controls = {
            ContributorLine("Label1", 480, 495, L"Player and playlist: Ada Brandt", OleColour::System(18), 0),
            ContributorLine("Label2", 840, 375, L"Chat bridge: Tomas Keel", kBlack, 1),
            ContributorLine("Label3", 1200, 255, L"Chat commands: Rosa Imari", kBlack, 2),
            ContributorLine("Label4", 1560, 375, L"Windows and skins: Jonah Vale", kBlack, 3),
            ContributorLine("Label5", 0, 375, L"Credits", kBlack, 4),
        }};
    ControlSpec& title = layout.controls.back();
    title.align = TextAlign::Centre;
    title.font = {.face = L"MS Sans Serif", .points = 13.5, .bold = true, .underline = true};
    return layout;
}

}  // namespace orv
