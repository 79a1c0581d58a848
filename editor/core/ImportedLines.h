#pragma once
// What an imported start-up entry becomes in the script: its LOAD line, and the Run data as
// imported.
#include "editor/core/ImportLog.h"

#include <string>
#include <string_view>

namespace qv::editor {

// The Run data as imported: ".exe" appended when the data holds no "." and a file named by the
// data and ".exe" exists (relative names are looked for in the working folder); otherwise the
// data unchanged.
std::string CompletedRunData(std::string_view data, DocumentFiles& files);

// The LOAD line that starts a command line from the Run key: the program in lower case, and
// the arguments, as written, in the parameter group. A program in double quotes is the text
// between them; an unquoted one ends at the first ".exe" that a blank follows.
// "C:\App\App.exe" /Tray gives LOAD c:\app\app.exe {/Tray}; notepad.exe gives LOAD notepad.exe.
std::string LoadLineFor(std::string_view commandLine);

// The script line of an entry: LOAD and the moved shortcut's path in lower case, or the LOAD
// line of a Run value's data (expanded first when the value is expandable).
std::string ImportedLine(const ImportEntry& entry, InstallSystem& system);

} // namespace qv::editor
