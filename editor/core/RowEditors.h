#pragma once
// The double-click dispatch: which editor opens for a row's command, and the four commands that
// a double-click toggles without a dialog.
#include <optional>
#include <string>
#include <string_view>

namespace qv::editor {

enum class RowEditor {
    None, // SHUTDOWN, LOGOFF, MENU lines, unrecognised lines: nothing happens
    MenuDialog,
    CloseProgram,
    MinimizeProgram,
    ConnectDrive,
    CapturePort,
    RunScript,
    ChangeDesktop,
    RunProgram,
    Wait,
    CopyFiles,
    RenameFile,
    DeleteFiles,
    Locate,
    Date,
    SendKeys,
    EnableDisable,
    Toggle, // PROMPT ON/OFF and ERROR ON/OFF: the document rewrites the row itself
};

// The editor for a row whose trimmed command is `command`: the first prefix (letter case as
// written) that starts it wins.
RowEditor EditorFor(std::string_view command);

struct ToggledRow {
    std::string command;
    std::string title;
};

// What a double-click makes of PROMPT ON, PROMPT OFF, ERROR ON and ERROR OFF rows.
std::optional<ToggledRow> ToggleRow(std::string_view command);

} // namespace qv::editor
