#include "player/chat_sends_window.h"

namespace orv {

ChatSendsForm& ChatSendsWindow::Form() {
    closedForm_.reset();
    if (!form_) {
        form_ = factory_.Create();
        form_->onOk = [this] { Ok(); };
        form_->onClosed = [this] { Closed(); };
    }
    return *form_;
}

void ChatSendsWindow::Show() {
    ChatSendsForm& form = Form();
    if (!form.IsVisible()) {
        form.Show();
    }
}

void ChatSendsWindow::Ok() {
    if (form_) {
        form_->Hide();
    }
}

void ChatSendsWindow::Closed() {
    // Discards what was entered: the next use creates the window afresh.
    closedForm_ = std::move(form_);
}

}  // namespace orv
