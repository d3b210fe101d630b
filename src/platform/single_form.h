#pragma once
// A window that exists at most once: made hidden the first time it is used, in its design-time state, and
// bound to its behaviour then; only a window that was made and bound is kept, so a making that throws
// leaves nothing behind and the next use tries again. Its close box discards it, and so does unloading it;
// the next use makes it afresh. A discarded window is destroyed only at the next use, never inside one of
// its own handlers.
#include <functional>
#include <memory>

#include "platform/form.h"

namespace orv {

class SingleForm {
  public:
    using Bind = std::function<void(Form& form)>;

    SingleForm(FormFactory& factory, WindowSpec layout, Bind bind)
        : factory_(factory), layout_(std::move(layout)), bind_(std::move(bind)) {}
    SingleForm(const SingleForm&) = delete;
    SingleForm& operator=(const SingleForm&) = delete;

    // The window, made hidden if it does not exist; throws when it cannot be made or bound.
    Form& Get();
    bool Exists() const { return form_ != nullptr; }
    // Shows the window (made first if needed); a visible window stays as it is.
    void Show() { Get().Show(); }
    // Hides the window and discards it with what it holds.
    void Unload();

  private:
    void Discard();

    FormFactory& factory_;
    WindowSpec layout_;
    Bind bind_;
    std::unique_ptr<Form> form_;
    std::unique_ptr<Form> discarded_;
};

}  // namespace orv
