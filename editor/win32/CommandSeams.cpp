#include "editor/win32/CommandSeams.h"

#include "editor/core/RunScriptModel.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/DialogSupport.h"
#include "editor/win32/InstallCommands.h"
#include "editor/win32/TCanorCantDo.h"
#include "editor/win32/TMapDrv.h"
#include "editor/win32/TSelWindow.h"
#include "editor/win32/TfrmChangeDesktop.h"
#include "editor/win32/TfrmConfigRun.h"
#include "editor/win32/TfrmDate.h"
#include "editor/win32/TfrmFileCommands.h"
#include "editor/win32/TfrmMenuDev.h"
#include "editor/win32/TfrmSendkeys.h"
#include "editor/win32/TfrmTimer.h"
#include "editor/win32/TwinAPI.h"

#include <commdlg.h>

#include <array>

namespace qv::win32 {
namespace {

std::optional<std::string> PromptMenu(CommandContext&) {
    return "PROMPT MENU";
}
std::optional<std::string> PromptOn(CommandContext&) {
    return "PROMPT ON";
}
std::optional<std::string> PromptOff(CommandContext&) {
    return "PROMPT OFF";
}
std::optional<std::string> ShutDown(CommandContext&) {
    return "SHUTDOWN";
}
std::optional<std::string> LogOff(CommandContext&) {
    return "LOGOFF";
}
std::optional<std::string> RestartComputer(CommandContext&) {
    return "SHUTDOWNRESTART";
}

std::optional<std::string> ShowErrors(CommandContext& context) {
    switch (::MessageBoxA(context.owner, "Would you like to Show Errors?",
                          std::string(editor::DeveloperCaption).c_str(),
                          MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return "ERROR ON";
    case IDNO:
        return "ERROR OFF";
    default:
        return std::nullopt;
    }
}

// The compiled-script open dialog, its file name cleared first.
std::optional<std::string> RunScript1Click(CommandContext& context) {
    editor::RunScriptModel model;
    model.FileName = BrowseForFile(context.owner, editor::RunScriptFilter, "", OFN_PATHMUSTEXIST)
                         .value_or(std::string());
    if (model.FileName.empty()) {
        return std::nullopt;
    }
    return model.BuildLine();
}

// The dialog preset with the row's file; Cancel leaves that file, which the row is rewritten
// with all the same.
void EditRunScript(CommandContext& context) {
    const int focused = context.document.FocusedRow();
    if (focused < 0 || focused >= static_cast<int>(context.document.CommandCount())) {
        return;
    }
    editor::RunScriptModel model;
    model.FromLine(context.document.Rows()[static_cast<std::size_t>(focused)].Command);
    if (const std::optional<std::string> chosen = BrowseForFile(
            context.owner, editor::RunScriptFilter, model.FileName, OFN_PATHMUSTEXIST)) {
        model.FileName = *chosen;
    }
    model.ApplyOk(context.document, editor::DialogUse::Edit);
}

// Captions: Edit menu, context menu, command box. Handlers of the dialogs still to come: null.
constexpr AddCommand Commands[] = {
    {ids::Launch1, "&Run Program...", "&Run Program", "&Run Program", true, false, false,
     Launch1Click},
    {ids::RunScript1, "Run &Script...", "Run &Script", "Run &Script", true, false, false,
     RunScript1Click},
    {ids::ChangeDesktop1, "Change Desktop...", "Change Desktop", "Change Desktop", true, false,
     false, ChangeDesktop1Click},
    {ids::Wait1, "Wait...", "Wait", "Wait", true, false, false, Wait1Click},
    {ids::WaitforWindow1, "Wait for Window...", "Wait for Window...", "Wait for Window", false,
     false, false, WaitforWindow1Click},
    {ids::Copy2, "Copy File(s)...", "Copy File(s)", "Copy File(s)", true, false, false, Copy2Click},
    {ids::Rename1, "Rename File(s)...", "Rename File(s)", "Rename File(s)", true, false, false,
     Rename1Click},
    {ids::DeleteFile1, "Delete File(s)...", "Delete File(s)", "Delete File(s)", true, false, false,
     DeleteFile1Click},
    {ids::MoveFiles1, "Move File(s)...", "Move File(s)", "Move File(s)", false, false, true,
     nullptr},
    {ids::ScriptWindowPosition1, "Script Window Position...", "Script Window Position",
     "Script Window Position", true, false, false, ScriptWindowPosition1Click},
    {ids::Menu1, "Menu", "Menu", "Menu", false, true, false, PromptMenu},
    {ids::On1, "On", "On", "On", false, true, false, PromptOn},
    {ids::Off1, "Off", "Off", "Off", false, true, false, PromptOff},
    {ids::ShowErrorsOnOff1, "Show Errors On/Off", "Show Errors On/Off", "Show Errors On/Off", true,
     false, false, ShowErrors},
    {ids::NetworkConnect2, "Network Connect...", "Network Connect", "Network Connect", true, false,
     false, NetworkConnect2Click},
    {ids::NetworkCapture2, "Network Capture...", "Network Capture", "Network Capture", true, false,
     false, NetworkCapture2Click},
    {ids::ShutDown2, "Shut Down", "Shut Down", "Shut Down", true, false, false, ShutDown},
    {ids::LogOff1, "Log Off", "Log Off", "Log Off", true, false, false, LogOff},
    {ids::RestartComputer1, "Restart Computer", "Restart Computer", "Restart Computer", true, false,
     false, RestartComputer},
    {ids::ChangeSystemDate2, "Change System &Date...", "Change System &Date...",
     "Change System Date", true, false, false, ChangeSystemDate2Click},
    {ids::CloseProgram1, "Close Program...", "Close Program", "Close Program", true, false, false,
     CloseProgram1Click},
    {ids::MinimizeProgram1, "Minimize Program...", "Minimize Program", "Minimize Program", true,
     false, false, MinimizeProgram1Click},
    {ids::SendkeystoProgram1, "&Sendkeys to Program...", "&Sendkeys to Program...",
     "Sendkeys to Program", false, false, false, SendkeystoProgram1Click},
    {ids::EnableDisable1, "Enable && Disable", "Enable && Disable", "Enable && Disable", false,
     false, false, EnableDisable1Click},
};

// Indexed by RowEditor; an editor whose dialog is not built yet stays null.
constexpr auto RowEditHandlers = [] {
    std::array<RowEditHandler, static_cast<std::size_t>(editor::RowEditor::Toggle) + 1> table{};
    const auto set = [&table](editor::RowEditor editor, RowEditHandler handler) {
        table[static_cast<std::size_t>(editor)] = handler;
    };
    set(editor::RowEditor::RunProgram, EditRunProgram);
    set(editor::RowEditor::CopyFiles, EditCopy);
    set(editor::RowEditor::RenameFile, EditRename);
    set(editor::RowEditor::DeleteFiles, EditDelete);
    set(editor::RowEditor::CloseProgram, EditCloseScript);
    set(editor::RowEditor::MinimizeProgram, EditMinimizeScript);
    set(editor::RowEditor::RunScript, EditRunScript);
    set(editor::RowEditor::Wait, EditWait);
    set(editor::RowEditor::Locate, EditLocate);
    set(editor::RowEditor::SendKeys, EditSendkeys);
    set(editor::RowEditor::EnableDisable, EditEnableDisable);
    set(editor::RowEditor::ConnectDrive, EditConnectScript);
    set(editor::RowEditor::CapturePort, EditCaptureScript);
    set(editor::RowEditor::Date, EditDate);
    set(editor::RowEditor::MenuDialog, MenuButtonClick);
    set(editor::RowEditor::ChangeDesktop, EditChangeDesktop);
    return table;
}();

constexpr WindowSeams Seams{
    .importWizard = ImportWizard1Click,
    .restoreToOriginalLocation = RestoretoStartupGroup1Click,
    .options = Options1Click,
    .install = InstallStart,
};

} // namespace

std::span<const AddCommand> AddCommands() {
    return Commands;
}

const AddCommand* FindAddCommand(int id) {
    for (const AddCommand& command : Commands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

RowEditHandler RowEditHandlerFor(editor::RowEditor editor) {
    const auto index = static_cast<std::size_t>(editor);
    return index < RowEditHandlers.size() ? RowEditHandlers[index] : nullptr;
}

const WindowSeams& MainWindowSeams() {
    return Seams;
}

} // namespace qv::win32
