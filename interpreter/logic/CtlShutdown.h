#pragma once
// The shutdown and log-off commands: the exit-Windows code each passes (second argument 0).
#include "language/Keywords.h"

#include <optional>

namespace qv::logic {

struct ExitWindowsRequest {
    unsigned flags = 0; // first argument of the exit-Windows call
    // Windows asks the running programs first, so the interpreter's own window refuses while
    // the Cancel lock is in force; the forced log-off does not ask.
    bool asksRunningPrograms = true;
};

inline constexpr unsigned EwxLogoff = 0;
inline constexpr unsigned EwxShutdown = 1;
inline constexpr unsigned EwxReboot = 2;
inline constexpr unsigned EwxForce = 4;

// The call a keyword makes; nothing for keywords outside the family. After the call the run
// stops (StopRequested); its result is not examined and no privilege is asked for.
std::optional<ExitWindowsRequest> ExitWindowsFor(Keyword keyword);

} // namespace qv::logic
