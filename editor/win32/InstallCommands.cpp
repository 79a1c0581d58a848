#include "editor/win32/InstallServices.h"

#include "editor/win32/InstallCommands.h"

#include "editor/core/Installation.h"
#include "editor/core/Restore.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/ImportWizardFrm.h"
#include "editor/win32/OptionsFrm.h"

namespace qv::win32 {

namespace {

// A command of the main window, run now as its menu would run it.
void RunMainCommand(HWND owner, int id) {
    ::SendMessageA(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

} // namespace

bool ImportWizard1Click(CommandContext& context) {
    // Finish adds rows, so the script must exist as rows rather than as the text view's text.
    if (::IsWindowVisible(::GetDlgItem(context.owner, ids::Memo1)) != FALSE) {
        RunMainCommand(context.owner, ids::IconView1);
    }
    InstallServices services;
    TfrmMain wizard(context.loop, context.owner, services.Ports(), context.document);
    return wizard.ShowModal(context.owner);
}

void RestoretoStartupGroup1Click(CommandContext& context) {
    const int row = context.document.FocusedRow();
    if (row < 0) {
        return;
    }
    InstallServices services;
    const editor::RestoreOutcome outcome =
        editor::RestoreRow(context.document, static_cast<std::size_t>(row), services.Ports());
    const std::string caption(editor::DeveloperCaption);
    for (const std::string& error : outcome.errors) {
        ::MessageBoxA(context.owner, error.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    }
    if (outcome.restored) {
        RunMainCommand(context.owner, ids::Save1);
    }
}

void Options1Click(CommandContext& context) {
    InstallServices services;
    TfrmOptions options(context.loop, context.owner, services.Ports(), context.document);
    options.ShowModal(context.owner);
}

void InstallStart(CommandContext&) {
    InstallServices services;
    editor::RunInstallStart(services.Ports());
}

} // namespace qv::win32
