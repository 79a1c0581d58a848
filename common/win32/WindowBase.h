#pragma once
// The base of every window of the programs: the procedure finds the C++ object through the
// pointer stored at creation and hands each message to one virtual switch. An exception thrown
// by a handler is caught inside the procedure: it must never unwind through DispatchMessage.
#include "common/win32/Window.h"

#include <windows.h>

#include <new>

namespace qv::win32 {

class WindowBase {
  public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND Handle() const { return handle_; }
    Window Self() const { return Window(handle_); }
    bool IsAlive() const { return handle_ != nullptr; }
    // Destroys the window now (its WM_DESTROY handlers run before this returns).
    void Destroy();

  protected:
    WindowBase() = default;

    // Registers a window class served by this base's procedure; a second call for the same
    // name does nothing.
    static bool RegisterWindowClass(const char* className, HICON icon, HBRUSH background,
                                    UINT classStyle = 0);
    // Registers a control class: a window of it created by name alone (from a control table, a
    // dialog template) gets a new `T` of its own, deleted when the window is destroyed.
    template <typename T> static bool RegisterControlClass(const char* className, UINT classStyle);
    bool CreateWindowOf(const char* className, const char* title, DWORD style, DWORD exStyle,
                        int left, int top, int width, int height, HWND parent);

    // The message switch of the derived window; unhandled messages go to Default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(handle_, message, wParam, lParam);
    }
    // Called after a handler threw; the message then gets a harmless result.
    virtual void OnHandlerException() noexcept {}
    // That result: the default handling, except that a close request is refused.
    virtual LRESULT ResultAfterException(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  private:
    using Factory = WindowBase* (*)();
    static bool RegisterClassWith(const char* className, HICON icon, HBRUSH background,
                                  UINT classStyle, Factory factory);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
    bool ownedByWindow_ = false;
};

template <typename T>
bool WindowBase::RegisterControlClass(const char* className, UINT classStyle) {
    return RegisterClassWith(className, nullptr, nullptr, classStyle,
                             []() -> WindowBase* { return new (std::nothrow) T(); });
}

} // namespace qv::win32
