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
    return RegisterClassWith(className, icon, background, classStyle, nullptr);
}

bool WindowBase::RegisterClassWith(const char* className, HICON icon, HBRUSH background,
                                   UINT classStyle, Factory factory) {
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
    // The class remembers how to make the object for a window created by name alone.
    wc.cbClsExtra = sizeof(Factory);
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    const ATOM atom = ::RegisterClassExA(&wc);
    if (atom == 0) {
        return false;
    }
    if (factory != nullptr) {
        // The class's extra bytes are set through a window of the class; a message-only one
        // lives for just this call.
        HWND carrier = ::CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         instance, nullptr);
        if (carrier == nullptr) {
            return false;
        }
        ::SetClassLongPtrA(carrier, 0, reinterpret_cast<LONG_PTR>(factory));
        ::DestroyWindow(carrier);
    }
    return true;
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
        bool owned = false;
        if (self == nullptr) {
            if (auto factory = reinterpret_cast<Factory>(::GetClassLongPtrA(window, 0))) {
                self = factory();
                owned = true;
                if (self == nullptr) {
                    return FALSE;
                }
            }
        }
        if (self != nullptr) {
            self->handle_ = window;
            self->ownedByWindow_ = owned;
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
        result = self->ResultAfterException(message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        if (self->ownedByWindow_) {
            delete self;
        }
    }
    return result;
}

LRESULT WindowBase::ResultAfterException(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // A close request that failed is refused rather than carried out by default.
    return message == WM_CLOSE ? 0 : ::DefWindowProcA(handle_, message, wParam, lParam);
}

} // namespace qv::win32
