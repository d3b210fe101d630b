#pragma once
// XPButton: the skinnable push button. A real BUTTON window (owner-drawn) so that it takes the focus, answers
// the keyboard and tells screen readers it is a push button named by its caption; this object paints its
// face, tracks the mouse for the hover caption colour and raises onClick.
#include <windows.h>

#include <functional>

#include "platform/layout.h"

namespace orv::win32 {

// The properties of the button's property bag that the program uses.
struct XPButtonLook {
    OleColour bcol = OleColour::Hex(0xFF0000);   // face
    OleColour fcol = OleColour::Hex(0x000000);   // caption
    OleColour fcolo = OleColour::Hex(0xFFFFFF);  // caption while the mouse is over the button
    bool showf = true;                           // draw the focus rectangle
};

class XPButton {
  public:
    // The window style of the BUTTON window this class takes over.
    static constexpr DWORD kWindowStyle = BS_OWNERDRAW;

    // Takes over an owner-drawn BUTTON window; its window text is the caption, its font the caption font
    // (WM_SETFONT) and its enabled state the button's.
    XPButton(HWND button, const XPButtonLook& look);
    ~XPButton();
    XPButton(const XPButton&) = delete;
    XPButton& operator=(const XPButton&) = delete;

    HWND Handle() const { return button_; }
    const XPButtonLook& Look() const { return look_; }
    void SetFaceColour(OleColour bcol);
    void SetCaptionColour(OleColour fcol);
    void SetHoverCaptionColour(OleColour fcolo);
    void SetEnabled(bool enabled);
    bool IsHovered() const { return hovered_; }

    // Paints the button; the window holding it calls this on WM_DRAWITEM.
    void Draw(const DRAWITEMSTRUCT& item) const;
    // The window holding it calls this on WM_COMMAND with BN_CLICKED from the button.
    void Clicked();

    std::function<void()> onClick;

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHovered(bool hovered);

    HWND button_;
    XPButtonLook look_;
    bool hovered_ = false;
};

// The look of a push button of the layout data: back is the face, fore the caption, hoverFore the caption
// under the mouse.
XPButtonLook LookOf(const ControlSpec& control);

}  // namespace orv::win32
