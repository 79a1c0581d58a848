#include "editor/core/RunProgramModel.h"

#include "editor/core/RowKinds.h"
#include "editor/core/ScriptDocument.h"
#include "interpreter/logic/OpsLoad.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <utility>

namespace qv::editor {

namespace {

// The masked box's first digit is optional: "800" is 08:00.
std::string FourDigits(std::string text) {
    text = Trim(text);
    if (text.size() == 3)
        text.insert(text.begin(), '0');
    return text;
}

std::string_view StateWord(WindowStateChoice state) {
    switch (state) {
    case WindowStateChoice::Minimized:
        return "min";
    case WindowStateChoice::Maximize:
        return "max";
    case WindowStateChoice::Hide:
        return "hide";
    case WindowStateChoice::Normal:
        break;
    }
    return {};
}

} // namespace

void RunProgramModel::ApplyLinkState(std::string text) {
    Edit1 = std::move(text);
    Button1Enabled = !Edit1.empty();
    ConvertLEnabled = logic::IsShortcutPath(Edit1);
    OldLink = Edit1;
}

void RunProgramModel::Edit1Change(std::string text) {
    if (ConvertL) {
        Edit1 = std::move(text);
        Button1Enabled = !Edit1.empty();
        return;
    }
    ApplyLinkState(std::move(text));
}

void RunProgramModel::Edit1AfterDialog(std::string text) {
    ApplyLinkState(std::move(text));
}

bool RunProgramModel::ConvertLClick(bool checked) {
    if (!checked) {
        ConvertL = false;
        Edit1Change(OldLink);
        Edit2 = OldArg;
        return true;
    }
    const std::optional<LinkTarget> link = links_.ReadLink(OldLink);
    if (!link) {
        ConvertL = false;
        return false;
    }
    ConvertL = true;
    Edit1Change(link->path);
    Edit2 = link->arguments;
    switch (link->showCommand) {
    case 1:
        WindowState = WindowStateChoice::Normal;
        break;
    case 7:
        WindowState = WindowStateChoice::Minimized;
        break;
    case 3:
        WindowState = WindowStateChoice::Maximize;
        break;
    default:
        break;
    }
    return true;
}

void RunProgramModel::RunandWaitClick(bool checked) {
    RunandWait = checked;
    // Waiting needs the real program, not the shortcut.
    if (checked && !ConvertL && Contains(LowerCase(Edit1), ".lnk"))
        ConvertLClick(true);
}

void RunProgramModel::BetweenClick(bool checked) {
    Between = checked;
    TimesEnabled = checked;
}

void RunProgramModel::OnlyClick(bool checked) {
    Only = checked;
    DaysEnabled = checked;
}

void RunProgramModel::SetWindowState(std::string_view word) {
    const std::string upper = UpperCase(word);
    WindowState = upper == "MIN"    ? WindowStateChoice::Minimized
                  : upper == "MAX"  ? WindowStateChoice::Maximize
                  : upper == "HIDE" ? WindowStateChoice::Hide
                                    : WindowStateChoice::Normal;
}

void RunProgramModel::FromLine(std::string_view command) {
    const LoadFields fields = ParseLoad(Trim(command)).fields;
    const std::string conditions = UpperCase(fields.conditions);
    for (char day = '1'; day <= '7'; ++day)
        Days[day - '1'] = conditions.find(day) != std::string::npos;
    RunOnce = LoadConditionsRunOnce(conditions);
    if (!conditions.empty() && conditions != "R")
        OnlyClick(true);
    RunandWait = fields.wait;
    if (!fields.timeWindow.empty()) {
        BetweenClick(true);
        B1 = fields.timeWindow.substr(0, 4);
        B2 = fields.timeWindow.substr(4, 4);
    }
    Edit1Change(fields.path);
    Edit2 = fields.arguments;
    SetWindowState(fields.windowWord);
    originalFile_ = fields.path;
    originalQuoted_ = fields.pathQuoted;
}

std::optional<std::string_view> RunProgramModel::Button1Click() {
    if (!Between)
        return std::nullopt;
    const std::string start = FourDigits(B1);
    const std::string end = FourDigits(B2);
    const std::optional<logic::TimeWindow> window = logic::ParseTimeWindow(start + end);
    if (!window)
        return InvalidTimeText;
    B1 = start;
    B2 = end;
    if (window->endMinutes < window->startMinutes)
        std::swap(B1, B2);
    return std::nullopt;
}

std::string RunProgramModel::BuildLine(DialogUse use) const {
    LoadFields fields;
    fields.wait = RunandWait;
    fields.path = Edit1;
    fields.pathQuoted = originalQuoted_ && Edit1 == originalFile_;
    fields.arguments = Edit2;
    fields.windowWord = StateWord(WindowState);
    std::string days;
    if (Only)
        for (std::size_t i = 0; i < Days.size(); ++i)
            if (Days[i])
                days += static_cast<char>('1' + i);
    fields.conditions = LoadConditions(RunOnce, days);
    if (Between && !B1.empty() && !B2.empty())
        fields.timeWindow = B1 + B2;
    return BuildLoad(fields, use == DialogUse::Add ? LoadLayout::Add : LoadLayout::Edit);
}

void RunProgramModel::ApplyOk(ScriptDocument& doc, DialogUse use) const {
    const std::string line = BuildLine(use);
    if (use == DialogUse::Add) {
        doc.AddLine(line);
        return;
    }
    doc.RewriteFocusedRow(line, RowTitle(RowKind::Load, line));
    if (LowerCase(Edit1) != LowerCase(originalFile_))
        doc.SetFocusedRowIcon(doc.ProgramIcon(Edit1));
}

} // namespace qv::editor
