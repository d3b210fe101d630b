#pragma once
// The playlist's list box over a LISTBOX window (unsorted, so entries keep the order they were added in).
#include <windows.h>

#include "platform/controls.h"

namespace orv::win32 {

// The messages of the long fills and reads (AddItems, Items), which go straight to the list box class's own
// procedure when the list is this thread's, past any subclass of the window. Sent through the program's own
// subclass of the playlist instead, the 100 000 entries of a "Save" took about 1.6 times as long to read
// under Wine, past the goal of bench/win32/playlist_sources_bench.cpp. A subclass of a list passes these on
// untouched.
inline constexpr UINT kMessagesPastSubclasses[] = {LB_ADDSTRING, LB_GETTEXTLEN, LB_GETTEXT};

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
