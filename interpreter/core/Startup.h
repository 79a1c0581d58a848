#pragma once
// Start-up and the choice of scripts: the first script, and the computer and user scripts that
// follow a top-level script.
#include <optional>
#include <string>

namespace qv::interp {

class Session;

// Chooses and loads the first script, runs its leading configuration lines, shows the window
// unless they hide it, and starts the runner. May end the application.
void FormCreate(Session& session, const std::optional<std::string>& commandLinePath);

// Looks for the computer's, then the user's script. Returns true when one has been loaded and
// the runner restarted (or the application ended while loading it), false when nothing is left.
bool NextScriptStep(Session& session);

} // namespace qv::interp
