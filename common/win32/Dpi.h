#pragma once
// Forms are laid out in 96-DPI pixels; these helpers turn them into the pixels of the monitor a
// window is on.
#include "common/win32/Owners.h"

#include <windows.h>

namespace qv::win32 {

inline constexpr int DesignDpi = 96;

// The DPI of the window's monitor (96 when the system cannot say).
int DpiOf(HWND window);

// A length in 96-DPI pixels at `dpi`.
inline int Scale(int designPixels, int dpi) {
    return ::MulDiv(designPixels, dpi, DesignDpi);
}

// The outer size of a window whose client area is `clientWidth` by `clientHeight` design pixels.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// A font of `points` size at `dpi`.
UniqueFont CreatePointFont(const char* face, int points, int dpi, bool bold = false);

// The system's message font (the one its own dialogs use) at `dpi`. A `pixelHeight` above 0
// asks for that character height in 96-DPI pixels instead of the system's size.
UniqueFont CreateMessageFont(int dpi, bool bold = false, int pixelHeight = 0);

} // namespace qv::win32
