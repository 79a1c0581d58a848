#pragma once
// The OK of a dialog whose edit path keeps the row's title.
#include "editor/core/DialogPorts.h"

#include <string_view>

namespace qv::editor {

class ScriptDocument;

// Add: ProcessLine at InsertOrder, then RefreshLines. Edit: the focused row's command becomes
// the line and Modified is set; its title stays.
void ApplyLineKeepingTitle(ScriptDocument& doc, DialogUse use, std::string_view line);

} // namespace qv::editor
