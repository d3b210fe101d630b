#pragma once
// Window layouts as data: controls with positions and sizes in twips and OLE colours, built by the
// platform layer at the window's real DPI.
#include <cstdint>
#include <string>
#include <vector>

namespace orv {

// 1440 twips make an inch.
constexpr int kTwipsPerInch = 1440;

// Converts twips to pixels at the given dots per inch, rounding to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// An OLE colour: top byte 0 means 0x00BBGGRR; top byte 0x80 means a system colour index in the low byte.
struct OleColour {
    std::uint32_t value = 0;

    static constexpr OleColour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return OleColour{static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
                         (static_cast<std::uint32_t>(b) << 16)};
    }
    // Written #RRGGBB.
    static constexpr OleColour Hex(std::uint32_t rrggbb) {
        return Rgb(static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                   static_cast<std::uint8_t>(rrggbb));
    }
    static constexpr OleColour System(std::uint8_t index) { return OleColour{0x80000000u | index}; }

    constexpr bool IsSystem() const { return (value & 0xFF000000u) == 0x80000000u; }
    constexpr int SystemIndex() const { return static_cast<int>(value & 0xFFu); }
    // The 0x00BBGGRR value of a plain colour.
    constexpr std::uint32_t Bgr() const { return value & 0x00FFFFFFu; }
    friend constexpr bool operator==(OleColour, OleColour) = default;
};

// Resolves an OLE colour to 0x00BBGGRR; system colours are looked up with the given function.
std::uint32_t ResolveColour(OleColour colour, std::uint32_t (*systemColour)(int index));

enum class ControlKind {
    Label,
    TextBox,
    ListBox,
    CheckBox,
    OptionButton,
    PushButton,  // the skinnable push button
    Line,
    Panel,      // a container of the window's own (engine panel, scanner face, picture store)
    DriveList,  // a drop-down list of the machine's drives
};

// A check box's state; an option button is Ticked when it is the selected one of its group.
enum class CheckState { Clear, Ticked, Grayed };

struct FontSpec {
    std::wstring face;  // empty: the system's dialog font
    double points = 0;  // 0: the default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class TextAlign { Left, Centre, Right };

// One control of a window. Positions are in twips in the client area of the window.
struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0;
    std::wstring caption;
    // What screen readers call a control without a caption of its own: the label whose caption names it (its
    // name follows that caption), or else a name of its own.
    std::string labelledBy;
    std::wstring accessibleName;
    OleColour fore{0x80000012u};  // system colour 18, button text
    OleColour back{0x8000000Fu};  // system colour 15, button face
    int tabIndex = -1;            // -1: no tab stop
    bool visible = true;
    bool enabled = true;
    bool flat = false;
    bool multiLine = false;  // text boxes: several lines with a vertical scroll bar
    bool transparent = false;
    TextAlign align = TextAlign::Left;
    FontSpec font;
    OleColour hoverFore{0x00FFFFFFu};      // push buttons: caption colour under the mouse
    int lineWidth = 1;                     // lines: from (left, top) to (left + width, top + height)
    CheckState check = CheckState::Clear;  // check boxes and option buttons
    std::vector<std::wstring> items;       // list boxes: the entries at start, in order
};

enum class BorderStyle { FixedSingle, FixedToolWindow };

struct WindowSpec {
    std::string name;
    std::wstring caption;
    BorderStyle border = BorderStyle::FixedSingle;
    int clientWidth = 0, clientHeight = 0;  // twips
    OleColour back{0x8000000Fu};
    bool taskbarButton = true;
    std::vector<ControlSpec> controls;

    const ControlSpec* Find(const std::string& controlName) const;
};

}  // namespace orv
