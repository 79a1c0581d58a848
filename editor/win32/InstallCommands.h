#pragma once
// The main window's installation commands, as its seams take them: the import wizard, Restore
// to Original Location on the focused row, the options dialog and the "/install" start.
#include "editor/win32/CommandSeams.h"

namespace qv::win32 {

// File menu "&Import Wizard...": true when the wizard ended with Finish (the window then saves).
bool ImportWizard1Click(CommandContext& context);

// The list's pop-up menu "&Restore to Original Location": puts the focused row's import back;
// saves the script when it did.
void RestoretoStartupGroup1Click(CommandContext& context);

// View menu "&Options...": the options dialog.
void Options1Click(CommandContext& context);

// The "/install" start, before the window opens its script: file types, the Run value, the
// program group and the uninstaller. Failures report nothing; the rest goes on.
void InstallStart(CommandContext& context);

} // namespace qv::win32
