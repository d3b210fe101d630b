#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "player/chat_sends_layout.h"
#include "player/player_controls_layout.h"

namespace orv {
namespace {

std::vector<std::string> NamesInTabOrder(std::vector<ControlSpec> controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](const ControlSpec& a, const ControlSpec& b) { return a.tabIndex < b.tabIndex; });
    std::vector<std::string> names;
    for (const auto& c : controls) {
        names.push_back(c.name);
    }
    return names;
}

// Overlap of two controls, allowing them to share an edge of the given width.
bool Overlap(const ControlSpec& a, const ControlSpec& b, int sharedEdge = 0) {
    return a.left + sharedEdge < b.left + b.width && b.left + sharedEdge < a.left + a.width &&
           a.top + sharedEdge < b.top + b.height && b.top + sharedEdge < a.top + a.height;
}

TEST(ChatSendsLayout, IsABlackFixedToolWindowWithoutTaskbarButton) {
    const WindowSpec layout = ChatSendsWindowSpec();
    EXPECT_EQ(layout.name, "frmChatSends");
    EXPECT_EQ(layout.caption, L"Chat Sends");
    EXPECT_EQ(layout.border, BorderStyle::FixedToolWindow);
    EXPECT_FALSE(layout.taskbarButton);
    EXPECT_EQ(layout.back, OleColour::Hex(0x000000));
    EXPECT_EQ(TwipsToPixels(layout.clientWidth, 96), 312);
    EXPECT_EQ(TwipsToPixels(layout.clientHeight, 96), 181);
}

TEST(ChatSendsLayout, ControlsFitTheClientAreaWithoutOverlapInTabOrder) {
    const WindowSpec layout = ChatSendsWindowSpec();
    for (const auto& c : layout.controls) {
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.left, 0);
        EXPECT_GE(c.top, 0);
        EXPECT_LE(c.left + c.width, layout.clientWidth);
        EXPECT_LE(c.top + c.height, layout.clientHeight);
        EXPECT_TRUE(c.visible && c.enabled);
        for (const auto& other : layout.controls) {
            if (&other != &c) {
                EXPECT_FALSE(Overlap(c, other)) << other.name;
            }
        }
    }
    EXPECT_EQ(NamesInTabOrder(layout.controls),
              (std::vector<std::string>{"Label1", "Text1", "Label2", "Text2", "XPButton1", "Check1"}));
}

TEST(ChatSendsLayout, BothLabelsReadTextBeforeSongLevelWithTheirTextBoxes) {
    const WindowSpec layout = ChatSendsWindowSpec();
    const ControlSpec* label1 = layout.Find("Label1");
    const ControlSpec* label2 = layout.Find("Label2");
    ASSERT_TRUE(label1 && label2);
    EXPECT_EQ(label1->caption, L"Text before song");
    EXPECT_EQ(label2->caption, L"Text before song");
    // Each label stands level with its text box.
    EXPECT_EQ(label1->top, layout.Find("Text1")->top);
    EXPECT_EQ(label2->top, layout.Find("Text2")->top);
}

TEST(ChatSendsLayout, SettingsControlsAreTheKindsTheProgramReads) {
    const WindowSpec layout = ChatSendsWindowSpec();
    for (const char* name : {"Text1", "Text2"}) {
        const ControlSpec* text = layout.Find(name);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->kind, ControlKind::TextBox);
        EXPECT_TRUE(text->multiLine && text->flat);
        EXPECT_TRUE(text->caption.empty());
    }
    const ControlSpec* check = layout.Find("Check1");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->kind, ControlKind::CheckBox);
    EXPECT_EQ(check->caption, L"Disable ChatSends");
    const ControlSpec* ok = layout.Find("XPButton1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, ControlKind::PushButton);
    EXPECT_EQ(ok->caption, L"OK");
    EXPECT_EQ(ok->back, OleColour::Hex(0x808080));
    EXPECT_EQ(ok->fore, OleColour::Hex(0xFF0000));
    EXPECT_EQ(ok->font.face, L"Arial");
    EXPECT_DOUBLE_EQ(ok->font.points, 8.25);
    EXPECT_FALSE(ok->font.bold);
}

TEST(PlayerControlsLayout, ButtonsShareTheMainWindowsLookAndSitInsideTheOptionsFrame) {
    const auto controls = PlayerControlsLayout();
    int buttons = 0;
    for (const auto& c : controls) {
        if (c.kind != ControlKind::PushButton) {
            continue;
        }
        SCOPED_TRACE(c.name);
        ++buttons;
        EXPECT_EQ(c.width, 1695);
        EXPECT_EQ(c.height, 255);
        EXPECT_EQ(c.back, OleColour::Hex(0xFF0000));
        EXPECT_EQ(c.fore, OleColour::Hex(0x000000));
        EXPECT_EQ(c.hoverFore, OleColour::Hex(0xFFFFFF));
        EXPECT_EQ(c.font.face, L"Arial");
        EXPECT_DOUBLE_EQ(c.font.points, 9);
        EXPECT_TRUE(c.font.bold);
        // The frame's lines run from 120, 2160 to 5640, 3360.
        EXPECT_GT(c.left, 120);
        EXPECT_LT(c.left + c.width, 5640);
        EXPECT_GT(c.top, 2160);
        EXPECT_LT(c.top + c.height, 3360);
    }
    EXPECT_EQ(buttons, 5);
}

TEST(PlayerControlsLayout, NothingCoversAButtonAndTabStopsAreDistinct) {
    const auto controls = PlayerControlsLayout();
    std::set<int> tabs;
    std::set<std::string> names;
    for (const auto& c : controls) {
        EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.name;
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        if (c.kind != ControlKind::PushButton) {
            continue;
        }
        for (const auto& other : controls) {
            if (&other != &c) {
                // Neighbouring buttons share a one-pixel edge; nothing else may reach a button.
                const int sharedEdge = other.kind == ControlKind::PushButton ? 15 : 0;
                EXPECT_FALSE(Overlap(c, other, sharedEdge)) << c.name << " and " << other.name;
            }
        }
    }
    EXPECT_EQ(NamesInTabOrder(controls),
              (std::vector<std::string>{"List1", "Text1", "XPButton1", "XPButton2", "XPButton8", "XPButton9",
                                        "XPButton10", "Text2", "MediaPlayer1"}));
}

TEST(PlayerControlsLayout, FieldsTheUserDoesNotTypeIn) {
    const auto controls = PlayerControlsLayout();
    const auto find = [&](const std::string& name) {
        return std::find_if(controls.begin(), controls.end(),
                            [&](const ControlSpec& c) { return c.name == name; });
    };
    const auto text1 = find("Text1");
    ASSERT_NE(text1, controls.end());
    EXPECT_FALSE(text1->enabled);
    EXPECT_TRUE(text1->visible);
    EXPECT_EQ(text1->align, TextAlign::Centre);
    EXPECT_EQ(text1->back, OleColour::Hex(0x800000));
    EXPECT_EQ(text1->fore, OleColour::System(4));
    const auto text2 = find("Text2");
    ASSERT_NE(text2, controls.end());
    EXPECT_FALSE(text2->visible);
    EXPECT_EQ(text2->caption, L"Text2");
    const auto list1 = find("List1");
    ASSERT_NE(list1, controls.end());
    EXPECT_EQ(list1->kind, ControlKind::ListBox);
    EXPECT_TRUE(list1->flat);
    EXPECT_EQ(list1->back, OleColour::System(6));
    EXPECT_EQ(list1->fore, OleColour::Hex(0xC00000));
    const auto engine = find("MediaPlayer1");
    ASSERT_NE(engine, controls.end());
    EXPECT_EQ(engine->kind, ControlKind::Panel);
    EXPECT_EQ(engine->top, 4080);
    EXPECT_EQ(engine->height, 1095);
}

}  // namespace
}  // namespace orv
