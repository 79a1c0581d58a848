#pragma once
// TTrayIcon: one icon in the notification area. A hidden window of its own receives the shell's
// notifications (message 1025) and turns them into the click events.
#include "common/win32/WindowBase.h"

#include <windows.h>

#include <functional>
#include <string>

namespace qv::win32 {

class TTrayIcon : public WindowBase {
  public:
    TTrayIcon();
    ~TTrayIcon() override;

    bool Active() const { return active_; }
    // On adds the icon to the notification area, off removes it.
    void SetActive(bool active);
    // The icon is borrowed: the caller keeps it alive while it is shown.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_; }
    // At most 62 characters; longer text is cut.
    void SetToolTip(const std::string& text);
    const std::string& ToolTip() const { return toolTip_; }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // Right button released; with a pop-up menu attached the menu is shown instead.
    std::function<void()> OnRightClick;
    HMENU PopupMenu = nullptr;

    static constexpr std::size_t MaxToolTip = 62;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Notify(DWORD action);
    void ShowPopupMenu();

    bool active_ = false;
    HICON icon_ = nullptr;
    std::string toolTip_;
    UINT taskbarCreated_ = 0;
};

} // namespace qv::win32
