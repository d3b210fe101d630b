#pragma once
// Controls held in memory, behaving like the window system's: the list box keeps its selection within
// -1 .. Count() - 1 and moves it as entries are removed.
#include <initializer_list>
#include <vector>

#include "platform/controls.h"

namespace orv::testing {

class FakeTextBox : public TextBox {
  public:
    FakeTextBox() = default;
    explicit FakeTextBox(Text initial) : text(std::move(initial)) {}
    Text GetText() const override { return text; }
    void SetText(const Text& value) override {
        text = value;
        ++writes;
    }

    Text text;
    int writes = 0;
};

class FakeListBox : public ListBox {
  public:
    FakeListBox() = default;
    FakeListBox(std::initializer_list<Text> entries) : items(entries) {}

    int Count() const override { return static_cast<int>(items.size()); }
    Text Item(int index) const override {
        return index >= 0 && index < Count() ? items[static_cast<std::size_t>(index)] : Text{};
    }
    int ListIndex() const override { return selected; }
    bool SetListIndex(int index) override {
        if (index < -1 || index >= Count()) {
            return false;
        }
        selected = index;
        return true;
    }
    void AddItem(const Text& text) override { items.push_back(text); }
    void RemoveItem(int index) override {
        if (index < 0 || index >= Count()) {
            return;
        }
        items.erase(items.begin() + index);
        if (index == selected) {
            selected = -1;
        } else if (index < selected) {
            --selected;
        }
    }
    void Clear() override {
        items.clear();
        selected = -1;
    }

    std::vector<Text> items;
    int selected = -1;
};

class FakeCheckBox : public CheckBox {
  public:
    int Value() const override { return value; }
    void SetValue(int v) override { value = v; }

    int value = 0;
};

}  // namespace orv::testing
