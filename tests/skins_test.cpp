// The skin chooser and its colour schemes on fake windows: every control of every window after each use.
#include "shell/skins.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

#include "app/main_window_layout.h"
#include "fakes/fake_form.h"
#include "fakes/fake_media_engine.h"
#include "player/chat_sends_layout.h"
#include "shell/add_dir_layout.h"
#include "shell/ccoms_layout.h"
#include "shell/credits_layout.h"
#include "shell/skin_picture.h"

namespace orv {
namespace {

using testing::FakeForm;
using testing::FakeFormFactory;
using testing::FakeMediaEngine;
using Key = std::pair<std::string, std::string>;

constexpr std::uint32_t kRed = kStartUpSkinAccent, kBlue = 0x0000C0;

// What a scheme recolours: text (a button's caption) and, on frmJubo only, the buttons' faces.
const std::set<Key> kAccentText = {
    {"frmJubo", "List1"},       {"frmJubo", "Text1"},          {"frmJubo", "Line1"},
    {"frmJubo", "Line2"},       {"frmJubo", "Line3"},          {"frmJubo", "Line4"},
    {"frmJubo", "Line5"},       {"frmJubo", "Label1"},         {"frmAddDir", "Drive1"},
    {"frmAddDir", "Dir1"},      {"frmAddDir", "File1"},        {"frmAddDir", "XPButton1"},
    {"frmAddDir", "XPButton2"}, {"frmChatSends", "Label1"},    {"frmChatSends", "Label2"},
    {"frmChatSends", "Check1"}, {"frmChatSends", "XPButton1"}, {"Form2", "Label1"},
    {"Form2", "Label2"},        {"Form2", "Label3"},           {"Form2", "Label4"},
    {"Form2", "Label5"}};
const std::set<Key> kAccentFace = {
    {"frmJubo", "XPButton1"},  {"frmJubo", "XPButton2"},  {"frmJubo", "XPButton3"},
    {"frmJubo", "XPButton4"},  {"frmJubo", "XPButton5"},  {"frmJubo", "XPButton6"},
    {"frmJubo", "XPButton7"},  {"frmJubo", "XPButton8"},  {"frmJubo", "XPButton9"},
    {"frmJubo", "XPButton10"}, {"frmJubo", "XPButton12"}, {"frmJubo", "XPButton13"}};

// Fails to make the window named `failing`.
class Factory : public FakeFormFactory {
  public:
    std::unique_ptr<Form> Create(const WindowSpec& layout, const Form* owner) override {
        if (layout.name == failing) {
            if (onFailing) {
                onFailing();
            }
            throw std::runtime_error("the window could not be made");
        }
        return FakeFormFactory::Create(layout, owner);
    }
    std::string failing;
    std::function<void()> onFailing;
};

class Engine : public FakeMediaEngine {
  public:
    void SetDisplayColour(OleColour colour) override {
        if (onColour) {
            onColour();
        }
        if (rejects) {
            throw std::runtime_error("the engine rejects the colour");
        }
        FakeMediaEngine::SetDisplayColour(colour);
    }
    bool rejects = false;
    std::function<void()> onColour;
};

class SkinsTest : public ::testing::Test {
  protected:
    void Start(WindowSpec mainLayout = MainWindowSpec()) {
        mainLayout_ = mainLayout;
        main_ = forms.Create(mainLayout, nullptr);
        frmJubo = static_cast<FakeForm*>(main_.get());
        const auto window = [](SingleForm& form, WindowSpec layout) {
            return SkinWindow{[&form]() -> Form& { return form.Get(); }, std::move(layout)};
        };
        chooser = std::make_unique<SkinChooser>(
            forms, *main_,
            SkinTargets{{[this]() -> Form& { return *main_; }, MainWindowSpec()},
                        engine,
                        window(addDir, AddDirWindowSpec()),
                        window(chatSends, ChatSendsWindowSpec()),
                        window(credits, CreditsWindowSpec())},
            pictures);
        frmJubo->SetBackPicture(pictures.Of(kStartUpSkinAccent));
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
        EXPECT_FALSE(form3.IsVisible());
    }

    // Every control of every existing window carries the scheme's accent where it takes one and its start-up
    // colours elsewhere; kRed is the start-up appearance. Form1 is never reached.
    void ExpectScheme(std::uint32_t accentRgb) {
        EXPECT_EQ(frmJubo->picture, pictures.Of(accentRgb)) << "one picture, drawn once and shared";
        const OleColour accent = OleColour::Hex(accentRgb);
        const bool startUp = accentRgb == kRed;
        for (const WindowSpec& layout : {mainLayout_, AddDirWindowSpec(), ChatSendsWindowSpec(),
                                         CreditsWindowSpec(), CcomsWindowSpec()}) {
            const FakeForm* window = forms.Latest(layout.name);
            if (window == nullptr) {
                continue;
            }
            EXPECT_EQ(window->backColour, layout.back) << layout.name;
            for (const ControlSpec& control : layout.controls) {
                const Key key{layout.name, control.name};
                const FormControl& made = window->ControlNamed(control.name);
                const bool text = !startUp && kAccentText.contains(key),
                           face = !startUp && kAccentFace.contains(key);
                EXPECT_EQ(made.ForeColour(), text ? accent : control.fore)
                    << layout.name << "." << control.name;
                EXPECT_EQ(made.BackColour(), face ? accent : control.back)
                    << layout.name << "." << control.name;
            }
        }
    }

    Factory forms;
    Engine engine;
    WindowSpec mainLayout_;
    std::unique_ptr<Form> main_;
    FakeForm* frmJubo = nullptr;
    SingleForm addDir{forms, AddDirWindowSpec(), nullptr, nullptr};
    SingleForm chatSends{forms, ChatSendsWindowSpec(), nullptr, nullptr};
    SingleForm credits{forms, CreditsWindowSpec(), nullptr, nullptr};
    SingleForm ccoms{forms, CcomsWindowSpec(), nullptr, nullptr};
    std::unique_ptr<SkinChooser> chooser;
    // Drawing is slow; the tests share the pictures as the program's windows do.
    static inline SkinPictures pictures;
};

TEST_F(SkinsTest, NoSelectionTheHeaderAndTheSpacersApplyNothing) {
    Start();
    const SharedPicture startUp = frmJubo->picture;
    for (const int index : {-1, 0, 1, 3, 5, 7, 9, 11}) {
        SCOPED_TRACE(index);
        Choose(index, index % 2 == 1);
        EXPECT_EQ(frmJubo->picture, startUp);
        EXPECT_EQ(engine.displayColour, MediaEngine::kDisplayColourAtStart);
        ExpectScheme(kRed);
    }
    EXPECT_EQ(
        forms.created.count("frmAddDir") + forms.created.count("frmChatSends") + forms.created.count("Form2"),
        0u);
}

TEST_F(SkinsTest, EachSchemeRecoloursEveryTargetAndRedRestoresTheStartUpAppearance) {
    struct Use {
        int index;
        bool doubleClick;
        std::uint32_t shown;  // the scheme shown afterwards
    };
    // Green and Yellow show the colours of their names; the same scheme twice is as once.
    const Use uses[] = {{4, false, kBlue},     {3, true, kBlue},     {2, false, kRed},
                        {6, true, 0x00C000},   {8, false, 0xC04000}, {10, true, 0xFFFF00},
                        {12, false, 0xFF00FF}, {12, true, 0xFF00FF}, {2, true, kRed},
                        {4, true, kBlue}};
    Start();
    for (const Use& use : uses) {
        SCOPED_TRACE(use.index);
        Choose(use.index, use.doubleClick);
        ExpectScheme(use.shown);
        EXPECT_EQ(engine.displayColour,
                  use.shown == kRed ? MediaEngine::kDisplayColourAtStart : OleColour::Hex(use.shown));
    }
    // Made hidden by the first scheme, and kept with its colours since.
    for (const char* name : {"frmAddDir", "frmChatSends", "Form2"}) {
        EXPECT_EQ(forms.created[name], 1) << name;
        EXPECT_FALSE(forms.Latest(name)->IsVisible()) << name;
    }
    // The pictures are at 96 DPI: a window scales them to its own.
    EXPECT_EQ(pictures.Of(kBlue)->pixels, DrawSkinPicture(kBlue, 96).pixels);
    credits.Show();
    EXPECT_TRUE(forms.Latest("Form2")->IsVisible());
    EXPECT_EQ(forms.Latest("Form2")->ControlNamed("Label1").ForeColour(), OleColour::Hex(kBlue));
}

TEST_F(SkinsTest, AFailingTargetIsSkippedAndTheLaterOnesStillChange) {
    WindowSpec withoutSome = MainWindowSpec();
    std::erase_if(withoutSome.controls,
                  [](const ControlSpec& c) { return c.name == "Line3" || c.name == "XPButton13"; });
    Start(withoutSome);
    engine.rejects = true;
    forms.failing = "frmChatSends";
    // The engine's display comes after frmJubo and before frmAddDir; frmChatSends after frmAddDir, before
    // Form2.
    engine.onColour = [this] {
        EXPECT_EQ(frmJubo->ControlNamed("XPButton2").BackColour(), OleColour::Hex(kBlue));
        EXPECT_EQ(forms.created.count("frmAddDir"), 0u);
    };
    forms.onFailing = [this] {
        EXPECT_EQ(forms.Latest("frmAddDir")->ControlNamed("XPButton2").ForeColour(), OleColour::Hex(kBlue));
        EXPECT_EQ(forms.created.count("Form2"), 0u);
    };
    Choose(4, false);
    ExpectScheme(kBlue);
    EXPECT_EQ(engine.displayColour, MediaEngine::kDisplayColourAtStart);
    EXPECT_EQ(forms.created.count("frmChatSends"), 0u);
    ASSERT_NE(forms.Latest("Form2"), nullptr);
}

}  // namespace
}  // namespace orv
