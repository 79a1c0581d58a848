#pragma once
// SelectPendingCommands (PROMPT MENU and F8): the check list over the lines not yet taken, and
// the lines that the user's answer removes.
#include <optional>
#include <string>
#include <vector>

namespace qv::logic {

// The check-list entries: ScriptLines without the header (element 0), without the lines
// before `nextLine` (those taken, the running line included) and without the empty end
// element; in order. Empty for PROMPT MENU as the last command line.
std::vector<std::string> PendingEntries(const std::vector<std::string>& scriptLines, int nextLine);

// Applies the dialog's answer to ScriptLines: nothing (Cancel) changes nothing; with Run,
// every line still to run whose text equals an unchecked entry exactly (case-sensitive) is
// removed, so unchecking one of two identical lines removes both and nothing checked removes
// every remaining line. Lines already run are never removed: removing one would move the
// pending lines toward NextLine and skip one. An entry without an answer counts as checked.
// Returns the number of lines removed.
int RemoveUncheckedLines(std::vector<std::string>& scriptLines, int nextLine,
                         const std::vector<std::string>& entries,
                         const std::optional<std::vector<bool>>& checked);

} // namespace qv::logic
