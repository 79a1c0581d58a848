#include "interpreter/win32/dialogs/ErrorFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Icons.h"
#include "common/win32/TextView.h"
#include "interpreter/win32/ControlIds.h"

#include <algorithm>
#include <span>

namespace qv::win32 {
namespace {

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
FormSpec ErrorFrmSpec(bool longReport) {
    if (longReport) {
        RegisterTextViewClass();
    }
    return {
        .className = ids::ErrorFrmClass,
        .title = ErrorFrmTitle,
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
        .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
        .width = ErrorFrmClientWidth,
        .height = ErrorFrmClientHeight,
        .controls = longReport ? std::span<const ControlSpec>(LongReportControls)
                               : std::span<const ControlSpec>(Controls),
        .initialFocus = ids::Edit1,
        .icon = ProgramClassIcon(),
    };
}

} // namespace

TfrmError::TfrmError(MessageLoop& loop, HWND owner, const std::string& text)
    : Form(loop, ErrorFrmSpec(IsLongReport(text)), owner) {
    if (!IsAlive()) {
        return;
    }
    Edit edit = Control<Edit>(ids::Edit1);
    // The report of a long run can be far beyond the edit box's default limit.
    edit.SetLimit(0);
    edit.SetText(text);
}

void TfrmError::ShowModal(HWND blocked) {
    if (!IsAlive()) {
        return;
    }
    // The report opens at its start, nothing selected.
    Control<Edit>(ids::Edit1).Select(0, 0);
    RunModal(blocked);
}

LRESULT TfrmError::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        // The read-only memo has the button face behind its text.
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    return Form::HandleMessage(message, wParam, lParam);
}

} // namespace qv::win32
