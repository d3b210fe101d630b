#pragma once
// frmChatSends in memory: the test plays the user by setting its controls and calling onOk / onClosed.
#include <memory>
#include <vector>

#include "fakes/fake_controls.h"
#include "player/chat_sends_window.h"

namespace orv::testing {

class FakeChatSendsForm : public ChatSendsForm {
  public:
    explicit FakeChatSendsForm(int& destroyedCount) : destroyedCount_(destroyedCount) {}
    ~FakeChatSendsForm() override { ++destroyedCount_; }

    TextBox& Text1() override { return text1; }
    TextBox& Text2() override { return text2; }
    CheckBox& Check1() override { return check1; }
    void Show() override {
        visible = true;
        ++shows;
    }
    void Hide() override { visible = false; }
    bool IsVisible() const override { return visible; }

    // The user closes the window with its close box.
    void CloseBox() {
        visible = false;
        onClosed();
    }

    FakeTextBox text1;
    FakeTextBox text2;
    FakeCheckBox check1;
    bool visible = false;
    int shows = 0;  // calls of Show: each one would also activate a real window

  private:
    int& destroyedCount_;
};

class FakeChatSendsFormFactory : public ChatSendsFormFactory {
  public:
    std::unique_ptr<ChatSendsForm> Create() override {
        auto form = std::make_unique<FakeChatSendsForm>(destroyed);
        created.push_back(form.get());
        return form;
    }
    // The form created last; forms stay alive only while their owner keeps them.
    FakeChatSendsForm& Latest() { return *created.back(); }

    std::vector<FakeChatSendsForm*> created;
    int destroyed = 0;
};

}  // namespace orv::testing
