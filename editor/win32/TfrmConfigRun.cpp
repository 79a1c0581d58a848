#include "editor/win32/TfrmConfigRun.h"

#include "editor/core/ScriptDocument.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"

#include <commdlg.h>

#include <array>

namespace qv::win32 {
namespace {

using editor::WindowStateChoice;

constexpr std::array<int, 7> DayIds = {ids::Mon, ids::Tue, ids::Wed, ids::Thu,
                                       ids::Fri, ids::Sat, ids::Sun};

// The radio group "Window State" in its order, with the choice each button makes.
struct StateButton {
    int id;
    WindowStateChoice choice;
};
constexpr std::array<StateButton, 4> StateButtons = {{
    {ids::RadioButton3, WindowStateChoice::Normal},
    {ids::RadioButton1, WindowStateChoice::Minimized},
    {ids::RadioButton2, WindowStateChoice::Maximize},
    {ids::RadioButton4, WindowStateChoice::Hide},
}};

// The time boxes take the four digits HHMM; the model checks the time on OK.
constexpr DWORD TimeBoxStyle = ES_NUMBER | WS_GROUP;

constexpr ControlSpec ConfigRunControls[] = {
    {ids::Label2, ControlKind::Label, 8, 12, 80, 16, "Filename :"},
    {ids::Edit1, ControlKind::Edit, 90, 9, 282, 22, "", ES_AUTOHSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::Edit1Browse, ControlKind::Button, 376, 9, 26, 22, "..."},
    {ids::Label3, ControlKind::Label, 8, 40, 80, 16, "Command Line :"},
    {ids::Edit2, ControlKind::Edit, 90, 37, 312, 22, "", ES_AUTOHSCROLL, false, WS_EX_CLIENTEDGE},
    {ids::ConvertL, ControlKind::CheckBox, 90, 64, 312, 18,
     "Convert Link to the Linked Name:", WS_DISABLED},
    {ids::GroupBox1, ControlKind::GroupBox, 8, 90, 136, 118, "Window State"},
    {ids::RadioButton3, ControlKind::RadioButton, 20, 110, 116, 18, "Normal", WS_GROUP},
    {ids::RadioButton1, ControlKind::RadioButton, 20, 132, 116, 18, "Minimized"},
    {ids::RadioButton2, ControlKind::RadioButton, 20, 154, 116, 18, "Maximize"},
    {ids::RadioButton4, ControlKind::RadioButton, 20, 176, 116, 18, "Hide"},
    {ids::Between, ControlKind::CheckBox, 156, 92, 150, 18, "Run Only Between ", WS_GROUP},
    {ids::L1, ControlKind::Label, 172, 117, 58, 16, "Between : ", WS_DISABLED},
    {ids::B1, ControlKind::Edit, 232, 114, 48, 22, "1200", TimeBoxStyle | WS_DISABLED, false,
     WS_EX_CLIENTEDGE},
    {ids::L2, ControlKind::Label, 288, 117, 24, 16, "and", WS_DISABLED},
    {ids::B2, ControlKind::Edit, 314, 114, 48, 22, "1200", TimeBoxStyle | WS_DISABLED, false,
     WS_EX_CLIENTEDGE},
    {ids::Only, ControlKind::CheckBox, 156, 144, 150, 18, "Run Only On", WS_GROUP},
    {ids::Mon, ControlKind::CheckBox, 172, 166, 76, 18, "Monday", WS_DISABLED},
    {ids::Tue, ControlKind::CheckBox, 250, 166, 76, 18, "Tuesday", WS_DISABLED},
    {ids::Wed, ControlKind::CheckBox, 328, 166, 82, 18, "Wednesday", WS_DISABLED},
    {ids::Thu, ControlKind::CheckBox, 172, 186, 76, 18, "Thursday", WS_DISABLED},
    {ids::Fri, ControlKind::CheckBox, 250, 186, 76, 18, "Friday", WS_DISABLED},
    {ids::Sat, ControlKind::CheckBox, 328, 186, 82, 18, "Saturday", WS_DISABLED},
    {ids::Sun, ControlKind::CheckBox, 172, 206, 76, 18, "Sunday", WS_DISABLED},
    {ids::RunOnce, ControlKind::CheckBox, 8, 220, 140, 18, "Run Once a Day"},
    {ids::RunandWait, ControlKind::CheckBox, 8, 242, 260, 18, "Run and Wait until Programs Closes"},
    {ids::Button1, ControlKind::DefaultButton, 166, 272, 75, 25, "&Ok", WS_DISABLED},
    {ids::Button2, ControlKind::Button, 247, 272, 75, 25, "Cance&l"},
    {ids::cmdHelp, ControlKind::Button, 328, 272, 75, 25, "&Help"},
};

FormSpec ConfigRunSpec() {
    return CommandDialogSpec(ids::ConfigRunClass, editor::RunProgramCaption, 414, 306,
                             ConfigRunControls, ids::Edit1);
}

} // namespace

TfrmConfigRun::TfrmConfigRun(MessageLoop& loop, HWND owner, editor::LinkReader& links,
                             std::optional<std::string_view> command)
    : CommandDialog(loop, ConfigRunSpec(), owner, editor::RunProgramHelpTopic), model_(links) {
    if (!IsAlive()) {
        return;
    }
    Control<Edit>(ids::B1).SetLimit(4);
    Control<Edit>(ids::B2).SetLimit(4);
    if (command) {
        model_.FromLine(*command);
    }
    Push();
}

void TfrmConfigRun::Pull() {
    model_.Edit1 = Control(ids::Edit1).Text();
    model_.Edit2 = Control(ids::Edit2).Text();
    for (const StateButton& button : StateButtons) {
        if (IsChecked(Control(button.id))) {
            model_.WindowState = button.choice;
        }
    }
    model_.B1 = Control(ids::B1).Text();
    model_.B2 = Control(ids::B2).Text();
    for (std::size_t day = 0; day < DayIds.size(); ++day) {
        model_.Days[day] = IsChecked(Control(DayIds[day]));
    }
    model_.RunOnce = IsChecked(Control(ids::RunOnce));
}

void TfrmConfigRun::Push() {
    pushing_ = true;
    ShowText(Control(ids::Edit1), model_.Edit1);
    ShowText(Control(ids::Edit2), model_.Edit2);
    ShowCheck(Control(ids::ConvertL), model_.ConvertL);
    Control(ids::ConvertL).Enable(model_.ConvertLEnabled);
    for (const StateButton& button : StateButtons) {
        ShowCheck(Control(button.id), model_.WindowState == button.choice);
    }
    ShowCheck(Control(ids::Between), model_.Between);
    ShowText(Control(ids::B1), model_.B1);
    ShowText(Control(ids::B2), model_.B2);
    for (const int id : {ids::L1, ids::L2, ids::B1, ids::B2}) {
        Control(id).Enable(model_.TimesEnabled);
    }
    ShowCheck(Control(ids::Only), model_.Only);
    for (std::size_t day = 0; day < DayIds.size(); ++day) {
        ShowCheck(Control(DayIds[day]), model_.Days[day]);
        Control(DayIds[day]).Enable(model_.DaysEnabled);
    }
    ShowCheck(Control(ids::RunOnce), model_.RunOnce);
    ShowCheck(Control(ids::RunandWait), model_.RunandWait);
    Control(ids::Button1).Enable(model_.Button1Enabled);
    pushing_ = false;
}

void TfrmConfigRun::OnActivated() {
    Dialog::OnActivated();
    // The arguments as first shown are what unchecking a conversion puts back.
    if (!activated_) {
        activated_ = true;
        Pull();
        model_.FormActivate();
    }
}

void TfrmConfigRun::OnCommand(int id, int code) {
    if (pushing_) {
        return;
    }
    if (CancelOrHelp(id)) {
        return;
    }
    const bool click = code == BN_CLICKED;
    switch (id) {
    case ids::Edit1:
        if (code == EN_CHANGE) {
            Pull();
            model_.Edit1Change(model_.Edit1);
            Push();
        }
        return;
    case ids::Edit1Browse:
        if (click) {
            Pull();
            if (const std::optional<std::string> file =
                    BrowseForFile(Handle(), editor::RunProgramBrowseFilter, model_.Edit1,
                                  OFN_NODEREFERENCELINKS | OFN_FILEMUSTEXIST)) {
                model_.Edit1AfterDialog(*file);
                Push();
            }
        }
        return;
    case ids::ConvertL:
        if (click) {
            const bool checked = IsChecked(Control(ids::ConvertL));
            Pull();
            model_.ConvertLClick(checked);
            Push();
        }
        return;
    case ids::RunandWait:
        if (click) {
            const bool checked = IsChecked(Control(ids::RunandWait));
            Pull();
            model_.RunandWait = checked;
            model_.RunandWaitClick(checked);
            Push();
        }
        return;
    case ids::Between:
        if (click) {
            Pull();
            model_.BetweenClick(IsChecked(Control(ids::Between)));
            Push();
        }
        return;
    case ids::Only:
        if (click) {
            Pull();
            model_.OnlyClick(IsChecked(Control(ids::Only)));
            Push();
        }
        return;
    case ids::Button1:
        if (click) {
            Button1Click();
        }
        return;
    default:
        return;
    }
}

void TfrmConfigRun::Button1Click() {
    Pull();
    const std::optional<std::string_view> refusal = model_.Button1Click();
    Push();
    if (refusal) {
        ShowRefusal(std::string(*refusal));
        return;
    }
    Finish(true);
}

std::optional<std::string> Launch1Click(CommandContext& context) {
    ShortcutLinks links;
    return AddThrough<TfrmConfigRun>(context, links);
}

void EditRunProgram(CommandContext& context) {
    ShortcutLinks links;
    EditThrough<TfrmConfigRun>(context, links);
}

} // namespace qv::win32
