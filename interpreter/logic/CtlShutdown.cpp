#include "interpreter/logic/CtlShutdown.h"

namespace qv::logic {

std::optional<ExitWindowsRequest> ExitWindowsFor(Keyword keyword) {
    switch (keyword) {
    case Keyword::ShutdownRestart:
        return ExitWindowsRequest{EwxReboot, true};
    case Keyword::Logout:
    case Keyword::Logoff:
        return ExitWindowsRequest{EwxLogoff, true};
    case Keyword::ShutdownForce:
        return ExitWindowsRequest{EwxForce, false};
    case Keyword::Shutdown:
        return ExitWindowsRequest{EwxShutdown, true};
    default:
        return std::nullopt;
    }
}

} // namespace qv::logic
