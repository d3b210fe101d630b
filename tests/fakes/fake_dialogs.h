#pragma once
// Message boxes and input boxes answered by the test: answers are queued, everything shown is recorded.
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/dialogs.h"

namespace orv::testing {

class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        enum class Kind { Message, Input, OpenFile } kind;
        Text text;  // the message or the prompt
        Text title;
        MessageIcon icon = MessageIcon::None;
        const Form* owner = nullptr;
    };

    void ShowMessage(const Form* owner, const Text& text, const Text& title, MessageIcon icon) override {
        shown.push_back({Shown::Kind::Message, text, title, icon, owner});
        if (whileMessageShown) {
            whileMessageShown();
        }
    }
    // Answers from the queue; an empty queue answers like Cancel.
    std::optional<Text> AskText(const Form* owner, const Text& prompt, const Text& title) override {
        shown.push_back({Shown::Kind::Input, prompt, title, MessageIcon::None, owner});
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Answers with the next queued choice; an empty queue answers like Cancel.
    OpenFileChoice AskOpenFile(const Form* owner, const OpenFileRequest& request) override {
        shown.push_back({Shown::Kind::OpenFile, request.filter, request.title, MessageIcon::None, owner});
        openRequests.push_back(request);
        if (openChoices.empty()) {
            return {};
        }
        auto choice = openChoices.front();
        openChoices.pop_front();
        return choice;
    }

    std::vector<Text> Messages() const {
        std::vector<Text> texts;
        for (const auto& s : shown) {
            if (s.kind == Shown::Kind::Message) {
                texts.push_back(s.text);
            }
        }
        return texts;
    }

    // Runs inside every message box, as other events may in a modal box's message loop.
    std::function<void()> whileMessageShown;
    std::deque<std::optional<Text>> answers;
    std::vector<Shown> shown;
    std::deque<OpenFileChoice> openChoices;
    std::vector<OpenFileRequest> openRequests;
};

}  // namespace orv::testing
