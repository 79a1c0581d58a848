#include "editor/win32/ProblemsFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/Gdi.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/RowIcons.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::ProblemSummary, ControlKind::Label, 8, 8, 464, 18, ""},
    {ids::ProblemList, ControlKind::ListBox, 8, 28, 464, 196, "",
     WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, false, WS_EX_CLIENTEDGE},
    {ids::ProblemGoTo, ControlKind::DefaultButton, 316, 232, 76, 25, "&Go To"},
    {ids::ProblemClose, ControlKind::Button, 396, 232, 76, 25, "&Close"},
};

} // namespace

std::string ProblemSummary(std::size_t count) {
    if (count == 0) {
        return "The interpreter would run or pass over every line of this script.";
    }
    return std::to_string(count) + (count == 1 ? " line" : " lines") +
           " of this script would be reported by the interpreter:";
}

TfrmProblems::TfrmProblems(MessageLoop& loop, HWND owner,
                           const std::vector<editor::ScriptProblem>& problems)
    : Dialog(loop,
             {.className = ids::ProblemsFrmClass,
              .title = ProblemsFrmTitle,
              .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
              .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
              .width = 480,
              .height = 265,
              .controls = Controls,
              .defaultButton = ids::ProblemGoTo,
              .cancelButton = ids::ProblemClose,
              .initialFocus = ids::ProblemList,
              .placement = Placement::CentreOverOwner,
              .icon = EditorClassIcon()},
             owner, std::nullopt) {
    if (!IsAlive()) {
        return;
    }
    Control(ids::ProblemSummary).SetText(ProblemSummary(problems.size()));
    const ListBox list = Control<ListBox>(ids::ProblemList);
    list.Send(WM_SETREDRAW, FALSE);
    int widest = 0;
    const WindowDC dc(list.Handle());
    const SelectedObject font(dc.Get(), Font());
    for (const editor::ScriptProblem& problem : problems) {
        const std::string text = editor::ProblemListText(problem);
        list.Add(text);
        SIZE size{};
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    // Long lines scroll sideways rather than being cut.
    list.Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8));
    list.Send(WM_SETREDRAW, TRUE);
    if (!problems.empty()) {
        list.Select(0);
    }
    Control(ids::ProblemGoTo).Enable(!problems.empty());
    Place();
}

TfrmProblems::~TfrmProblems() {
    Destroy();
}

void TfrmProblems::GoToClick() {
    const int chosen = Control<ListBox>(ids::ProblemList).Selected();
    if (chosen >= 0) {
        Finish(static_cast<std::size_t>(chosen));
    }
}

void TfrmProblems::OnCommand(int id, int code) {
    if (id == ids::ProblemGoTo || (id == ids::ProblemList && code == LBN_DBLCLK)) {
        GoToClick();
    } else if (id == ids::ProblemClose) {
        Finish(std::nullopt);
    }
}

} // namespace qv::win32
