// What a screen reader hears of every control of every window, asked the way a screen reader asks (MSAA): the
// window's accessible object, its children, and the object of each child window. A control is heard with the
// role of its kind, named by a name of its own, else by the label in its row (a text box), else by its
// caption, and a check box or option button with its mark. The engine's panel on the main window has controls
// of its own.
#include <gtest/gtest.h>

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "platform/win32/input_box.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_form.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skins_layout.h"
#include "win32/engine_test_support.h"

namespace orv::win32 {
namespace {

// One control as heard, e.g. `push button (43) "Play"`.
std::wstring Said(LONG role, const std::wstring& name, LONG state) {
    wchar_t roleText[64] = {};
    GetRoleTextW(static_cast<DWORD>(role), roleText, 64);
    std::wstring said = roleText + (L" (" + std::to_wstring(role) + L") \"") + name + L"\"";
    if ((state & STATE_SYSTEM_CHECKED) != 0) {
        said += L" checked";
    }
    if ((state & STATE_SYSTEM_MIXED) != 0) {
        said += L" mixed";
    }
    return said;
}

std::wstring Hear(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return L"nothing";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{}, state{};
    BSTR name = nullptr;
    object->get_accRole(self, &role);
    object->get_accName(self, &name);
    object->get_accState(self, &state);
    const std::wstring said = Said(role.vt == VT_I4 ? role.lVal : 0, name != nullptr ? name : L"",
                                   state.vt == VT_I4 ? state.lVal : 0);
    VariantClear(&role);
    VariantClear(&state);
    SysFreeString(name);
    object->Release();
    return said;
}

// Every shown control below the window: its accessible children that are child windows, and theirs.
void HearChildren(HWND window, std::vector<std::wstring>& heard) {
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client)))) {
        return;
    }
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(std::max(count, 0L)));
    long got = 0;
    if (count > 0) {
        AccessibleChildren(client, 0, count, children.data(), &got);
    }
    client->Release();
    for (long i = 0; i < got; ++i) {
        HWND child = nullptr;
        IAccessible* object = nullptr;
        if (children[i].vt == VT_DISPATCH && SUCCEEDED(children[i].pdispVal->QueryInterface(
                                                 __uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
            WindowFromAccessibleObject(object, &child);
            object->Release();
        }
        VariantClear(&children[i]);
        if (child != nullptr && child != window && IsWindowVisible(child)) {
            heard.push_back(Hear(child));
            HearChildren(child, heard);
        }
    }
}

const std::map<ControlKind, LONG> kRoles = {{ControlKind::Label, ROLE_SYSTEM_STATICTEXT},
                                            {ControlKind::TextBox, ROLE_SYSTEM_TEXT},
                                            {ControlKind::ListBox, ROLE_SYSTEM_LIST},
                                            {ControlKind::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
                                            {ControlKind::OptionButton, ROLE_SYSTEM_RADIOBUTTON},
                                            {ControlKind::PushButton, ROLE_SYSTEM_PUSHBUTTON},
                                            {ControlKind::DriveList, ROLE_SYSTEM_COMBOBOX},
                                            {ControlKind::Panel, ROLE_SYSTEM_GROUPING}};

// The controls that neither a caption nor a label in their row names, by window and control.
const std::map<std::string, std::wstring> kOwnNames = {{"frmJubo.List1", L"Playlist"},
                                                       {"frmJubo.Text1", L"Now playing"},
                                                       {"frmJubo.MediaPlayer1", L"Media player"},
                                                       {"frmAddDir.Drive1", L"Drive"},
                                                       {"frmAddDir.Dir1", L"Folders"},
                                                       {"frmAddDir.File1", L"Files"},
                                                       {"Form3.List1", L"Skins"},
                                                       {"InputBox.txtAnswer", L"UserName"}};

std::wstring NameOf(const WindowSpec& layout, const ControlSpec& control) {
    if (const auto own = kOwnNames.find(layout.name + "." + control.name); own != kOwnNames.end()) {
        return own->second;
    }
    for (const ControlSpec& label : layout.controls) {
        if (control.kind == ControlKind::TextBox && label.kind == ControlKind::Label &&
            label.top == control.top) {
            return label.caption;
        }
    }
    return control.caption;
}

std::vector<std::wstring> Expected(const WindowSpec& layout) {
    std::vector<std::wstring> said;
    for (const ControlSpec& control : layout.controls) {
        if (control.visible && control.kind != ControlKind::Line) {
            const LONG mark = control.check == CheckState::Ticked   ? STATE_SYSTEM_CHECKED
                              : control.check == CheckState::Grayed ? STATE_SYSTEM_MIXED
                                                                    : 0;
            said.push_back(Said(kRoles.at(control.kind), NameOf(layout, control), mark));
        }
    }
    if (layout.name == "frmJubo") {
        // The engine's panel with nothing open: its file name line, its state line, its buttons and seek bar.
        for (const auto& [role, name] :
             std::vector<std::pair<LONG, std::wstring>>{{ROLE_SYSTEM_STATICTEXT, L""},
                                                        {ROLE_SYSTEM_STATICTEXT, L"No file"},
                                                        {ROLE_SYSTEM_PUSHBUTTON, L"Play"},
                                                        {ROLE_SYSTEM_PUSHBUTTON, L"Pause"},
                                                        {ROLE_SYSTEM_PUSHBUTTON, L"Stop"},
                                                        {ROLE_SYSTEM_SLIDER, L"Position"}}) {
            said.push_back(Said(role, name, 0));
        }
    }
    std::sort(said.begin(), said.end());
    return said;
}

// The input box runs a loop of its own: it is heard from a timer of that loop, then closed.
std::vector<std::wstring> heardInTheInputBox;
void CALLBACK HearTheInputBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = FindWindowW(L"OrvJubo.InputBox", nullptr);
    if (box != nullptr && IsWindowVisible(box)) {
        KillTimer(nullptr, timer);
        HearChildren(box, heardInTheInputBox);
        PostMessageW(box, WM_CLOSE, 0, 0);
    }
}

TEST(Accessibility, EveryShownControlOfEveryWindowIsHeardWithTheRoleOfItsKindItsNameAndItsMark) {
    const orv::testing::ComApartment apartment;
    ASSERT_TRUE(SUCCEEDED(apartment.Result()));
    Win32FormFactory forms;
    Win32EnginePanels panels;
    for (WindowSpec (*makeLayout)() : {MainWindowSpec, ChatSendsWindowSpec, CcomsWindowSpec, AddDirWindowSpec,
                                       SkinsWindowSpec, CreditsWindowSpec}) {
        const WindowSpec layout = makeLayout();
        SCOPED_TRACE(layout.name);
        const auto form = forms.Create(layout);
        if (layout.name == "frmJubo") {
            panels.PutEnginePanel(*form, "MediaPlayer1");
        }
        form->Show();
        std::vector<std::wstring> heard;
        HearChildren(Win32Form::Of(form.get())->Window().Handle(), heard);
        std::sort(heard.begin(), heard.end());
        EXPECT_EQ(heard, Expected(layout));
    }

    const UINT_PTR timer = SetTimer(nullptr, 0, 50, HearTheInputBox);
    RunInputBox(nullptr, L"UserName", L"UserName");
    KillTimer(nullptr, timer);
    std::sort(heardInTheInputBox.begin(), heardInTheInputBox.end());
    EXPECT_EQ(heardInTheInputBox, Expected(InputBoxSpec(L"UserName", L"UserName")));
}

// A text box is named by its label's caption as it reads now, and an option button is heard with its mark as
// it is now.
TEST(Accessibility, NamesFollowTheLabelsAndMarksFollowTheClicks) {
    const orv::testing::ComApartment apartment;
    Win32FormFactory forms;
    const auto form = forms.Create(CcomsWindowSpec());
    form->Show();
    const FormWindow& window = Win32Form::Of(form.get())->Window();
    SetWindowTextW(window.Control("Label29"), L"Say this first");
    SendMessageW(window.Control("Option1"), BM_CLICK, 0, 0);
    EXPECT_EQ(Hear(window.Control("Text1")), Said(ROLE_SYSTEM_TEXT, L"Say this first", 0));
    EXPECT_EQ(Hear(window.Control("Option1")),
              Said(ROLE_SYSTEM_RADIOBUTTON, L"Enable Ccoms", STATE_SYSTEM_CHECKED));
    EXPECT_EQ(Hear(window.Control("Option2")), Said(ROLE_SYSTEM_RADIOBUTTON, L"Disable Ccoms", 0));
}

}  // namespace
}  // namespace orv::win32
