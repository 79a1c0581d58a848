#pragma once
// A non-owning view of a window: the calls the forms make on their own window and controls.
#include <windows.h>

#include <string>

namespace qv::win32 {

class Window {
  public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    Window Item(int id) const { return Window(::GetDlgItem(handle_, id)); }
    int Id() const { return ::GetDlgCtrlID(handle_); }

    std::string Text() const;
    void SetText(const std::string& text) const { ::SetWindowTextA(handle_, text.c_str()); }

    bool IsVisible() const { return ::IsWindowVisible(handle_) != FALSE; }
    void SetVisible(bool visible) const { ::ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }
    bool IsEnabled() const { return ::IsWindowEnabled(handle_) != FALSE; }
    void Enable(bool enabled) const { ::EnableWindow(handle_, enabled ? TRUE : FALSE); }

    RECT ClientRect() const;
    RECT WindowRect() const;
    // Position and size in the parent's client coordinates (a top-level window: the screen's).
    void Move(int left, int top, int width, int height) const {
        ::SetWindowPos(handle_, nullptr, left, top, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(handle_, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(handle_, message, wParam, lParam) != FALSE;
    }
    void Invalidate() const { ::InvalidateRect(handle_, nullptr, TRUE); }

  private:
    HWND handle_ = nullptr;
};

inline std::string Window::Text() const {
    const int length = ::GetWindowTextLengthA(handle_);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

inline RECT Window::ClientRect() const {
    RECT rect{};
    ::GetClientRect(handle_, &rect);
    return rect;
}

inline RECT Window::WindowRect() const {
    RECT rect{};
    ::GetWindowRect(handle_, &rect);
    return rect;
}

} // namespace qv::win32
