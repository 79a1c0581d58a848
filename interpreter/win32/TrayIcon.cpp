#include "interpreter/win32/TrayIcon.h"

#include "interpreter/win32/ControlIds.h"

#include <shellapi.h>

namespace qv::win32 {

TTrayIcon::TTrayIcon() {
    RegisterWindowClass(ids::TrayIconClass, nullptr, nullptr);
    CreateWindowOf(ids::TrayIconClass, "", WS_POPUP, 0, 0, 0, 0, 0, nullptr);
    // Sent to every top-level window when the task bar is (re)created, e.g. after the shell
    // restarted: the icon has to be added again.
    taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
}

TTrayIcon::~TTrayIcon() {
    SetActive(false);
    Destroy();
}

bool TTrayIcon::Notify(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = Handle();
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = ids::TrayCallbackMessage;
    data.hIcon = icon_;
    ::lstrcpynA(data.szTip, toolTip_.c_str(), sizeof(data.szTip));
    return ::Shell_NotifyIconA(action, &data) != FALSE;
}

void TTrayIcon::SetActive(bool active) {
    if (active == active_ || !IsAlive()) {
        return;
    }
    active_ = active;
    Notify(active ? NIM_ADD : NIM_DELETE);
}

void TTrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (active_) {
        Notify(NIM_MODIFY);
    }
}

void TTrayIcon::SetToolTip(const std::string& text) {
    toolTip_ = text.substr(0, MaxToolTip);
    if (active_) {
        Notify(NIM_MODIFY);
    }
}

void TTrayIcon::ShowPopupMenu() {
    POINT at{};
    ::GetCursorPos(&at);
    // The menu closes properly only when its owner is the foreground window.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(PopupMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    ::PostMessageA(Handle(), WM_NULL, 0, 0);
}

LRESULT TTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ids::TrayCallbackMessage) {
        switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONUP:
            if (OnClick) {
                OnClick();
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (OnDblClick) {
                OnDblClick();
            }
            break;
        case WM_RBUTTONUP:
            if (PopupMenu != nullptr) {
                ShowPopupMenu();
            } else if (OnRightClick) {
                OnRightClick();
            }
            break;
        default:
            break;
        }
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (active_) {
            Notify(NIM_ADD);
        }
        return 0;
    }
    return Default(message, wParam, lParam);
}

} // namespace qv::win32
