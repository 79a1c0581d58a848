#include "interpreter/core/commands/Commands.h"

namespace qv::interp {

// File operations need the file-operation port, which is not there yet.
Dispatched DelCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched CopyCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched RenameCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

} // namespace qv::interp
