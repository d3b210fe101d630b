#pragma once
// The controls of one window, built from its layout data: one real child window per control (its window text
// is the caption), created in tab order so that the tab order is the z-order, placed and given fonts at the
// window's DPI, each described to screen readers by its kind and names. Lines are painted by the window.
// Controls are found by their names.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/xp_button.h"

namespace orv::win32 {

class FormControls {
  public:
    // Creates the controls of the layout inside the parent's client area at the parent's current DPI.
    void Build(HWND parent, const WindowSpec& layout);

    // The child window of the named control; nullptr when there is none (or it is a line).
    HWND Find(std::string_view name) const;
    // The skinnable push button of the named control; nullptr when it is not a push button.
    XPButton* Button(std::string_view name) const;
    // Puts a window made elsewhere (an outside control such as the media engine's panel) in the place of the
    // named control: it takes that control's rectangle, tab position, name and description for screen
    // readers, and the stand-in is destroyed. The window must not be subclassed yet.
    void Adopt(std::string_view name, HWND window);

    // The name of the control whose child window this is; empty for a window that is not one of them.
    std::string NameOf(HWND child) const;
    // The named control's layout data as it is now (with the colours set since); nullptr when there is none.
    const ControlSpec* LayoutOf(std::string_view name) const;

    // New colours, shown at once: fore is the text colour (a push button's caption, a line), back the
    // background (a push button's face).
    void SetForeColour(std::string_view name, OleColour colour);
    void SetBackColour(std::string_view name, OleColour colour);
    OleColour WindowBackColour() const { return windowBackColour_; }
    void SetWindowBackColour(OleColour colour);

    // Selects the named option button and clears the window's other option buttons: they are one group.
    void SelectOption(std::string_view name);

    // Moves, resizes and re-fonts every control for a new DPI.
    void ApplyDpi(int dpi);

    // WM_CTLCOLOR*: sets the control's colours on the device context and returns its background brush;
    // nullptr for a child window that is not one of these controls. A transparent control gets the null
    // brush: the window has painted its own background under it first.
    HBRUSH ControlColours(HDC dc, HWND child);
    bool IsTransparent(HWND child) const;
    // The brush of the window's own background colour.
    HBRUSH WindowBackground() const { return windowBack_.get(); }
    // Paints the lines.
    void PaintLines(HDC dc) const;

    // WM_DRAWITEM: paints an owner-drawn control. Returns false when the item is none of these controls.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

    // WM_COMMAND from a control: a click ticks or clears a check box and selects an option button; then
    // calls the handler registered for the control. Returns false when the control is none of these.
    bool HandleCommand(WPARAM wParam, LPARAM lParam);
    void OnCommand(std::string_view name, std::function<void(int notifyCode)> handler);

  private:
    struct Control {
        ControlSpec layout;
        HWND window = nullptr;
        UniqueFont font;
        UniqueBrush backBrush;
        std::function<void(int notifyCode)> onCommand;
        std::unique_ptr<XPButton> button;
        int labelId = 0;  // the child window identifier of the label that names it for screen readers
    };
    const Control* FindControl(HWND child) const;
    Control* FindNamed(std::string_view name) const;
    void Place(Control& control) const;

    HWND parent_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    OleColour windowBackColour_;
    UniqueBrush windowBack_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace orv::win32
