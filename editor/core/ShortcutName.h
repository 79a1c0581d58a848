#pragma once
// The file name a new shell shortcut gets from its description.
#include <string>
#include <string_view>

namespace qv::editor {

// The description's last path component with its extension (from its last ".") replaced by
// ".lnk", or ".lnk" appended when it has none: "report.final.qvc" gives "report.final.lnk",
// "Read Me" gives "Read Me.lnk".
std::string ShortcutFileName(std::string_view description);

} // namespace qv::editor
