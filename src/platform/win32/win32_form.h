#pragma once
// The window of the layout data behind the portable Form: a FormWindow whose controls are reached through the
// Form's control interfaces, with its background picture, pop-up menus and the session's end.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/win32/form_window.h"

namespace orv::win32 {

class Win32Form : public Form {
  public:
    // Creates the window hidden, a top-level window of its own; Exists() tells whether that worked.
    Win32Form(const WindowSpec& layout, HICON icon);
    ~Win32Form() override;

    // The real window, for the adapters that put outside controls (the engine's panel) on it.
    FormWindow& Window();
    const FormWindow& Window() const;
    // The Win32 form behind a portable one; nullptr for another kind.
    static Win32Form* Of(const Form* form);

    const std::string& Name() const override { return name_; }
    void Show() override;
    void BringToFront() override;
    void Hide() override;
    bool IsVisible() const override;
    void Minimize() override;
    bool IsMinimized() const override;
    bool Exists() const override;
    OleColour BackColour() const override;
    void SetBackColour(OleColour colour) override;
    SharedPicture BackPicture() const override { return picture_; }
    void SetBackPicture(SharedPicture picture) override;
    void PopUpMenu(const Menu& menu) override;

  private:
    class Host;
    void PaintBackground(HDC dc) const;

    std::string name_;
    SharedPicture picture_;
    std::unique_ptr<Host> host_;
};

class Win32FormFactory : public FormFactory {
  public:
    // The icon goes to windows with a taskbar button (the main window); the others have none.
    explicit Win32FormFactory(HICON icon = nullptr) : icon_(icon) {}
    std::unique_ptr<Form> Create(const WindowSpec& layout) override;

  private:
    HICON icon_;
};

}  // namespace orv::win32
