#include "common/win32/Dpi.h"
#include "common/win32/Gdi.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/ProblemsFrm.h"
#include "editor/win32/RunLogFrm.h"
#include "editor/win32/ViewFrm.h"
#include "editor/win32/WhatIfFrm.h"
#include "interpreter/whatif/WhatIf.h"
#include "interpreter/win32/RunLogFile.h"
#include "language/CompiledScript.h"

#include <algorithm>

namespace qv::win32 {
namespace {

using UniquePen = Owner<NullEmptyTraits<HPEN, DeleteGdiObject>>;

// The problem mark over a row's icon: a red disc with a white exclamation mark, drawn at the
// icon's lower left corner, as the shell marks its overlays.
void DrawProblemMark(HDC dc, int left, int top, int size) {
    const UniqueBrush red(::CreateSolidBrush(RGB(200, 32, 32)));
    const UniquePen rim(::CreatePen(PS_SOLID, std::max(1, size / 12), RGB(255, 255, 255)));
    {
        const SelectedObject brush(dc, red.Get());
        const SelectedObject pen(dc, rim.Get());
        ::Ellipse(dc, left, top, left + size, top + size);
    }
    const int stroke = std::max(1, size / 6);
    const int x = left + (size - stroke) / 2;
    const RECT bar{x, top + size * 2 / 10, x + stroke, top + size * 6 / 10};
    const RECT dot{x, top + size * 7 / 10, x + stroke, top + size * 7 / 10 + stroke};
    const HBRUSH white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::FillRect(dc, &bar, white);
    ::FillRect(dc, &dot, white);
}

} // namespace

void TfrmView::CheckRows() {
    checker_.Check(document_);
    ShowRowProblem();
}

void TfrmView::ShowRowProblem() {
    if (!status_) {
        return;
    }
    const int focused = List().FocusedIndex();
    const std::string* problem =
        focused >= 0 ? checker_.RowProblem(static_cast<std::size_t>(focused)) : nullptr;
    if (problem != nullptr) {
        status_.SetText(*problem);
        problemShown_ = true;
    } else if (problemShown_) {
        status_.SetText("");
        problemShown_ = false;
    }
}

LRESULT TfrmView::ListCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return checker_.ProblemCount() > 0 ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT:
        return checker_.RowProblem(draw.nmcd.dwItemSpec) != nullptr ? CDRF_NOTIFYPOSTPAINT
                                                                    : CDRF_DODEFAULT;
    case CDDS_ITEMPOSTPAINT: {
        RECT icon{};
        icon.left = LVIR_ICON;
        if (List().Send(LVM_GETITEMRECT, draw.nmcd.dwItemSpec, reinterpret_cast<LPARAM>(&icon)) ==
            FALSE) {
            return CDRF_DODEFAULT;
        }
        // The picture is centred in the icon's box; the mark covers its lower left part.
        const int picture = Scale(view_ == ScriptView::Icon ? 32 : 16, Dpi());
        const int mark = std::max(Scale(9, Dpi()), picture * 9 / 16);
        const int left = (icon.left + icon.right - picture) / 2;
        const int top = (icon.top + icon.bottom - picture) / 2;
        DrawProblemMark(draw.nmcd.hdc, left - 1, top + picture - mark + 1, mark);
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

// The text view's text is what the script is while it is shown: it is taken as Save takes it.
void TfrmView::ApplyTextView() {
    if (document_.State().TextViewActive) {
        ReportLoad(document_.RestoreTemp(ScriptText()));
    }
}

void TfrmView::CheckScriptCommand() {
    // The problems are found on rows, and choosing one focuses its row: the list is shown.
    if (view_ == ScriptView::Text) {
        SetView(ScriptView::List);
    }
    checker_.Check(document_);
    const std::vector<editor::ScriptProblem> problems = checker_.Problems(document_);
    const std::optional<std::size_t> chosen =
        TfrmProblems(Loop(), Handle(), problems).ShowModal(Handle());
    if (!chosen || *chosen >= problems.size() || problems[*chosen].row < 0) {
        return;
    }
    const int row = problems[*chosen].row;
    ListView list = List();
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    list.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    list.SetSelected(row, true);
    list.SetFocused(row);
    list.EnsureVisible(row);
    ::SetFocus(list.Handle());
    PullSelection();
    ShowRowProblem();
}

void TfrmView::WhatIfCommand() {
    ApplyTextView();
    editor::WhatIfFields fields = whatIf_.value_or(
        editor::WhatIfDefaults({}, services_.UserName(), services_.ComputerName()));
    // Each time from now: a logon is in the future.
    fields.moment = whatif::FormatMoment(whatif::LocalNow());
    TfrmWhatIf dialog(Loop(), Handle(), document_, fields);
    dialog.ShowModal(Handle());
    whatIf_ = dialog.Fields();
}

void TfrmView::ViewRunLogCommand() {
    const std::string path = RunLogFile::DefaultPath();
    std::string text;
    if (path.empty() || ::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Ask(NoRunLogText(path.empty() ? "%LOCALAPPDATA%\\Quorvel\\qvrun.log" : path),
            MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (const FileResult read = ReadWholeFile(path, text); !read.ok) {
        Ask("The run log could not be read: " + read.error, MB_OK | MB_ICONERROR);
        return;
    }
    TfrmRunLog(Loop(), Handle(), path, std::move(text)).ShowModal(Handle());
}

} // namespace qv::win32
