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

UniqueFont CreateMessageFont(int dpi, bool bold, int pixelHeight) {
    // Only the wide call answers for a given DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                     static_cast<UINT>(dpi))) {
        font = metrics.lfMessageFont;
    } else if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Without the per-DPI call the answer is at the system's DPI.
        font = metrics.lfMessageFont;
        font.lfHeight = ::MulDiv(font.lfHeight, dpi, static_cast<int>(::GetDpiForSystem()));
    } else {
        font.lfHeight = -::MulDiv(8, dpi, 72);
        font.lfCharSet = DEFAULT_CHARSET;
        ::lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
    }
    if (pixelHeight > 0) {
        font.lfHeight = -Scale(pixelHeight, dpi);
    }
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return UniqueFont(::CreateFontIndirectW(&font));
}

} // namespace qv::win32
