#pragma once
// The program or document path of a LOAD line, as the row's title and icon need it. This is the
// one place that cuts a LOAD line in the editor's model.
#include <string>
#include <string_view>

namespace qv::editor {

// The path of a trimmed LOAD or LOAD AND WAIT line: the text after "LOAD " (and after "AND WAIT"
// when the line starts with it), up to the first switch group. A group ("(", "<", "[" or "{")
// counts only where well formed: its opening mark follows a blank or another group, its closing
// mark comes later and is followed by the line's end, a blank or another group. So
// C:\Program Files (x86)\App\App.exe keeps its whole path. A path in double quotes is the text
// between them.
std::string LoadProgramPath(std::string_view command);

} // namespace qv::editor
