#pragma once
// The machine's Run values that start the interpreter and the internet add-in at logon.
#include "editor/core/InstallPorts.h"

#include <string>
#include <string_view>

namespace qv::editor {

inline constexpr std::string_view InterpreterRunValue = "qvrun";
inline constexpr std::string_view AddInRunValue = "NetlyreRun";
inline constexpr std::string_view InterpreterFileName = "qvrun.exe";
inline constexpr std::string_view AddInFileName = "Netlyre.exe";

// The data of a Run value that starts `fileName` from the program folder: the folder's short
// form followed by the file name. Where the short form cannot be had the long folder is used,
// and a path that holds a blank is put in double quotes, so that Windows never starts a
// program named after the path's first word.
std::string RunValueData(InstallSystem& system, std::string_view fileName);

} // namespace qv::editor
