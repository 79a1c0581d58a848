#include "editor/win32/WhatIfFrm.h"

#include "common/win32/Controls.h"
#include "common/win32/TextView.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/RowIcons.h"

#include <algorithm>

namespace qv::win32 {
namespace {

constexpr ControlSpec Controls[] = {
    {ids::WhatIfAtLabel, ControlKind::Label, 8, 8, 150, 16, "Date and time:"},
    {ids::WhatIfAt, ControlKind::Edit, 8, 26, 150, 22, "", ES_AUTOHSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::WhatIfUserLabel, ControlKind::Label, 166, 8, 120, 16, "User name:"},
    {ids::WhatIfUser, ControlKind::Edit, 166, 26, 120, 22, "", ES_AUTOHSCROLL, false,
     WS_EX_CLIENTEDGE},
    {ids::WhatIfComputerLabel, ControlKind::Label, 294, 8, 120, 16, "Computer name:"},
    {ids::WhatIfComputer, ControlKind::Edit, 294, 26, 120, 22, "", ES_AUTOHSCROLL, false,
     WS_EX_CLIENTEDGE},
    {ids::WhatIfAnswerLabel, ControlKind::Label, 422, 8, 90, 16, "Prompts answer:"},
    {ids::WhatIfAnswer, ControlKind::DropDownList, 422, 26, 90, 120, ""},
    {ids::WhatIfMenuLabel, ControlKind::Label, 520, 8, 112, 16, "Menu entry:"},
    {ids::WhatIfMenu, ControlKind::DropDownList, 520, 26, 112, 240, ""},
    {ids::WhatIfRun, ControlKind::DefaultButton, 8, 58, 80, 25, "&Run"},
    {ids::WhatIfNote, ControlKind::Label, 98, 58, 534, 30,
     "What qvrun.exe would do at a logon at that moment, command by command. Nothing is "
     "started, copied or changed; called scripts and the once-a-day record are only read."},
    {ids::WhatIfReport, ControlKind::TextView, 8, 94, 624, 306, "", WS_VSCROLL | WS_HSCROLL, false,
     WS_EX_CLIENTEDGE},
    {ids::WhatIfClose, ControlKind::Button, 556, 408, 76, 25, "&Close"},
};

FormSpec WhatIfSpec() {
    RegisterTextViewClass();
    return {.className = ids::WhatIfFrmClass,
            .title = WhatIfFrmTitle,
            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
            .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
            .width = 640,
            .height = 441,
            .controls = Controls,
            .defaultButton = ids::WhatIfRun,
            .cancelButton = ids::WhatIfClose,
            .initialFocus = ids::WhatIfAt,
            .placement = Placement::CentreOverOwner,
            .icon = EditorClassIcon()};
}

} // namespace

TfrmWhatIf::TfrmWhatIf(MessageLoop& loop, HWND owner, const editor::ScriptDocument& document,
                       const editor::WhatIfFields& fields)
    : Dialog(loop, WhatIfSpec(), owner, false), document_(document) {
    if (!IsAlive()) {
        return;
    }
    Control(ids::WhatIfAt).SetText(fields.moment);
    Control(ids::WhatIfUser).SetText(fields.user);
    Control(ids::WhatIfComputer).SetText(fields.computer);
    const ComboBox answer = Control<ComboBox>(ids::WhatIfAnswer);
    for (const char* text : editor::WhatIfAnswers) {
        answer.Add(text);
    }
    answer.Select(fields.answer);
    const ComboBox menu = Control<ComboBox>(ids::WhatIfMenu);
    menu.Add(editor::MenuDefaultEntry);
    for (int entry = 1; entry <= editor::WhatIfMenuEntries; ++entry) {
        menu.Add(std::to_string(entry));
    }
    menu.Select(fields.menuEntry);
    Place();
    RunClick();
}

TfrmWhatIf::~TfrmWhatIf() {
    Destroy();
}

editor::WhatIfFields TfrmWhatIf::Fields() const {
    editor::WhatIfFields fields;
    fields.moment = Control(ids::WhatIfAt).Text();
    fields.user = Control(ids::WhatIfUser).Text();
    fields.computer = Control(ids::WhatIfComputer).Text();
    fields.answer = Control<ComboBox>(ids::WhatIfAnswer).Selected();
    fields.menuEntry = Control<ComboBox>(ids::WhatIfMenu).Selected();
    return fields;
}

void TfrmWhatIf::RunClick() {
    const editor::WhatIfFields fields = Fields();
    if (const std::optional<std::string> problem = editor::CheckWhatIfFields(fields)) {
        ::MessageBoxA(Handle(), problem->c_str(), WhatIfFrmTitle, MB_OK | MB_ICONERROR);
        ::SetFocus(Control(ids::WhatIfAt).Handle());
        return;
    }
    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    std::string report = editor::WhatIfReport(document_, fields, true);
    // The view takes the text as one string: a NUL inside a line would end it there.
    std::replace(report.begin(), report.end(), '\0', ' ');
    Control(ids::WhatIfReport).SetText(report);
    ::SetCursor(previous);
}

void TfrmWhatIf::OnCommand(int id, int) {
    if (id == ids::WhatIfRun) {
        RunClick();
    } else if (id == ids::WhatIfClose) {
        Finish(true);
    }
}

} // namespace qv::win32
