#pragma once
// The base of every window of the programs: the procedure finds the C++ object through the
// pointer stored at creation and hands each message to one virtual switch. An exception thrown
// by a handler is caught inside the procedure: it must never unwind through DispatchMessage.
#include "common/win32/Window.h"

#include <windows.h>

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
    bool CreateWindowOf(const char* className, const char* title, DWORD style, DWORD exStyle,
                        int left, int top, int width, int height, HWND parent);

    // The message switch of the derived window; unhandled messages go to Default.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(handle_, message, wParam, lParam);
    }
    // Called after a handler threw; the message then gets a harmless result.
    virtual void OnHandlerException() noexcept {}

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

} // namespace qv::win32
