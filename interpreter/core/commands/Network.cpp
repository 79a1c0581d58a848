#include "interpreter/core/commands/Commands.h"

namespace qv::interp {

// Drive and printer connections need the network port, which is not there yet.
Dispatched ConnectCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched CaptureCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

} // namespace qv::interp
