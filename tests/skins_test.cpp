// The skin chooser and its colour schemes on fake windows: every control of every window after each use.
#include "shell/skins.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/main_window_layout.h"
#include "fakes/fake_form.h"
#include "fakes/fake_program.h"
#include "fakes/fake_media_engine.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skin_picture.h"

namespace orv {
namespace {

using testing::FakeForm;

constexpr std::uint32_t kRed = kStartUpSkinAccent, kBlue = 0x0000C0;

// The texts (a button's caption) a scheme colours; on frmJubo it colours the faces of all push buttons too.
const std::map<std::string, std::set<std::string>> kAccentTexts = {
    {"frmJubo", {"List1", "Text1", "Line1", "Line2", "Line3", "Line4", "Line5", "Label1"}},
    {"frmAddDir", {"Drive1", "Dir1", "File1", "XPButton1", "XPButton2"}},
    {"frmChatSends", {"Label1", "Label2", "Check1", "XPButton1"}},
    {"Form2", {"Label1", "Label2", "Label3", "Label4", "Label5"}}};

class SkinsTest : public ::testing::Test {
  protected:
    void Start(WindowSpec mainLayout = MainWindowSpec()) {
        mainLayout_ = mainLayout;
        main_ = forms.Create(mainLayout);
        frmJubo = static_cast<FakeForm*>(main_.get());
        const auto window = [](SingleForm& form, WindowSpec layout) {
            return SkinWindow{[&form]() -> Form& { return form.Get(); }, std::move(layout)};
        };
        chooser = std::make_unique<SkinChooser>(
            forms,
            SkinTargets{{[this]() -> Form& { return *main_; }, MainWindowSpec()},
                        engine,
                        window(addDir, AddDirWindowSpec()),
                        window(chatSends, ChatSendsWindowSpec()),
                        window(credits, CreditsWindowSpec())},
            pictures);
        frmJubo->SetBackPicture(pictures.Of(kRed));
        engine.displayColour = MediaEngine::kDisplayColourAtStart;
        ccoms.Get();
    }

    // Opens the chooser, selects the entry (none for -1) and uses it by "OK" or by a double-click.
    void Choose(int index, bool doubleClick) {
        const int made = forms.created["Form3"];
        chooser->Show();
        ASSERT_EQ(forms.created["Form3"], made + 1) << "the chooser opens afresh";
        FakeForm& form3 = *forms.Latest("Form3");
        EXPECT_TRUE(form3.IsVisible());
        EXPECT_EQ(form3.ListBoxNamed("List1").ListIndex(), -1);
        form3.ListBoxNamed("List1").SetListIndex(index);
        doubleClick ? form3.DoubleClick("List1") : void(form3.Press("XPButton7"));
        EXPECT_FALSE(chooser->Exists()) << "the chooser is unloaded after every use";
    }

    // Every control of every existing window has the scheme's accent where it carries one and its start-up
    // colours elsewhere (everywhere for red); so does the engine's display. Form1 is never reached.
    void ExpectScheme(std::uint32_t accentRgb) {
        const OleColour accent = OleColour::Hex(accentRgb);
        const bool red = accentRgb == kRed;
        EXPECT_EQ(frmJubo->picture, pictures.Of(accentRgb)) << "one picture, drawn once and shared";
        EXPECT_EQ(engine.displayColour, red ? MediaEngine::kDisplayColourAtStart : accent);
        for (const WindowSpec& layout : {mainLayout_, AddDirWindowSpec(), ChatSendsWindowSpec(),
                                         CreditsWindowSpec(), CcomsWindowSpec()}) {
            const FakeForm* window = forms.Latest(layout.name);
            for (const ControlSpec& control : window ? layout.controls : std::vector<ControlSpec>{}) {
                const bool text = !red && kAccentTexts.contains(layout.name) &&
                                  kAccentTexts.at(layout.name).contains(control.name);
                const bool face = !red && layout.name == "frmJubo" && control.kind == ControlKind::PushButton;
                const FormControl& made = window->ControlNamed(control.name);
                EXPECT_EQ(made.ForeColour(), text ? accent : control.fore)
                    << layout.name << "." << control.name;
                EXPECT_EQ(made.BackColour(), face ? accent : control.back)
                    << layout.name << "." << control.name;
            }
        }
    }

    testing::FakeFormFactory forms;
    testing::FakeMediaEngine engine;
    WindowSpec mainLayout_;
    std::unique_ptr<Form> main_;
    FakeForm* frmJubo = nullptr;
    SingleForm addDir{forms, AddDirWindowSpec(), nullptr};
    SingleForm chatSends{forms, ChatSendsWindowSpec(), nullptr};
    SingleForm credits{forms, CreditsWindowSpec(), nullptr};
    SingleForm ccoms{forms, CcomsWindowSpec(), nullptr};
    std::unique_ptr<SkinChooser> chooser;
    // Drawing is slow; the tests share the pictures as the program's windows do.
    static inline SkinPictures pictures;
};

TEST_F(SkinsTest, EachSchemeRecoloursEveryTargetAndRedRestoresTheStartUpAppearance) {
    struct Use {
        int index;  // -1: nothing selected
        bool doubleClick;
        std::uint32_t shown;  // the scheme shown afterwards
    };
    // The header and the spacers apply nothing; Green and Yellow show the colours of their names; the same
    // scheme twice is as once.
    const Use uses[] = {{-1, false, kRed},    {0, true, kRed},       {1, false, kRed},
                        {4, false, kBlue},    {3, true, kBlue},      {11, false, kBlue},
                        {2, false, kRed},     {6, true, 0x00C000},   {8, false, 0xC04000},
                        {10, true, 0xFFFF00}, {12, false, 0xFF00FF}, {12, true, 0xFF00FF},
                        {2, true, kRed},      {4, true, kBlue}};
    Start();
    for (const Use& use : uses) {
        SCOPED_TRACE(use.index);
        Choose(use.index, use.doubleClick);
        ExpectScheme(use.shown);
    }
    // Made hidden by the first scheme, and kept with its colours since.
    for (const char* name : {"frmAddDir", "frmChatSends", "Form2"}) {
        EXPECT_EQ(forms.created[name], 1) << name;
        EXPECT_FALSE(forms.Latest(name)->IsVisible()) << name;
    }
    credits.Show();
    EXPECT_EQ(forms.Latest("Form2")->ControlNamed("Label1").ForeColour(), OleColour::Hex(kBlue));
    // The pictures are at 96 DPI: a window scales them to its own.
    EXPECT_EQ(pictures.Of(kBlue)->pixels, DrawSkinPicture(kBlue, 96).pixels);
}

TEST_F(SkinsTest, AFailingTargetIsSkippedAndTheLaterOnesStillChange) {
    WindowSpec withoutSome = MainWindowSpec();
    std::erase_if(withoutSome.controls,
                  [](const ControlSpec& c) { return c.name == "Line3" || c.name == "XPButton13"; });
    Start(withoutSome);
    Choose(4, false);
    ExpectScheme(kBlue);
}

TEST_F(SkinsTest, ASchemeChangesItsTargetsInItsOrder) {
    std::vector<std::string> changes;
    Start();
    testing::colourLog = &changes;
    Choose(8, false);
    testing::colourLog = nullptr;
    std::vector<std::string> expected = {"frmJubo picture", "frmJubo.List1 fore", "frmJubo.Text1 fore"};
    for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Line5", "Label1"}) {
        expected.push_back(std::string("frmJubo.") + name + " fore");
    }
    for (const char* name :
         {"XPButton1", "XPButton6", "XPButton5", "XPButton4", "XPButton3", "XPButton9", "XPButton8",
          "XPButton10", "XPButton13", "XPButton7", "XPButton12", "XPButton2"}) {
        expected.push_back(std::string("frmJubo.") + name + " back");
    }
    expected.push_back("engine display");
    for (const char* name : {"frmAddDir.Drive1", "frmAddDir.Dir1", "frmAddDir.File1", "frmAddDir.XPButton1",
                             "frmAddDir.XPButton2", "frmChatSends.Label1", "frmChatSends.Label2",
                             "frmChatSends.Check1", "frmChatSends.XPButton1", "Form2.Label1", "Form2.Label2",
                             "Form2.Label3", "Form2.Label4", "Form2.Label5"}) {
        expected.push_back(std::string(name) + " fore");
    }
    EXPECT_EQ(changes, expected);
}

TEST(ProgramSkins, TheSkinsButtonOpensTheChooserWhoseSchemesReachThePlayersWindows) {
    testing::FakeProgram fakes;
    JuboProgram& program = fakes.program;
    testing::FakeFormFactory& forms = fakes.forms;
    testing::FakeEnginePanels& panels = fakes.panels;
    program.Start();
    const SharedPicture startUp = program.frmJubo().BackPicture();
    ASSERT_NE(startUp, nullptr);
    const auto choose = [&](int index) {
        ASSERT_TRUE(static_cast<FakeForm&>(program.frmJubo()).Press("XPButton13"));
        ASSERT_TRUE(forms.Latest("Form3")->IsVisible());
        forms.Latest("Form3")->ListBoxNamed("List1").SetListIndex(index);
        forms.Latest("Form3")->DoubleClick("List1");
    };
    choose(4);
    EXPECT_NE(program.frmJubo().BackPicture(), startUp);
    EXPECT_EQ(panels.engines.front().displayColour, OleColour::Hex(kBlue));
    EXPECT_EQ(program.Player().frmAddDir().Window().ControlNamed("Dir1").ForeColour(), OleColour::Hex(kBlue));
    EXPECT_EQ(program.Player().frmChatSends().Window().ControlNamed("Check1").ForeColour(),
              OleColour::Hex(kBlue));
    EXPECT_EQ(program.Form2().Get().ControlNamed("Label1").ForeColour(), OleColour::Hex(kBlue));
    choose(2);
    EXPECT_EQ(program.frmJubo().BackPicture(), startUp);
    EXPECT_EQ(panels.engines.front().displayColour, MediaEngine::kDisplayColourAtStart);
    // The tray menu's "Skins" opens the chooser too.
    auto& frmJubo = static_cast<FakeForm&>(program.frmJubo());
    frmJubo.PopUpMenu(program.Menus().sysmenu());
    ASSERT_TRUE(frmJubo.ChooseMenuItem("mnuSkins"));
    ASSERT_NE(forms.Latest("Form3"), nullptr);
    EXPECT_TRUE(forms.Latest("Form3")->IsVisible());
}

}  // namespace
}  // namespace orv
