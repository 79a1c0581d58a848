#include "editor/win32/TSelWindow.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

#include <array>

namespace qv::win32 {
namespace {

using editor::HorizontalChoice;
using editor::LocateModel;
using editor::VerticalChoice;
using editor::WindowChoice;

// Every choice is the model's: the buttons of the three rows are grouped apart so that none
// unchecks another behind the model's back.
constexpr ControlSpec SelWindowControls[] = {
    {ids::GroupBox1, ControlKind::GroupBox, 12, 8, 134, 96, "Vertical"},
    {ids::RadioButton1, ControlKind::RadioButton, 24, 28, 110, 18, "&Top", WS_GROUP},
    {ids::RadioButton2, ControlKind::RadioButton, 24, 50, 110, 18, "&Center", WS_GROUP},
    {ids::RadioButton3, ControlKind::RadioButton, 24, 72, 110, 18, "&Bottom", WS_GROUP},
    {ids::GroupBox2, ControlKind::GroupBox, 156, 8, 134, 96, "Horizontal"},
    {ids::RadioButton4, ControlKind::RadioButton, 168, 28, 110, 18, "&Right", WS_GROUP},
    {ids::RadioButton5, ControlKind::RadioButton, 168, 50, 110, 18, "C&enter", WS_GROUP},
    {ids::RadioButton6, ControlKind::RadioButton, 168, 72, 110, 18, "&Left", WS_GROUP},
    {ids::RadioButton7, ControlKind::RadioButton, 24, 114, 80, 18, "Hide", WS_GROUP},
    {ids::RadioButton8, ControlKind::RadioButton, 110, 114, 80, 18, "Show", WS_GROUP},
    {ids::RadioButton9, ControlKind::RadioButton, 196, 114, 90, 18, "Minimize", WS_GROUP},
    {ids::Button1, ControlKind::DefaultButton, 53, 146, 75, 25, "OK", WS_GROUP},
    {ids::Button2, ControlKind::Button, 134, 146, 75, 25, "Cancel"},
    {ids::cmdHelp, ControlKind::Button, 215, 146, 75, 25, "&Help"},
};

FormSpec SelWindowSpec() {
    return CommandDialogSpec(ids::SelWindowClass, editor::LocateCaption, 302, 181,
                             SelWindowControls, ids::RadioButton1);
}

// Each button: its handler, and whether the model's choice has it checked.
struct LocateButton {
    int id;
    void (LocateModel::*click)();
    bool (*chosen)(const LocateModel&);
};

template <VerticalChoice Choice> bool Vertical(const LocateModel& model) {
    return model.VerticalButton == Choice;
}
template <HorizontalChoice Choice> bool Horizontal(const LocateModel& model) {
    return model.HorizontalButton == Choice;
}
template <WindowChoice Choice> bool Other(const LocateModel& model) {
    return model.OtherButton == Choice;
}

constexpr std::array<LocateButton, 9> LocateButtons = {{
    {ids::RadioButton1, &LocateModel::RadioButton1Click, Vertical<VerticalChoice::Top>},
    {ids::RadioButton2, &LocateModel::RadioButton2Click, Vertical<VerticalChoice::Center>},
    {ids::RadioButton3, &LocateModel::RadioButton3Click, Vertical<VerticalChoice::Bottom>},
    {ids::RadioButton4, &LocateModel::RadioButton4Click, Horizontal<HorizontalChoice::Right>},
    {ids::RadioButton5, &LocateModel::RadioButton5Click, Horizontal<HorizontalChoice::Center>},
    {ids::RadioButton6, &LocateModel::RadioButton6Click, Horizontal<HorizontalChoice::Left>},
    {ids::RadioButton7, &LocateModel::RadioButton7Click, Other<WindowChoice::Hide>},
    {ids::RadioButton8, &LocateModel::RadioButton8Click, Other<WindowChoice::Show>},
    {ids::RadioButton9, &LocateModel::RadioButton9Click, Other<WindowChoice::Minimize>},
}};

} // namespace

TSelWindow::TSelWindow(MessageLoop& loop, HWND owner, std::optional<std::string_view> command)
    : CommandDialog(loop, SelWindowSpec(), owner, editor::LocateHelpTopic) {
    if (!IsAlive()) {
        return;
    }
    if (command) {
        model_.FromLine(*command);
    }
    Push();
}

void TSelWindow::Push() {
    for (const LocateButton& button : LocateButtons) {
        ShowCheck(Control(button.id), button.chosen(model_));
    }
    Control(ids::Button1).Enable(model_.OkEnabled());
}

void TSelWindow::OnCommand(int id, int code) {
    if (CancelOrHelp(id)) {
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    for (const LocateButton& button : LocateButtons) {
        if (button.id == id) {
            (model_.*button.click)();
            Push();
            return;
        }
    }
    switch (id) {
    case ids::Button1:
        if (model_.OkEnabled()) {
            Finish(true);
        }
        break;
    default:
        break;
    }
}

std::optional<std::string> ScriptWindowPosition1Click(CommandContext& context) {
    return AddThrough<TSelWindow>(context);
}

void EditLocate(CommandContext& context) {
    EditThrough<TSelWindow>(context);
}

} // namespace qv::win32
