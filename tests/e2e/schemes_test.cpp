// The whole program's looks on the desktop: the main window in each of the six colour schemes, chosen as a
// person would (the "Skins" button, an entry of the chooser's list, its "OK"), and the small windows its
// buttons and menus open. The frame lines and button faces carry the scheme's colour and the background
// picture takes the scheme's hue. With ORVJUBO_SCREENS_DIR set, every window seen is also saved as a picture.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "e2e/main_window_controls.h"
#include "e2e/player_beside_room.h"
#include "screens/screenshot.h"

namespace e2e {
namespace {

using screens::Screenshot;

const std::wstring kSkinChooserCaption = L"                -- Skins --";

struct Scheme {
    const wchar_t* name;
    int listIndex;  // in the chooser's list; -1 for the appearance at start-up
    std::uint32_t accent;
};

// The last one brings the start-up appearance back.
const Scheme kSchemes[] = {
    {L"red", -1, 0xFF0000},      {L"blue", 4, 0x0000C0},    {L"green", 6, 0x00C000},
    {L"orange", 8, 0xC04000},    {L"yellow", 10, 0xFFFF00}, {L"purple", 12, 0xFF00FF},
    {L"red-again", 2, 0xFF0000},
};

// Points of the client area in twips.
struct Point {
    const char* what;
    int x, y;
};

// The middle of each line of the "Options" frame.
const Point kFrameLines[] = {
    {"Line1", 3540, 2160}, {"Line2", 120, 2760},  {"Line3", 420, 2160},
    {"Line4", 2880, 3360}, {"Line5", 5640, 2760},
};

// Each of the twelve buttons, in its middle row, between its left edge and its centred caption.
std::vector<Point> ButtonFaces() {
    std::vector<Point> points;
    for (const int top : {2280, 2520, 2760, 3000}) {
        for (const int left : {360, 2040, 3720}) {
            points.push_back({"button face", left + 75, top + 127});
        }
    }
    return points;
}

// The background picture seen between the frame and the now-playing line (Text2 there is hidden).
constexpr int kPictureStripTop = 3420, kPictureStripBottom = 3780;
constexpr int kClientWidth = 5880, kClientHeight = 5160;

std::uint32_t PixelAt(const Screenshot& shot, const Point& point, int dpi) {
    return shot.At(screens::TwipsToPixels(point.x, dpi), screens::TwipsToPixels(point.y, dpi));
}

std::vector<std::uint32_t> PictureStrip(const Screenshot& shot, int dpi) {
    std::vector<std::uint32_t> strip;
    for (int y = screens::TwipsToPixels(kPictureStripTop, dpi);
         y < screens::TwipsToPixels(kPictureStripBottom, dpi); ++y) {
        for (int x = 0; x < screens::TwipsToPixels(kClientWidth, dpi); ++x) {
            strip.push_back(shot.At(x, y));
        }
    }
    return strip;
}

// The picture's hue: each pixel is some share of the accent lightened by some white, so taking away its
// smallest channel leaves a share of the accent. True when the strip's sum of those shares points the
// accent's way (each channel within a tenth of the brightest) and the strip is not black.
bool HasHueOf(const std::vector<std::uint32_t>& strip, std::uint32_t accent) {
    double sum[3] = {};
    for (const std::uint32_t pixel : strip) {
        const int channels[3] = {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                                 static_cast<int>(pixel & 0xFF)};
        const int least = std::min({channels[0], channels[1], channels[2]});
        for (int c = 0; c < 3; ++c) {
            sum[c] += channels[c] - least;
        }
    }
    const double accentChannels[3] = {static_cast<double>(accent >> 16 & 0xFF),
                                      static_cast<double>(accent >> 8 & 0xFF),
                                      static_cast<double>(accent & 0xFF)};
    const double most = std::max({sum[0], sum[1], sum[2]});
    const double accentMost = std::max({accentChannels[0], accentChannels[1], accentChannels[2]});
    if (most < 8.0 * static_cast<double>(strip.size())) {
        return false;
    }
    for (int c = 0; c < 3; ++c) {
        if (std::abs(sum[c] / most - accentChannels[c] / accentMost) > 0.1) {
            return false;
        }
    }
    return true;
}

// The window as the screen shows it once it has painted what the condition looks for and has stopped
// painting (two captures in a row alike); the last capture when that never came.
Screenshot CaptureWhen(HWND window, const std::function<bool(const Screenshot&)>& painted) {
    Screenshot shot, previous;
    WaitUntil(
        [&] {
            previous = std::move(shot);
            shot = screens::CaptureWindow(window);
            return !shot.Empty() && shot.pixels == previous.pixels && painted(shot);
        },
        kWindowTimeoutMs, 250);
    return shot;
}

void Save(const Screenshot& shot, const std::wstring& name) {
    EXPECT_TRUE(screens::SaveScreenshot(shot, name))
        << "could not write " << ToAnsi(name) << ".bmp into " << ToAnsi(screens::ScreensFolder());
}

// The desktop round the main window and the room, as a person beside both sees them.
void SaveDesktop(HWND mainWindow, HWND roomWindow, const std::wstring& name) {
    if (screens::ScreensFolder().empty()) {
        return;
    }
    RECT main{}, room{}, both{};
    GetWindowRect(mainWindow, &main);
    GetWindowRect(roomWindow, &room);
    UnionRect(&both, &main, &room);
    Save(screens::CaptureScreen(both), name);
}

class Looks : public PlayerBesideRoom {
  protected:
    // Starts the room and the player, answers the name prompt and waits for the main window.
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(StartRoom());
        ASSERT_NO_FATAL_FAILURE(StartPlayer());
        ASSERT_TRUE(AnswerInputBox(player_.Id(), kUserNamePrompt, L"Rosa")) << "no \"UserName\" prompt";
        mainWindow_ = WaitForMainWindow();
        ASSERT_NE(mainWindow_, nullptr) << "no main window";
        dpi_ = screens::DpiOf(mainWindow_);
        // Without a window manager both windows open at the same place: the room moves aside, so that the
        // desktop shows them side by side.
        RECT main{};
        GetWindowRect(mainWindow_, &main);
        SetWindowPos(roomWindow_, nullptr, main.right + 16, main.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }

    // Presses the main window's button and waits for the window it opens.
    HWND OpenWith(const std::wstring& button, const std::wstring& caption) {
        HWND pressed = MainWindowButton(mainWindow_, button);
        if (pressed == nullptr) {
            ADD_FAILURE() << "no \"" << ToAnsi(button) << "\" button";
            return nullptr;
        }
        PressButton(pressed);
        HWND opened = WaitForTopWindow({.processId = player_.Id(), .caption = caption});
        EXPECT_NE(opened, nullptr) << "\"" << ToAnsi(button) << "\" did not open \"" << ToAnsi(caption)
                                   << "\"";
        return opened;
    }

    // What of the scheme the main window does not show: frame lines and button faces in another colour, a
    // background picture of another hue.
    std::vector<std::string> SchemeFaults(const Screenshot& shot, const Scheme& scheme) const {
        std::vector<std::string> faults;
        std::vector<Point> points(std::begin(kFrameLines), std::end(kFrameLines));
        const std::vector<Point> faces = ButtonFaces();
        points.insert(points.end(), faces.begin(), faces.end());
        for (const Point& point : points) {
            const std::uint32_t pixel = PixelAt(shot, point, dpi_);
            if (pixel != scheme.accent) {
                char fault[160];
                std::snprintf(fault, sizeof fault, "%s at %d, %d twips is #%06X, not #%06X", point.what,
                              point.x, point.y, static_cast<unsigned>(pixel),
                              static_cast<unsigned>(scheme.accent));
                faults.push_back(fault);
            }
        }
        if (!HasHueOf(PictureStrip(shot, dpi_), scheme.accent)) {
            faults.push_back("the background picture is not in the scheme's hue");
        }
        return faults;
    }

    HWND mainWindow_ = nullptr;
    int dpi_ = 96;
};

TEST_F(Looks, MainWindowTakesEachSchemeChosenInTheSkinChooser) {
    std::vector<std::uint32_t> previousStrip;
    for (const Scheme& scheme : kSchemes) {
        SCOPED_TRACE(ToAnsi(scheme.name));
        if (scheme.listIndex >= 0) {
            HWND chooser = OpenWith(L"Skins", kSkinChooserCaption);
            ASSERT_NE(chooser, nullptr);
            if (scheme.listIndex == kSchemes[1].listIndex) {  // opened for the first time
                Save(CaptureWhen(chooser, [](const Screenshot&) { return true; }), L"Form3");
            }
            HWND list = FindWindowExW(chooser, nullptr, L"ListBox", nullptr);
            ASSERT_NE(list, nullptr) << "the chooser has no list";
            DWORD_PTR selected = 0;
            ASSERT_TRUE(SendMessageTimeoutW(list, LB_SETCURSEL, static_cast<WPARAM>(scheme.listIndex), 0,
                                            SMTO_ABORTIFHUNG, Scaled(10000), &selected));
            ASSERT_TRUE(PressButtonIn(chooser, L"OK"));
            EXPECT_TRUE(WaitUntilGone(chooser)) << "the chooser stayed open after \"OK\"";
        }

        const Screenshot shot = CaptureWhen(mainWindow_, [&](const Screenshot& candidate) {
            return SchemeFaults(candidate, scheme).empty();
        });
        ASSERT_FALSE(shot.Empty()) << "the main window could not be captured";
        Save(shot, std::wstring(L"frmJubo-") + scheme.name);
        if (scheme.listIndex == -1 || scheme.listIndex == kSchemes[1].listIndex) {
            SaveDesktop(mainWindow_, roomWindow_, std::wstring(L"desktop-") + scheme.name);
        }

        EXPECT_EQ(shot.width, screens::TwipsToPixels(kClientWidth, dpi_));
        EXPECT_EQ(shot.height, screens::TwipsToPixels(kClientHeight, dpi_));
        for (const std::string& fault : SchemeFaults(shot, scheme)) {
            ADD_FAILURE() << fault;
        }
        const std::vector<std::uint32_t> strip = PictureStrip(shot, dpi_);
        EXPECT_NE(strip, previousStrip) << "the background picture did not change";
        previousStrip = strip;
    }
}

// The small windows the main window's buttons and menus open, each at its first opening.
TEST_F(Looks, SmallWindowsOpenFromTheMainWindowsButtonsAndMenus) {
    struct Opening {
        const wchar_t* button;
        int menuItem;  // the item of the button's menu that opens the window, from 0; -1 when there is no
                       // menu
        const wchar_t* caption;
        const wchar_t* name;
    };
    const Opening kOpenings[] = {
        {L"Chat Sends", -1, L"Chat Sends", L"frmChatSends"},
        {L"Ccoms", -1, L"Ccoms", L"Form1"},
        {L"Add", 0, L"Add Directory", L"frmAddDir"},  // "Directory"
    };
    for (const Opening& opening : kOpenings) {
        SCOPED_TRACE(ToAnsi(opening.name));
        HWND pressed = MainWindowButton(mainWindow_, opening.button);
        ASSERT_NE(pressed, nullptr) << "no \"" << ToAnsi(opening.button) << "\" button";
        PressButton(pressed);
        if (opening.menuItem >= 0) {
            ASSERT_TRUE(ChooseFromMenu(player_.Id(), opening.menuItem)) << "no menu opened";
        }
        HWND window = WaitForTopWindow({.processId = player_.Id(), .caption = opening.caption});
        ASSERT_NE(window, nullptr) << "\"" << ToAnsi(opening.caption) << "\" did not open";
        const Screenshot shot = CaptureWhen(window, [](const Screenshot&) { return true; });
        EXPECT_FALSE(shot.Empty());
        Save(shot, opening.name);
    }
}

}  // namespace
}  // namespace e2e
