#pragma once
// What every modal window of the programs does around its modal loop.
#include "common/win32/MessageLoop.h"

#include <windows.h>

#include <utility>

namespace qv::win32 {

// The window a modal window disables while it is up. Release gives it back before the modal
// window is destroyed, so that the focus returns to it.
class BlockedWindow {
  public:
    BlockedWindow() = default;
    BlockedWindow(const BlockedWindow&) = delete;
    BlockedWindow& operator=(const BlockedWindow&) = delete;
    ~BlockedWindow() { Release(); }

    // Disables `window` unless it is already disabled (then someone else gives it back).
    void Block(HWND window) {
        if (window != nullptr && window_ == nullptr && ::IsWindowEnabled(window)) {
            window_ = window;
            ::EnableWindow(window_, FALSE);
        }
    }
    void Release() {
        if (window_ != nullptr)
            ::EnableWindow(std::exchange(window_, nullptr), TRUE);
    }

  private:
    HWND window_ = nullptr;
};

// Shows a modal window in front of the others with the focus on `focus`.
inline void ShowInFront(HWND window, HWND focus) {
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetForegroundWindow(window);
    ::SetFocus(focus);
}

// Runs `window` modally over `blocked` (disabled meanwhile, through `blocking`, which the window
// also releases when it ends itself), with the focus on `focus`, until it is destroyed.
inline void RunModalOver(MessageLoop& loop, HWND window, HWND focus, HWND blocked,
                         BlockedWindow& blocking) {
    blocking.Block(blocked);
    ShowInFront(window, focus);
    loop.RunModal(window);
    blocking.Release();
}

} // namespace qv::win32
