#pragma once
// The program or document path of a LOAD line, as the row's title and icon need it. This is the
// one place that cuts a LOAD line in the editor's model.
#include <string>
#include <string_view>

namespace qv::editor {

// The path of a trimmed LOAD or LOAD AND WAIT line as the interpreter reads it (the script
// grammar: a mark group counts only where it is well formed, so C:\Program Files (x86)\App\App.exe
// keeps its whole path; a path in double quotes is the text between them).
std::string LoadProgramPath(std::string_view command);

} // namespace qv::editor
