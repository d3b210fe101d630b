#pragma once
// The controls of one window, built from its layout data: one real child window per control (its window text
// is the caption), created in tab order so that the tab order is the z-order, placed and given fonts at the
// window's DPI. Lines are painted by the window. Controls are found by their names.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/win32/unique_handles.h"

namespace orv::win32 {

class FormControls {
  public:
    // Creates the controls of the spec inside the parent's client area at the parent's current DPI.
    void Build(HWND parent, const WindowSpec& spec);

    // The child window of the named control; nullptr when there is none (or it is a line).
    HWND Find(std::string_view name) const;
    // The name of the control whose child window this is; empty for a window that is not one of them.
    std::string NameOf(HWND child) const;

    // Moves, resizes and re-fonts every control for a new DPI.
    void ApplyDpi(int dpi);

    // WM_CTLCOLOR*: sets the control's colours on the device context and returns its background brush;
    // nullptr for a child window that is not one of these controls.
    HBRUSH ControlColours(HDC dc, HWND child);
    // The brush of the window's own background colour.
    HBRUSH WindowBackground() const { return windowBack_.get(); }
    // Paints the lines.
    void PaintLines(HDC dc) const;

    // WM_COMMAND from a control: calls the handler registered for it. Returns false when none is.
    bool HandleCommand(WPARAM wParam, LPARAM lParam);
    void OnCommand(std::string_view name, std::function<void(int notifyCode)> handler);

  private:
    struct Control {
        ControlSpec spec;
        HWND window = nullptr;
        UniqueFont font;
        UniqueBrush backBrush;
        std::function<void(int notifyCode)> onCommand;
    };
    const Control* FindControl(HWND child) const;
    void Place(Control& control) const;

    HWND parent_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    UniqueBrush windowBack_;
    std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace orv::win32
