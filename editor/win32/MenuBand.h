#pragma once
// The menu tool bar ("Menu Options"): the menu button and the menu selector side by side in one
// rebar band. A band holds one window, so this panel holds the two and passes their commands
// and notifications on to the main window.
#include "common/win32/Controls.h"
#include "common/win32/WindowBase.h"

namespace qv::win32 {

class MenuBand : public WindowBase {
  public:
    // `images` holds the menu button's picture at `imageIndex`; `target` receives the commands.
    MenuBand(HWND parent, HWND target, HIMAGELIST images, int imageIndex, int dpi, HFONT font);
    ~MenuBand() override;

    ToolBar Buttons() const { return buttons_; }
    ComboBox Selector() const { return selector_; }
    SIZE IdealSize() const { return size_; }
    // The tips of the button, for the main window's TTN_GETDISPINFO.
    static std::span<const ToolButton> ButtonSpecs();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND target_;
    ToolBar buttons_;
    ComboBox selector_;
    SIZE size_{};
};

} // namespace qv::win32
