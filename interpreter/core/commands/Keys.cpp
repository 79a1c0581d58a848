#include "interpreter/core/commands/Commands.h"

namespace qv::interp {

// Keystroke sending needs the keyboard and window-list ports, which are not there yet.
Dispatched SendKeysCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

} // namespace qv::interp
