#include "common/win32/Dpi.h"

namespace qv::win32 {

int DpiOf(HWND window) {
    const UINT dpi = window != nullptr ? ::GetDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : DesignDpi;
}

SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, Scale(clientWidth, dpi), Scale(clientHeight, dpi)};
    if (!::AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

UniqueFont CreatePointFont(const char* face, int points, int dpi, bool bold) {
    LOGFONTA font{};
    font.lfHeight = -::MulDiv(points, dpi, 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectA(&font));
}

} // namespace qv::win32
