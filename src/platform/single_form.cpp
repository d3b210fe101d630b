#include "platform/single_form.h"

namespace orv {

Form& SingleForm::Get() {
    discarded_.reset();
    if (!form_) {
        form_ = factory_.Create(layout_, owner_);
        if (bind_) {
            bind_(*form_);
        }
        // What the behaviour does on the close box comes first; then the window is gone for the program.
        form_->onClose = [this, bound = std::move(form_->onClose)] {
            if (bound) {
                bound();
            }
            Discard();
        };
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
