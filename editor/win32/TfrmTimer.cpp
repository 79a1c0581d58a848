#include "editor/win32/TfrmTimer.h"

#include "editor/core/WindowTitleModel.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"
#include "editor/win32/TwinAPI.h"

#include <cstdlib>

namespace qv::win32 {
namespace {

constexpr ControlSpec TimerControls[] = {
    {ids::Label2, ControlKind::Label, 12, 12, 236, 16, "Enter a period of time in seconds"},
    {ids::SpinEdit1, ControlKind::Edit, 12, 34, 70, 22, "1.0", ES_AUTOHSCROLL, false,
     WS_EX_CLIENTEDGE},
    // The arrows step the model in halves; they never write the box themselves.
    {ids::SpinEdit1Arrows, ControlKind::UpDown, 82, 34, 18, 22, nullptr},
    {ids::Button1, ControlKind::DefaultButton, 12, 70, 75, 25, "&Ok", WS_GROUP},
    {ids::Button2, ControlKind::Button, 93, 70, 75, 25, "Cancel"},
    {ids::cmdHelp, ControlKind::Button, 174, 70, 75, 25, "&Help"},
};

FormSpec TimerSpec() {
    return CommandDialogSpec(ids::TimerClass, editor::TimerCaption, 261, 105, TimerControls,
                             ids::SpinEdit1);
}

} // namespace

TfrmTimer::TfrmTimer(MessageLoop& loop, HWND owner, std::optional<std::string_view> command)
    : CommandDialog(loop, TimerSpec(), owner, editor::TimerHelpTopic) {
    if (!IsAlive()) {
        return;
    }
    // A range wide enough that the arrows always report a step.
    UpDown arrows(Control(ids::SpinEdit1Arrows).Handle());
    arrows.SetRange(-1000, 1000);
    arrows.SetPosition(0);
    if (command) {
        model_.FromLine(*command);
    }
    Push();
}

void TfrmTimer::Pull() {
    const std::string text = Control(ids::SpinEdit1).Text();
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (end != text.c_str()) {
        model_.SetValue(seconds);
    }
}

void TfrmTimer::Push() {
    ShowText(Control(ids::SpinEdit1), model_.SecondsText());
}

void TfrmTimer::OnCommand(int id, int code) {
    if (CancelOrHelp(id)) {
        return;
    }
    switch (id) {
    case ids::SpinEdit1:
        if (code == EN_KILLFOCUS) {
            Pull();
            Push();
        }
        break;
    case ids::Button1:
        Pull();
        Push();
        Finish(true);
        break;
    default:
        break;
    }
}

LRESULT TfrmTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        if (change->hdr.idFrom == static_cast<UINT_PTR>(ids::SpinEdit1Arrows) &&
            change->hdr.code == UDN_DELTAPOS) {
            Pull();
            if (change->iDelta > 0) {
                model_.Up();
            } else if (change->iDelta < 0) {
                model_.Down();
            }
            Push();
            return TRUE; // the arrows keep their own position
        }
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

std::optional<std::string> Wait1Click(CommandContext& context) {
    return AddThrough<TfrmTimer>(context);
}

void EditWait(CommandContext& context) {
    const int focused = context.document.FocusedRow();
    if (focused >= 0 && focused < static_cast<int>(context.document.CommandCount()) &&
        editor::IsWaitForWindowLine(
            context.document.Rows()[static_cast<std::size_t>(focused)].Command)) {
        Win32WindowLister windows;
        EditThrough<TwinAPI>(context, editor::WindowCommand::WaitForWindow, windows);
        return;
    }
    EditThrough<TfrmTimer>(context);
}

} // namespace qv::win32
