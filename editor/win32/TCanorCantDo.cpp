#include "editor/win32/TCanorCantDo.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

namespace qv::win32 {
namespace {

constexpr ControlSpec CanorCantDoControls[] = {
    {ids::GroupBox1, ControlKind::GroupBox, 12, 8, 316, 118, "Enable && Disable"},
    {ids::Enable, ControlKind::RadioButton, 24, 28, 90, 18, "Enable", WS_GROUP},
    {ids::Disable, ControlKind::RadioButton, 120, 28, 90, 18, "Disable"},
    {ids::F5, ControlKind::CheckBox, 24, 54, 296, 18, "F5 - Enables or Disables the Cancel Button",
     WS_GROUP},
    {ids::F8, ControlKind::CheckBox, 24, 76, 296, 18,
     "F8 - Enables or Disables then Prompt Key F8"},
    {ids::QUIT, ControlKind::CheckBox, 24, 98, 296, 18, "QUIT - Enables or Disables both F5 && F8"},
    {ids::Button1, ControlKind::DefaultButton, 91, 138, 75, 25, "&OK", WS_GROUP},
    {ids::cmdHelp, ControlKind::Button, 172, 138, 75, 25, "&Help"},
    {ids::Button2, ControlKind::Button, 253, 138, 75, 25, "Cancel"},
};

FormSpec CanorCantDoSpec() {
    return CommandDialogSpec(ids::CanorCantDoClass, editor::EnableDisableCaption, 340, 173,
                             CanorCantDoControls, ids::Enable);
}

} // namespace

TCanorCantDo::TCanorCantDo(MessageLoop& loop, HWND owner, std::optional<std::string_view> command)
    : CommandDialog(loop, CanorCantDoSpec(), owner, editor::EnableDisableHelpTopic) {
    if (!IsAlive()) {
        return;
    }
    if (command) {
        model_.FromLine(*command);
    }
    Push();
}

void TCanorCantDo::Pull() {
    model_.Enable = IsChecked(Control(ids::Enable));
    model_.F5 = IsChecked(Control(ids::F5));
    model_.F8 = IsChecked(Control(ids::F8));
    model_.QUIT = IsChecked(Control(ids::QUIT));
}

void TCanorCantDo::Push() {
    ShowCheck(Control(ids::Enable), model_.Enable);
    ShowCheck(Control(ids::Disable), !model_.Enable);
    ShowCheck(Control(ids::F5), model_.F5);
    ShowCheck(Control(ids::F8), model_.F8);
    ShowCheck(Control(ids::QUIT), model_.QUIT);
    Control(ids::Button1).Enable(model_.OkEnabled());
}

void TCanorCantDo::OnCommand(int id, int code) {
    if (CancelOrHelp(id)) {
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case ids::Enable:
    case ids::Disable:
    case ids::F5:
    case ids::F8:
    case ids::QUIT:
        Pull();
        Push();
        break;
    case ids::Button1:
        Pull();
        if (model_.OkEnabled()) {
            Finish(true);
        }
        break;
    default:
        break;
    }
}

std::optional<std::string> EnableDisable1Click(CommandContext& context) {
    return AddThrough<TCanorCantDo>(context);
}

void EditEnableDisable(CommandContext& context) {
    EditThrough<TCanorCantDo>(context);
}

} // namespace qv::win32
