#pragma once
// Restore to Original Location (RestoretoStartupGroup1Click): puts the import behind one LOAD
// row back where Windows starts it, takes its entry out of the import log and the row out of
// the script. Also the one way an imported entry goes back, which the uninstaller uses too.
#include "editor/core/ImportLog.h"
#include "editor/core/ScriptDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

inline constexpr std::string_view RestoreMoveFailedText =
    "123 : Unable to Restore to Original Location";
inline constexpr std::string_view RestoreNotFoundText = "Unable to Restore to Original Location";

// Puts one entry back: a Run value into the key and view it came from; a shortcut moved into
// the user's Startup folder (`userStartup`, ending in "\") under its file name in proper case.
FileResult PutBack(const ImportEntry& entry, InstallPorts ports,
                   const std::optional<std::string>& userStartup);

struct RestoreOutcome {
    // The entry is back and the row removed, the row now in its place selected: the main window
    // runs its Save command.
    bool restored = false;
    // Error boxes in order, captioned "Quorvel Developer" with the error icon.
    std::vector<std::string> errors;
};

// Restores the import behind command row `row`. The log entry whose path or data equals the
// row's LOAD text is preferred; only when there is none, an entry that merely contains it is
// taken. Rows that are not LOAD lines were never imported.
RestoreOutcome RestoreRow(ScriptDocument& document, std::size_t row, InstallPorts ports);

} // namespace qv::editor
