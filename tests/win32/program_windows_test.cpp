// The program's windows on the real window system: Form1, Form2 and frmAddDir shown by frmJubo's button and
// menus, one of each, and frmJubo's background picture, which its transparent label lets through.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/program.h"
#include "fakes/fake_chat_windows.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_files.h"
#include "fakes/fake_process.h"
#include "fakes/fake_timer.h"
#include "platform/win32/dpi.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/win32_engine_panels.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_handler_queue.h"
#include "win32/engine_test_support.h"
#include "win32/ui_test_support.h"

namespace orv::win32 {
namespace {

using testing::TextOf;

struct WindowSearch {
    std::wstring caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && TextOf(window) == search.caption) {
        search.found.push_back(window);
    }
    return TRUE;
}

// This process's top-level windows with that caption.
std::vector<HWND> TopLevelWindows(const std::wstring& caption) {
    WindowSearch search{caption, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window's client area as it paints it (WM_PRINTCLIENT), in a bitmap of the client's size.
class PaintedClient {
  public:
    explicit PaintedClient(HWND window) {
        GetClientRect(window, &client_);
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_.reset(CreateCompatibleBitmap(screen, client_.right, client_.bottom));
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_.get());
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT | PRF_ERASEBKGND);
    }
    ~PaintedClient() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    int Width() const { return client_.right; }
    int Height() const { return client_.bottom; }

  private:
    RECT client_{};
    HDC dc_ = nullptr;
    UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

class ProgramWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(apartment.Result()));
        program = std::make_unique<JuboProgram>(ProgramPorts{.forms = forms,
                                                             .enginePanels = panels,
                                                             .folders = folders,
                                                             .dialogs = dialogs,
                                                             .chatWindows = windows,
                                                             .codePage = codePage,
                                                             .files = files,
                                                             .chatTimer = timer,
                                                             .process = process,
                                                             .later = engineEvents});
        program->frmJubo().Show();
    }
    void TearDown() override { program.reset(); }

    HWND frmJubo() { return Win32Form::Of(&program->frmJubo())->Window().Handle(); }
    void Choose(const char* menu, const char* item) {
        const Menu bound = program->Menus().Bound(menu);
        FindMenuItem(bound.items, item)->onClick();
    }

    orv::testing::ComApartment apartment;
    orv::testing::FakeDialogs dialogs;
    orv::testing::FakeChatWindows windows;
    orv::testing::FakeCodePage codePage;
    orv::testing::FakeFiles files;
    orv::testing::FakeTimer timer;
    orv::testing::FakeProcess process;
    Win32FormFactory forms;
    Win32EnginePanels panels;
    Win32Folders folders;
    Win32HandlerQueue engineEvents;
    std::unique_ptr<JuboProgram> program;
};

TEST_F(ProgramWindows, EachWindowIsOneModelessToolWindowAndItsCloseBoxDiscardsIt) {
    struct Case {
        const wchar_t* caption;
        std::function<void()> show;
        // A control whose text the close box forgets, and its text at design time; none for frmAddDir.
        const wchar_t* controlClass;
        const wchar_t* designText;
    };
    const std::vector<Case> cases = {
        {L"Ccoms",
         [this] {
             SendMessageW(Win32Form::Of(&program->frmJubo())->Window().Control("XPButton12"), BM_CLICK, 0, 0);
         },
         L"Edit", L"p?"},
        {L"Credits", [this] { Choose("sysmenu", "mnuCredits"); }, L"Static", L"Credits"},
        {L"Add Directory", [this] { Choose("addfile", "mnuAddDir"); }, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.caption);
        c.show();
        c.show();
        const auto shown = TopLevelWindows(c.caption);
        ASSERT_EQ(shown.size(), 1u);
        const HWND window = shown.front();
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(IsWindowEnabled(frmJubo())) << "not modal";
        EXPECT_EQ(GetWindow(window, GW_OWNER), frmJubo()) << "no taskbar button of its own";
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
        EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
        EXPECT_NE(style & WS_SYSMENU, 0);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
        if (c.controlClass == nullptr) {
            continue;
        }
        const HWND control = testing::FindChild(window, c.controlClass, c.designText);
        ASSERT_NE(control, nullptr);
        SetWindowTextW(control, L"changed");
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(TopLevelWindows(c.caption).empty());
        c.show();
        const auto again = TopLevelWindows(c.caption);
        ASSERT_EQ(again.size(), 1u);
        EXPECT_NE(testing::FindChild(again.front(), c.controlClass, c.designText), nullptr) << "made afresh";
    }
}

TEST_F(ProgramWindows, TheRedPictureLiesAtTheTopLeftAboveTwentyOnePixelsOfBackgroundColour) {
    const PaintedClient painted(frmJubo());
    const int dpi = WindowDpi(frmJubo());
    const COLORREF background = GetSysColor(COLOR_MENUTEXT);
    const int pictureBottom = MulDiv(323, dpi, 96);
    int pictureReddish = 0;
    for (int x = 0; x < painted.Width(); ++x) {
        for (int y = 0; y < pictureBottom; y += 7) {
            const COLORREF p = painted.At(x, y);
            pictureReddish += p != background && GetRValue(p) > GetGValue(p) + 32;
        }
        for (int y = pictureBottom; y < painted.Height(); ++y) {
            ASSERT_EQ(painted.At(x, y), background) << x << "," << y;
        }
    }
    EXPECT_GT(pictureReddish, painted.Width() * pictureBottom / 7 / 10) << "the red swirl covers the picture";
}

TEST_F(ProgramWindows, TheTransparentOptionsLabelShowsThePictureBehindItAlsoAfterANewCaption) {
    const HWND label = testing::FindChild(frmJubo(), L"Static", L"Options");
    ASSERT_NE(label, nullptr);
    const RECT at = testing::RectInParent(label);
    const PaintedClient behind(frmJubo());
    // The label's top row and its left part hold no letters once the caption is short.
    SetWindowTextW(label, L"O");
    const PaintedClient face(label);
    int pictureSeen = 0;
    for (int x = 0; x < face.Width() / 3; ++x) {
        for (int y = 0; y < face.Height(); ++y) {
            const COLORREF under = behind.At(at.left + x, at.top + y);
            ASSERT_EQ(face.At(x, y), under) << x << "," << y;
            pictureSeen += under != GetSysColor(COLOR_MENUTEXT);
        }
    }
    EXPECT_GT(pictureSeen, 0);
}

}  // namespace
}  // namespace orv::win32
