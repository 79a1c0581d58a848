#pragma once
// The shutdown and log-off commands: the exit-Windows code each passes (second argument 0).
#include "language/Keywords.h"

#include <optional>

namespace qv::logic {

// The reason every exit call gives: a planned shutdown for maintenance by an application
// (SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_MAINTENANCE),
// where 0 would record an unplanned one in the system log.
inline constexpr unsigned PlannedShutdownReason = 0x80040001;

struct ExitWindowsRequest {
    unsigned flags = 0; // first argument of the exit-Windows call
    // Windows asks the running programs first, so the interpreter's own window refuses while
    // the Cancel lock is in force; the forced log-off does not ask.
    bool asksRunningPrograms = true;
    unsigned reason = PlannedShutdownReason; // second argument
};

inline constexpr unsigned EwxLogoff = 0;
inline constexpr unsigned EwxShutdown = 1;
inline constexpr unsigned EwxReboot = 2;
inline constexpr unsigned EwxForce = 4;

// The call a keyword makes; nothing for keywords outside the family. After the call the run
// stops (StopRequested) whatever its result.
std::optional<ExitWindowsRequest> ExitWindowsFor(Keyword keyword);

} // namespace qv::logic
