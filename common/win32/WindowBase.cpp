#include "common/win32/WindowBase.h"

namespace qv::win32 {

WindowBase::~WindowBase() {
    Destroy();
}

void WindowBase::Destroy() {
    if (handle_ != nullptr) {
        ::DestroyWindow(handle_);
    }
}

bool WindowBase::RegisterWindowClass(const char* className, HICON icon, HBRUSH background,
                                     UINT classStyle) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoExA(instance, className, &existing)) {
        return true;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = &WindowBase::Procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassExA(&wc) != 0;
}

bool WindowBase::CreateWindowOf(const char* className, const char* title, DWORD style,
                                DWORD exStyle, int left, int top, int width, int height,
                                HWND parent) {
    ::CreateWindowExA(exStyle, className, title, style, left, top, width, height, parent, nullptr,
                      ::GetModuleHandleA(nullptr), this);
    return handle_ != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        self = static_cast<WindowBase*>(create->lpCreateParams);
        if (self != nullptr) {
            self->handle_ = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (self == nullptr) {
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        self->OnHandlerException();
        // A close request that failed is refused rather than carried out by default.
        result = message == WM_CLOSE ? 0 : ::DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

} // namespace qv::win32
