#pragma once
// The interpreter's command line: one optional argument, the path of a compiled script.
#include <optional>
#include <string>
#include <string_view>

namespace qv::win32 {

// The first argument after the program's name, read as the system's usual argument rules do
// for a path: blanks separate arguments, double quotes group blanks into one and are removed.
// Nothing when there is no argument; further arguments are ignored.
std::optional<std::string> ScriptPathArgument(std::string_view commandLine);

} // namespace qv::win32
