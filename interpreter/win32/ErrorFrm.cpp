#include "interpreter/win32/ErrorFrm.h"

#include "common/win32/Dpi.h"
#include "common/win32/TextView.h"
#include "interpreter/win32/ControlIds.h"
#include "interpreter/win32/Icons.h"

#include <algorithm>
#include <span>
#include <utility>

namespace qv::win32 {
namespace {

constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr ControlSpec Controls[] = {
    {ids::Edit1, ControlKind::Edit, 8, 8, 393, 329, "",
     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, false,
     WS_EX_CLIENTEDGE},
};
// The same place for a report too long for an edit box, which lays out every line at once.
constexpr ControlSpec LongReportControls[] = {
    {ids::Edit1, ControlKind::TextView, 8, 8, 393, 329, "", WS_VSCROLL | WS_HSCROLL, false,
     WS_EX_CLIENTEDGE},
};
constexpr std::ptrdiff_t LongReportLines = 5000;
constexpr std::size_t LongReportBytes = 256 * 1024;

bool IsLongReport(const std::string& text) {
    return text.size() > LongReportBytes ||
           std::count(text.begin(), text.end(), '\n') > LongReportLines;
}

// The dialog's control; a long report goes to a view that lays out only what is in sight.
std::span<const ControlSpec> ErrorFrmControls(bool longReport) {
    if (longReport) {
        return LongReportControls;
    }
    return Controls;
}

} // namespace

TfrmError::TfrmError(MessageLoop& loop, HWND owner, const std::string& text)
    : loop_(loop), owner_(owner) {
    RegisterWindowClass(
        ids::ErrorFrmClass,
        LoadProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowOf(ids::ErrorFrmClass, ErrorFrmTitle, FormStyle, FormExStyle, 0, 0,
                   ErrorFrmClientWidth, ErrorFrmClientHeight, owner_);
    if (!IsAlive()) {
        return;
    }
    dpi_ = DpiOf(Handle());
    font_ = CreatePointFont("MS Sans Serif", 8, dpi_);
    longReport_ = IsLongReport(text);
    if (longReport_) {
        RegisterTextViewClass();
    }
    CreateControls(Handle(), ErrorFrmControls(longReport_), dpi_, font_.Get());
    HWND edit = ::GetDlgItem(Handle(), ids::Edit1);
    // The report of a long run can be far beyond the edit box's default limit.
    ::SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    ::SetWindowTextA(edit, text.c_str());
    ApplyDpi(dpi_, true);
    loop_.AddFilter(this);
}

TfrmError::~TfrmError() {
    loop_.RemoveFilter(this);
    Destroy();
}

void TfrmError::ApplyDpi(int dpi, bool centre) {
    dpi_ = dpi;
    const SIZE outer =
        OuterSizeForClient(ErrorFrmClientWidth, ErrorFrmClientHeight, FormStyle, FormExStyle, dpi_);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int left = 0;
    int top = 0;
    if (centre) {
        HMONITOR monitor = ::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        if (::GetMonitorInfoA(monitor, &info)) {
            screen = info.rcMonitor;
        }
        left = screen.left + (screen.right - screen.left - outer.cx) / 2;
        top = screen.top + (screen.bottom - screen.top - outer.cy) / 2;
    } else {
        flags |= SWP_NOMOVE;
    }
    ::SetWindowPos(Handle(), nullptr, left, top, outer.cx, outer.cy, flags);
    font_ = CreatePointFont("MS Sans Serif", 8, dpi_);
    SetChildFonts(Handle(), font_.Get());
    LayoutControls(Handle(), ErrorFrmControls(longReport_), dpi_);
}

void TfrmError::ShowModal(HWND blocked) {
    if (!IsAlive()) {
        return;
    }
    HWND edit = ::GetDlgItem(Handle(), ids::Edit1);
    // The report opens at its start, nothing selected.
    ::SendMessageA(edit, EM_SETSEL, 0, 0);
    RunModalOver(loop_, Handle(), edit, blocked, blocked_);
}

bool TfrmError::PreTranslate(MSG& message) {
    if (!IsAlive() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

LRESULT TfrmError::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        // The read-only memo has the button face behind its text.
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ApplyDpi(HIWORD(wParam), false);
        return 0;
    }
    case WM_CLOSE:
        // Re-enable the blocked window first, so that Windows activates it rather than another
        // program.
        blocked_.Release();
        Destroy();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace qv::win32
