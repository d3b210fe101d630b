#pragma once
// A window made from its layout data, as the program's logic sees it: its controls, reached by name and kind;
// showing and hiding; the window's colour and background picture; pop-up menus; the events of its close box,
// of the end of the session and of its destruction. A FormFactory makes windows, hidden.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/layout.h"
#include "platform/menu.h"
#include "platform/picture.h"

namespace orv {

// What every control has. The caption of a text box is its text. The fore colour is the text colour (a push
// button's caption colour, a line's colour); the back colour is the background (a push button's face).
class FormControl {
  public:
    virtual ~FormControl() = default;
    virtual ControlKind Kind() const = 0;
    virtual Text Caption() const = 0;
    virtual void SetCaption(const Text& caption) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual OleColour ForeColour() const = 0;
    virtual void SetForeColour(OleColour colour) = 0;
    virtual OleColour BackColour() const = 0;
    virtual void SetBackColour(OleColour colour) = 0;
};

class FormTextBox : public FormControl, public TextBox {
  public:
    Text GetText() const override { return Caption(); }
    void SetText(const Text& text) override { SetCaption(text); }
    // The text changed, typed by the user or set by the program.
    std::function<void()> onChange;
};

enum class MouseButton { Left, Right, Middle };

class FormListBox : public FormControl, public ListBox {
  public:
    std::function<void()> onDoubleClick;
    // A mouse button went down over the list; the right button leaves the selection as it was.
    std::function<void(MouseButton button)> onMouseDown;
};

// A drop-down list of entries with one chosen (the drive list). onChange runs when the user chooses another
// entry; the program's own SetListIndex raises nothing.
class FormDriveList : public FormControl, public ListBox {
  public:
    std::function<void()> onChange;
};

// 0 clear, 1 ticked, 2 grayed. The user's click ticks a clear or grayed box and clears a ticked one.
class FormCheckBox : public FormControl, public CheckBox {};

// The option buttons of a window are one group: selecting one, by the user or by the program, clears the
// others.
class FormOptionButton : public FormControl, public OptionButton {
  public:
    // Clicked by the user (it is selected by then); the program's own SetValue raises nothing.
    std::function<void()> onClick;
};

class FormPushButton : public FormControl {
  public:
    // Pressed by the user (mouse, space or Enter) while it is enabled.
    std::function<void()> onClick;
};

// A picture that windows share; never changed once made.
using SharedPicture = std::shared_ptr<const Picture>;

// A window's controls asked for by a name or a kind they do not have: the layout and the logic disagree.
class FormError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class Form {
  public:
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The control of that name and kind; throws FormError when the window has none.
    FormControl& ControlNamed(std::string_view name) const;
    FormTextBox& TextBoxNamed(std::string_view name) const;
    FormListBox& ListBoxNamed(std::string_view name) const;
    FormDriveList& DriveListNamed(std::string_view name) const;
    FormCheckBox& CheckBoxNamed(std::string_view name) const;
    FormOptionButton& OptionButtonNamed(std::string_view name) const;
    FormPushButton& PushButtonNamed(std::string_view name) const;

    virtual const std::string& Name() const = 0;
    // Modeless: a hidden window is shown; a visible one stays as it is and is not activated again.
    virtual void Show() = 0;
    // A visible window comes to the front and is activated; a hidden one stays hidden.
    virtual void BringToFront() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // To the taskbar (window state minimised); a visible window stays visible.
    virtual void Minimize() = 0;
    virtual bool IsMinimized() const = 0;
    // False once the window is destroyed (by its close box); its controls then keep their last values.
    virtual bool Exists() const = 0;

    virtual OleColour BackColour() const = 0;
    virtual void SetBackColour(OleColour colour) = 0;
    // Drawn at the client area's top-left, over the background colour, its pixels scaled from 96 DPI to the
    // window's; empty for none.
    virtual SharedPicture BackPicture() const = 0;
    virtual void SetBackPicture(SharedPicture picture) = 0;

    // Opens the menu at the mouse pointer. The chosen item's handler runs once the menu has closed;
    // dismissing the menu runs nothing.
    virtual void PopUpMenu(const Menu& menu) = 0;

    // The close box (or the system menu's Close, Alt+F4): the window is destroyed when this returns.
    std::function<void()> onClose;
    // The session ends (log-off, shut-down): the program gets no event after this one.
    std::function<void()> onSessionEnd;
    // The window is being destroyed.
    std::function<void()> onDestroy;

  protected:
    Form() = default;
    // The implementation hands over each control of the layout, lines and panels included.
    void AddControl(std::string name, std::unique_ptr<FormControl> control);
    // Lets go of the controls before the implementation's own parts go.
    void RemoveControls() { controls_.clear(); }

  private:
    template <typename Kind>
    Kind& Named(std::string_view name, const char* kindName) const;

    std::vector<std::pair<std::string, std::unique_ptr<FormControl>>> controls_;
};

class FormFactory {
  public:
    virtual ~FormFactory() = default;
    // Makes the window hidden, its controls in their design-time state: a top-level window of its own, which
    // no other window's minimising, hiding or coming to the front takes along. Throws std::runtime_error when
    // the window cannot be made.
    virtual std::unique_ptr<Form> Create(const WindowSpec& layout) = 0;
};

}  // namespace orv
