#pragma once
// The controls of a window, as the program's logic sees them.
#include <vector>

#include "platform/text.h"

namespace orv {

class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual Text GetText() const = 0;
    virtual void SetText(const Text& text) = 0;
};

// A list of entry texts with one selection. The selection index is -1 (none) or 0 .. Count() - 1;
// SetListIndex rejects any other value and leaves the selection as it was.
class ListBox {
  public:
    virtual ~ListBox() = default;
    virtual int Count() const = 0;
    virtual Text Item(int index) const = 0;
    virtual int ListIndex() const = 0;
    // Returns false when the index was rejected.
    virtual bool SetListIndex(int index) = 0;
    virtual void AddItem(const Text& text) = 0;
    virtual void RemoveItem(int index) = 0;
    virtual void Clear() = 0;
    // Appends the entries in order; a long list is added in one go, the list drawn once at the end.
    virtual void AddItems(const std::vector<Text>& texts) {
        for (const Text& text : texts) {
            AddItem(text);
        }
    }
    // Every entry, in order.
    virtual std::vector<Text> Items() const {
        std::vector<Text> items;
        const int count = Count();
        items.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            items.push_back(Item(i));
        }
        return items;
    }
    // The selected entry's text; empty when nothing is selected.
    Text SelectedText() const {
        const int i = ListIndex();
        return i >= 0 && i < Count() ? Item(i) : Text{};
    }
};

// Check box values: 0 clear, 1 ticked, 2 grayed.
class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual int Value() const = 0;
    virtual void SetValue(int value) = 0;
};

class OptionButton {
  public:
    virtual ~OptionButton() = default;
    virtual bool Value() const = 0;
    virtual void SetValue(bool selected) = 0;
};

}  // namespace orv
