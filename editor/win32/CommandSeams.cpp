#include "editor/win32/CommandSeams.h"

#include "editor/win32/ControlIds.h"
#include "editor/win32/InstallCommands.h"

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
std::optional<std::string> RunScript(CommandContext& context) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = context.owner;
    dialog.lpstrFilter = "Quorvel Compiled Script\0*.qvc\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = "Open";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (::GetOpenFileNameA(&dialog) == FALSE) {
        return std::nullopt;
    }
    return "RUN " + std::string(file);
}

// Captions: Edit menu, context menu, command box. Handlers of the dialogs still to come: null.
constexpr AddCommand Commands[] = {
    {ids::Launch1, "&Run Program...", "&Run Program", "&Run Program", true, false, false, nullptr},
    {ids::RunScript1, "Run &Script...", "Run &Script", "Run &Script", true, false, false,
     RunScript},
    {ids::ChangeDesktop1, "Change Desktop...", "Change Desktop", "Change Desktop", true, false,
     false, nullptr},
    {ids::Wait1, "Wait...", "Wait", "Wait", true, false, false, nullptr},
    {ids::WaitforWindow1, "Wait for Window...", "Wait for Window...", "Wait for Window", false,
     false, false, nullptr},
    {ids::Copy2, "Copy File(s)...", "Copy File(s)", "Copy File(s)", true, false, false, nullptr},
    {ids::Rename1, "Rename File(s)...", "Rename File(s)", "Rename File(s)", true, false, false,
     nullptr},
    {ids::DeleteFile1, "Delete File(s)...", "Delete File(s)", "Delete File(s)", true, false, false,
     nullptr},
    {ids::MoveFiles1, "Move File(s)...", "Move File(s)", "Move File(s)", false, false, true,
     nullptr},
    {ids::ScriptWindowPosition1, "Script Window Position...", "Script Window Position",
     "Script Window Position", true, false, false, nullptr},
    {ids::Menu1, "Menu", "Menu", "Menu", false, true, false, PromptMenu},
    {ids::On1, "On", "On", "On", false, true, false, PromptOn},
    {ids::Off1, "Off", "Off", "Off", false, true, false, PromptOff},
    {ids::ShowErrorsOnOff1, "Show Errors On/Off", "Show Errors On/Off", "Show Errors On/Off", true,
     false, false, ShowErrors},
    {ids::NetworkConnect2, "Network Connect...", "Network Connect", "Network Connect", true, false,
     false, nullptr},
    {ids::NetworkCapture2, "Network Capture...", "Network Capture", "Network Capture", true, false,
     false, nullptr},
    {ids::ShutDown2, "Shut Down", "Shut Down", "Shut Down", true, false, false, ShutDown},
    {ids::LogOff1, "Log Off", "Log Off", "Log Off", true, false, false, LogOff},
    {ids::RestartComputer1, "Restart Computer", "Restart Computer", "Restart Computer", true, false,
     false, RestartComputer},
    {ids::ChangeSystemDate2, "Change System &Date...", "Change System &Date...",
     "Change System Date", true, false, false, nullptr},
    {ids::CloseProgram1, "Close Program...", "Close Program", "Close Program", true, false, false,
     nullptr},
    {ids::MinimizeProgram1, "Minimize Program...", "Minimize Program", "Minimize Program", true,
     false, false, nullptr},
    {ids::SendkeystoProgram1, "&Sendkeys to Program...", "&Sendkeys to Program...",
     "Sendkeys to Program", false, false, false, nullptr},
    {ids::EnableDisable1, "Enable && Disable", "Enable && Disable", "Enable && Disable", false,
     false, false, nullptr},
};

// Indexed by RowEditor; the dialogs fill their entries.
constexpr std::array<RowEditHandler, static_cast<std::size_t>(editor::RowEditor::Toggle) + 1>
    RowEditHandlers{};

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
