#pragma once
// Windows in memory, made from their layout data: controls hold their values and colours as the real ones
// do (one option group per window, a check box with three states, a disabled button takes no press), and the
// test plays the user: it presses buttons, double-clicks and right-clicks lists, chooses items of the menu
// that is open, and closes windows with their close box.
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_colour_log.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_event_list.h"
#include "platform/form.h"

namespace orv::testing {

// The window and name of a fake control, for the colour log; where its window notes added list entries.
struct FakeControlPath {
    std::string path;
    FakeEventList* const* entryEvents = nullptr;
};

template <typename Interface>
class FakeControl : public Interface, public FakeControlPath {
  public:
    explicit FakeControl(const ControlSpec& control)
        : kind(control.kind),
          caption(control.caption),
          enabled(control.enabled),
          fore(control.fore),
          back(control.back) {}

    ControlKind Kind() const override { return kind; }
    Text Caption() const override { return caption; }
    void SetCaption(const Text& value) override { caption = value; }
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    OleColour ForeColour() const override { return fore; }
    void SetForeColour(OleColour colour) override {
        NoteColour(path + " fore");
        fore = colour;
    }
    OleColour BackColour() const override { return back; }
    void SetBackColour(OleColour colour) override {
        NoteColour(path + " back");
        back = colour;
    }

    ControlKind kind;
    Text caption;
    bool enabled;
    OleColour fore;
    OleColour back;
};

// A list box or a drive list: its entries are kept in a FakeListBox.
template <typename Interface>
class FakeFormList : public FakeControl<Interface> {
  public:
    explicit FakeFormList(const ControlSpec& control) : FakeControl<Interface>(control) {
        list.items.assign(control.items.begin(), control.items.end());
    }
    int Count() const override { return list.Count(); }
    Text Item(int index) const override { return list.Item(index); }
    int ListIndex() const override { return list.ListIndex(); }
    bool SetListIndex(int index) override { return list.SetListIndex(index); }
    void AddItem(const Text& text) override {
        if (this->entryEvents != nullptr && *this->entryEvents != nullptr) {
            (*this->entryEvents)
                ->push_back("add " + this->path + " " + std::string(text.begin(), text.end()));
        }
        list.AddItem(text);
    }
    void RemoveItem(int index) override { list.RemoveItem(index); }
    void Clear() override { list.Clear(); }

    FakeListBox list;
};

class FakeFormTextBox : public FakeControl<FormTextBox> {
  public:
    using FakeControl::FakeControl;
    // Typed or set, a new text raises the change event.
    void SetCaption(const Text& value) override {
        caption = value;
        if (const auto handler = onChange) {
            handler();
        }
    }
};

class FakeFormCheckBox : public FakeControl<FormCheckBox> {
  public:
    explicit FakeFormCheckBox(const ControlSpec& control)
        : FakeControl(control), value(static_cast<int>(control.check)) {}
    int Value() const override { return value; }
    void SetValue(int v) override { value = v; }
    int value;
};

class FakeForm;

class FakeFormOptionButton : public FakeControl<FormOptionButton> {
  public:
    FakeFormOptionButton(const ControlSpec& control, FakeForm& form)
        : FakeControl(control), selected(control.check == CheckState::Ticked), form_(form) {}
    bool Value() const override { return selected; }
    void SetValue(bool value) override;
    bool selected;

  private:
    FakeForm& form_;
};

class FakeForm : public Form {
  public:
    // A window made by a factory is listed there while it lives.
    explicit FakeForm(const WindowSpec& layout, std::vector<FakeForm*>* living = nullptr)
        : backColour(layout.back), name_(layout.name), living_(living) {
        for (const ControlSpec& control : layout.controls) {
            std::unique_ptr<FormControl> made = Make(control);
            auto& controlPath = dynamic_cast<FakeControlPath&>(*made);
            controlPath.path = name_ + "." + control.name;
            controlPath.entryEvents = &entryEvents;
            AddControl(control.name, std::move(made));
        }
        if (living_ != nullptr) {
            living_->push_back(this);
        }
    }
    ~FakeForm() override {
        if (living_ != nullptr) {
            std::erase(*living_, this);
        }
    }

    const std::string& Name() const override { return name_; }
    void Show() override {
        if (exists && !visible) {
            visible = true;
            ++shows;
        }
    }
    void BringToFront() override {
        if (visible) {
            ++frontings;
        }
    }
    void Hide() override {
        visible = false;
        if (events != nullptr) {
            events->push_back("hide " + name_);
        }
    }
    bool IsVisible() const override { return visible; }
    void Minimize() override { minimized = exists; }
    bool IsMinimized() const override { return minimized; }
    bool Exists() const override { return exists; }
    OleColour BackColour() const override { return backColour; }
    void SetBackColour(OleColour colour) override { backColour = colour; }
    SharedPicture BackPicture() const override { return picture; }
    void SetBackPicture(SharedPicture value) override {
        NoteColour(name_ + " picture");
        picture = std::move(value);
    }
    void PopUpMenu(const Menu& menu) override { openMenu = menu; }

    // The user's part. Presses the button; false when it takes no press (disabled, or the window is gone).
    bool Press(std::string_view button) {
        FormPushButton& pushButton = PushButtonNamed(button);
        if (!exists || !pushButton.Enabled()) {
            return false;
        }
        if (const auto handler = pushButton.onClick) {
            handler();
        }
        return true;
    }
    // Clicks the option button: it is selected, then its handler runs.
    void ClickOption(std::string_view option) {
        OptionButtonNamed(option).SetValue(true);
        if (const auto handler = OptionButtonNamed(option).onClick) {
            handler();
        }
    }
    void DoubleClick(std::string_view list) {
        if (const auto handler = ListBoxNamed(list).onDoubleClick) {
            handler();
        }
    }
    // Chooses the entry of a drive list, as the user does.
    void Choose(std::string_view driveList, int index) {
        FormDriveList& list = DriveListNamed(driveList);
        if (list.SetListIndex(index) && list.onChange) {
            const auto handler = list.onChange;
            handler();
        }
    }
    // Selects the list's entry and double-clicks it.
    void DoubleClickItem(std::string_view list, int index) {
        ListBoxNamed(list).SetListIndex(index);
        DoubleClick(list);
    }
    void MouseDown(std::string_view list, MouseButton button) {
        if (const auto handler = ListBoxNamed(list).onMouseDown) {
            handler(button);
        }
    }
    // Chooses an item (of a submenu too) of the open menu; the menu closes. False when no menu is open or it
    // has no such item.
    bool ChooseMenuItem(const std::string& item) {
        if (!openMenu) {
            return false;
        }
        const Menu menu = std::move(*openMenu);
        openMenu.reset();
        const MenuItem* chosen = FindMenuItem(menu.items, item);
        if (chosen == nullptr) {
            return false;
        }
        if (chosen->onClick) {
            chosen->onClick();
        }
        return true;
    }
    void DismissMenu() { openMenu.reset(); }
    // The close box: the window is destroyed after its handler.
    void CloseBox() {
        if (const auto handler = onClose) {
            handler();
        }
        Destroy();
    }
    void EndSession() {
        if (const auto handler = onSessionEnd) {
            handler();
        }
    }
    void Destroy() {
        if (!exists) {
            return;
        }
        visible = false;
        exists = false;
        if (const auto handler = onDestroy) {
            handler();
        }
    }

    bool visible = false;
    bool minimized = false;
    bool exists = true;
    // When set, each Hide is noted there as "hide <name>".
    FakeEventList* events = nullptr;
    // When set, each entry added to its lists is noted there as "add <name>.<list> <entry>".
    FakeEventList* entryEvents = nullptr;
    int shows = 0;
    // Times a visible window was brought to the front.
    int frontings = 0;
    OleColour backColour;
    SharedPicture picture;
    std::optional<Menu> openMenu;

  private:
    std::unique_ptr<FormControl> Make(const ControlSpec& control) {
        switch (control.kind) {
            case ControlKind::TextBox:
                return std::make_unique<FakeFormTextBox>(control);
            case ControlKind::ListBox:
                return std::make_unique<FakeFormList<FormListBox>>(control);
            case ControlKind::CheckBox:
                return std::make_unique<FakeFormCheckBox>(control);
            case ControlKind::DriveList:
                return std::make_unique<FakeFormList<FormDriveList>>(control);
            case ControlKind::OptionButton:
                optionNames_.push_back(control.name);
                return std::make_unique<FakeFormOptionButton>(control, *this);
            case ControlKind::PushButton:
                return std::make_unique<FakeControl<FormPushButton>>(control);
            default:
                return std::make_unique<FakeControl<FormControl>>(control);
        }
    }

    friend class FakeFormOptionButton;
    std::string name_;
    std::vector<FakeForm*>* living_;
    std::vector<std::string> optionNames_;
};

inline void FakeFormOptionButton::SetValue(bool value) {
    if (value) {
        // One group per window: the others clear.
        for (const auto& name : form_.optionNames_) {
            auto& other = static_cast<FakeFormOptionButton&>(form_.OptionButtonNamed(name));
            other.selected = false;
        }
    }
    selected = value;
}

// Makes fake windows; each is listed while it lives.
class FakeFormFactory : public FormFactory {
  public:
    std::unique_ptr<Form> Create(const WindowSpec& layout) override {
        if (failures > 0) {
            --failures;
            throw std::runtime_error("the window could not be made");
        }
        ++created[layout.name];
        auto form = std::make_unique<FakeForm>(layout, &living);
        if (events != nullptr) {
            events->push_back("make " + layout.name);
            form->events = events;
        }
        return form;
    }

    // The living window of that name made last; nullptr when there is none.
    FakeForm* Latest(const std::string& name) const {
        for (auto it = living.rbegin(); it != living.rend(); ++it) {
            if ((*it)->Name() == name) {
                return *it;
            }
        }
        return nullptr;
    }

    std::map<std::string, int> created;
    std::vector<FakeForm*> living;
    // The next this many windows cannot be made: Create throws.
    int failures = 0;
    // When set, each window made is noted there as "make <name>", and its hides after.
    FakeEventList* events = nullptr;
};

}  // namespace orv::testing
