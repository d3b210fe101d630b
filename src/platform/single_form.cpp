#include "platform/single_form.h"

namespace orv {

Form& SingleForm::Get() {
    discarded_.reset();
    if (!form_) {
        std::unique_ptr<Form> made = factory_.Create(layout_);
        if (bind_) {
            bind_(*made);
        }
        // What the behaviour does on the close box comes first; then the window is gone for the program.
        made->onClose = [this, bound = std::move(made->onClose)] {
            if (bound) {
                bound();
            }
            Discard();
        };
        form_ = std::move(made);
    }
    return *form_;
}

void SingleForm::Unload() {
    if (form_) {
        form_->Hide();
        Discard();
    }
}

void SingleForm::Discard() {
    discarded_ = std::move(form_);
}

}  // namespace orv
