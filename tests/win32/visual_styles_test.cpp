// The program runs with the common controls 6 of its manifest, so its controls are drawn in the active visual
// style (Wine has one too: its "Light" style is on in a new prefix). A themed check box, option button or
// drop-down list draws its text in the style's colour and ignores the window's WM_CTLCOLOR* answer; these are
// drawn without the style, so the colours of their layout and of the skins hold.
#include <windows.h>
// After windows.h, which it needs.
#include <uxtheme.h>

#include <gtest/gtest.h>

#include "platform/win32/colours.h"
#include "platform/win32/form_window.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

// The program's manifest (resource 101 of this test program), active while this lives: windows made meanwhile
// get the control classes that the program's windows get.
struct ProgramManifest {
    ProgramManifest() {
        const ACTCTXW request{.cbSize = sizeof(ACTCTXW),
                              .dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID,
                              .lpResourceName = MAKEINTRESOURCEW(101),
                              .hModule = GetModuleHandleW(nullptr)};
        context = CreateActCtxW(&request);
        active = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie);
    }
    ~ProgramManifest() {
        if (active) {
            DeactivateActCtx(0, cookie);
        }
        if (context != INVALID_HANDLE_VALUE) {
            ReleaseActCtx(context);
        }
    }
    HANDLE context = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie = 0;
    bool active = false;
};

TEST(VisualStyles, CheckBoxesOptionButtonsAndTheDriveListKeepTheColoursTheyAreGiven) {
    const ProgramManifest manifest;
    ASSERT_TRUE(manifest.active);
    if (!IsThemeActive()) {
        GTEST_SKIP() << "no visual style is active on this desktop";
    }
    const struct {
        WindowSpec (*layout)();
        const char* name;
    } cases[] = {
        {ChatSendsWindowSpec, "Check1"}, {CcomsWindowSpec, "Check1"},  {CcomsWindowSpec, "Option1"},
        {CcomsWindowSpec, "Option2"},    {AddDirWindowSpec, "Drive1"},
    };
    for (const auto& c : cases) {
        const WindowSpec layout = c.layout();
        SCOPED_TRACE(layout.name + "." + c.name);
        FormWindow form;
        ASSERT_TRUE(form.Create(layout, {.visible = true}));
        const HWND control = form.Control(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetWindowTheme(control), nullptr) << "drawn in the visual style";

        if (!IsWindowEnabled(control)) {
            continue;  // "No Trigger": a disabled box's text is grey in any case
        }
        if (testing::ClassOf(control) == L"ComboBox") {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"c: [Drive]"));
            SendMessageW(control, CB_SETCURSEL, 0, 0);
        }
        const COLORREF fore = ToColorRef(form.Controls().LayoutOf(c.name)->fore);
        EXPECT_GT(testing::PaintedPixelsOfColour(control, fore), 0) << "the text in the layout's colour";
        // As a skin recolours it.
        form.Controls().SetForeColour(c.name, OleColour::Hex(0x0000C0));
        EXPECT_GT(testing::PaintedPixelsOfColour(control, RGB(0, 0, 0xC0)), 0)
            << "the text in the skin's colour";
    }
}

}  // namespace
}  // namespace orv::win32
