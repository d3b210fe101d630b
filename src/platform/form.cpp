#include "platform/form.h"

namespace orv {

void Form::AddControl(std::string name, std::unique_ptr<FormControl> control) {
    controls_.emplace_back(std::move(name), std::move(control));
}

template <typename Kind>
Kind& Form::Named(std::string_view name, const char* kindName) const {
    for (const auto& [controlName, control] : controls_) {
        if (controlName != name) {
            continue;
        }
        if (auto* ofKind = dynamic_cast<Kind*>(control.get())) {
            return *ofKind;
        }
        throw FormError(Name() + "." + std::string(name) + " is not a " + kindName);
    }
    throw FormError(Name() + " has no control " + std::string(name));
}

FormControl& Form::ControlNamed(std::string_view name) const {
    return Named<FormControl>(name, "control");
}

FormTextBox& Form::TextBoxNamed(std::string_view name) const {
    return Named<FormTextBox>(name, "text box");
}

FormListBox& Form::ListBoxNamed(std::string_view name) const {
    return Named<FormListBox>(name, "list box");
}

FormDriveList& Form::DriveListNamed(std::string_view name) const {
    return Named<FormDriveList>(name, "drive list");
}

FormCheckBox& Form::CheckBoxNamed(std::string_view name) const {
    return Named<FormCheckBox>(name, "check box");
}

FormOptionButton& Form::OptionButtonNamed(std::string_view name) const {
    return Named<FormOptionButton>(name, "option button");
}

FormPushButton& Form::PushButtonNamed(std::string_view name) const {
    return Named<FormPushButton>(name, "push button");
}

}  // namespace orv
