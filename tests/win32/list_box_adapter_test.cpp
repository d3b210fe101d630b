// The list box and check box adapters over real windows: the playlist's index rule, order and removal, the
// double-click notice, the messages that long fills and reads send past the program's own subclass, and the
// check box.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/win32/form_window.h"
#include "platform/win32/win32_check_box.h"
#include "platform/win32/win32_form_controls.h"
#include "platform/win32/win32_list_box.h"

namespace orv::win32 {
namespace {

class ListBoxAdapter : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form.Create({.name = "frmList",
                                 .caption = L"List",
                                 .clientWidth = 6000,
                                 .clientHeight = 3000,
                                 .controls = {{.name = "List1",
                                               .kind = ControlKind::ListBox,
                                               .left = 120,
                                               .top = 120,
                                               .width = 5655,
                                               .height = 1785,
                                               .tabIndex = 0,
                                               .flat = true},
                                              {.name = "Check1",
                                               .kind = ControlKind::CheckBox,
                                               .left = 120,
                                               .top = 2400,
                                               .width = 3015,
                                               .height = 255,
                                               .caption = L"Disable ChatSends",
                                               .tabIndex = 1,
                                               .flat = true}}}));
        list = std::make_unique<Win32ListBox>(form.Control("List1"));
    }
    void Fill(std::initializer_list<const wchar_t*> entries) {
        for (const wchar_t* entry : entries) {
            list->AddItem(entry);
        }
    }

    FormWindow form;
    std::unique_ptr<Win32ListBox> list;
};

TEST_F(ListBoxAdapter, KeepsEntriesInTheOrderTheyCameAndReadsThemBack) {
    Fill({L"b.mp3", L"a.mp3", L"C:\\Music\\z.mp3"});
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Item(0), L"b.mp3");
    EXPECT_EQ(list->Item(1), L"a.mp3");
    EXPECT_EQ(list->Item(2), L"C:\\Music\\z.mp3");
    EXPECT_EQ(list->Item(3), L"");
    EXPECT_EQ(list->Item(-1), L"");
}

TEST_F(ListBoxAdapter, TakesIndexesFromMinusOneToTheLastAndRejectsOthersKeepingTheSelection) {
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_FALSE(list->SetListIndex(0)) << "an empty list has no entry 0";
    Fill({L"one.mp3", L"two.mp3", L"three.mp3"});
    EXPECT_TRUE(list->SetListIndex(2));
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(list->SelectedText(), L"three.mp3");

    EXPECT_FALSE(list->SetListIndex(3));
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_FALSE(list->SetListIndex(-2));
    EXPECT_EQ(list->ListIndex(), 2);

    EXPECT_TRUE(list->SetListIndex(-1));
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->SelectedText(), L"");
    EXPECT_TRUE(list->SetListIndex(0));
    EXPECT_EQ(list->ListIndex(), 0);
}

TEST_F(ListBoxAdapter, RemovingAndClearingChangeCountAndSelection) {
    Fill({L"one.mp3", L"two.mp3", L"three.mp3"});
    list->SetListIndex(2);
    list->RemoveItem(0);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item(0), L"two.mp3");
    EXPECT_EQ(list->SelectedText(), L"three.mp3");
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListBoxAdapter, ADoubleClickIsReportedToTheWindowAndASingleClickIsNot) {
    Fill({L"one.mp3", L"two.mp3"});
    std::vector<int> notices;
    form.Controls().OnCommand("List1", [&notices](int code) { notices.push_back(code); });
    const HWND list1 = form.Control("List1");
    RECT second{};
    SendMessageW(list1, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const LPARAM at = MAKELPARAM(second.left + 4, second.top + 2);
    SendMessageW(list1, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list1, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(list->ListIndex(), 1) << "the click selects the entry under the mouse";
    EXPECT_EQ(std::count(notices.begin(), notices.end(), LBN_DBLCLK), 0);

    SendMessageW(list1, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list1, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(std::count(notices.begin(), notices.end(), LBN_DBLCLK), 1);
}

// Stands between the program's subclass of a list and the list box class, and notes the messages that long
// fills and reads send past subclasses as they reach the class, with what the class answered.
using Passed = std::tuple<UINT, WPARAM, LPARAM, LRESULT>;
WNDPROC classProcedure = nullptr;
std::vector<Passed> passed;

LRESULT CALLBACK UnderTheSubclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(classProcedure, list, message, wParam, lParam);
    if (std::find(std::begin(kMessagesPastSubclasses), std::end(kMessagesPastSubclasses), message) !=
        std::end(kMessagesPastSubclasses)) {
        passed.emplace_back(message, wParam, lParam, result);
    }
    return result;
}

TEST_F(ListBoxAdapter, TheProgramsSubclassPassesOnUntouchedWhatLongFillsAndReadsSendPastIt) {
    const HWND list1 = form.Control("List1");
    classProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnderTheSubclass)));
    {
        const auto playlist =
            MakeFormControl(form, *form.Controls().LayoutOf("List1"));  // over the note taker
        wchar_t text[16] = {};
        const std::tuple<UINT, WPARAM, LPARAM> messages[] = {
            {LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"a.mp3")},
            {LB_GETTEXTLEN, 0, 0},
            {LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text)},
        };
        ASSERT_EQ(std::size(messages), std::size(kMessagesPastSubclasses)) << "every one of them is tried";
        for (const auto& [message, wParam, lParam] : messages) {
            passed.clear();
            const LRESULT answer = SendMessageW(list1, message, wParam, lParam);
            EXPECT_EQ(passed, (std::vector<Passed>{{message, wParam, lParam, answer}}))
                << "message " << message;
        }
        EXPECT_STREQ(text, L"a.mp3");
    }
    SetWindowLongPtrW(list1, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProcedure));
}

TEST_F(ListBoxAdapter, TheCheckBoxReadsAndWritesClearAndTicked) {
    const HWND box = form.Control("Check1");
    Win32CheckBox check1(box);
    EXPECT_EQ(check1.Value(), 0);
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(check1.Value(), 1) << "the user's click ticks it";
    check1.SetValue(0);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    check1.SetValue(1);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_NE(GetWindowLongW(box, GWL_STYLE) & BS_FLAT, 0);
}

}  // namespace
}  // namespace orv::win32
