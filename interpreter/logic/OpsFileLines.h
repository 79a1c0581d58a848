#pragma once
// RENAME and DEL: their argument texts, the rename failure entry and the shell's path list.
#include "interpreter/logic/OpsEntry.h"
#include "language/Grammar.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::logic {

using RenameLine = RenameFields;

// Cuts a trimmed RENAME line at its first ">".
RenameLine ParseRenameLine(std::string_view line);

// Entry 203 in the report's layout.
std::string RenameFailedEntry(const EntrySource& source);

// The paths of a trimmed DEL line: the text after "DEL ", trimmed.
std::string ParseDelLine(std::string_view line);

// "Deleting : " CR LF + the paths.
std::string DeletingStatusText(std::string_view paths);

// The ";"-separated paths, each trimmed; empty items are dropped because an empty name would
// end the shell's list early.
std::vector<std::string> SplitPathList(std::string_view paths);

// The shell's list form of SplitPathList: each path followed by a NUL, then one more NUL.
std::string ShellPathList(std::string_view paths);

} // namespace qv::logic
