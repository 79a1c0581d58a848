#pragma once
// Driving a command dialog before and during its modal run, as a user would: typing into boxes,
// clicking buttons, reading what the controls show.
#include "tests/win32/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace qv::win32::testing {

inline std::string TextOf(HWND window, int id) {
    char text[1024] = {};
    ::GetDlgItemTextA(window, id, text, sizeof(text));
    return text;
}

inline std::string Caption(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

// Typing: the box tells the form of the change as it does for a key.
inline void Type(HWND window, int id, const std::string& text) {
    ::SetDlgItemTextA(window, id, text.c_str());
}

inline bool Checked(HWND window, int id) {
    return ::IsDlgButtonChecked(window, id) == BST_CHECKED;
}

inline bool Enabled(HWND window, int id) {
    return ::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE;
}

inline bool Shown(HWND window, int id) {
    return (::GetWindowLongA(::GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

// A click on a check box or radio button: the state an automatic button takes, then its
// notification.
inline void Click(HWND window, int id) {
    HWND button = ::GetDlgItem(window, id);
    const LONG type = ::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) {
        ::CheckDlgButton(window, id, Checked(window, id) ? BST_UNCHECKED : BST_CHECKED);
    } else if (type == BS_AUTORADIOBUTTON) {
        ::CheckDlgButton(window, id, BST_CHECKED);
    }
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

// Presses a push button once the modal run has started.
inline void PressLater(HWND window, int id) {
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

// The window's outer height in 96-DPI pixels.
inline int DesignHeight(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return ::MulDiv(rect.bottom - rect.top, 96, static_cast<int>(::GetDpiForWindow(window)));
}

// A control's top in the form's client area, in 96-DPI pixels.
inline int DesignTop(HWND window, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(window, id), &rect);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return ::MulDiv(rect.top, 96, static_cast<int>(::GetDpiForWindow(window)));
}

} // namespace qv::win32::testing
