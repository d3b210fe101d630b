#pragma once
// The playlist's list box over a LISTBOX window (unsorted, so entries keep the order they were added in).
#include <windows.h>

#include "platform/controls.h"

namespace orv::win32 {

class Win32ListBox : public ListBox {
  public:
    explicit Win32ListBox(HWND list) : list_(list) {}
    int Count() const override;
    Text Item(int index) const override;
    int ListIndex() const override;
    // Accepts -1 (no selection) and 0 .. Count() - 1; anything else leaves the selection as it was.
    bool SetListIndex(int index) override;
    void AddItem(const Text& text) override;
    void RemoveItem(int index) override;
    void Clear() override;
    // With the drawing off and the storage reserved, under a wait cursor.
    void AddItems(const std::vector<Text>& texts) override;
    std::vector<Text> Items() const override;

  private:
    HWND list_;
};

}  // namespace orv::win32
