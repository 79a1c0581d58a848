#include "interpreter/core/Session.h"
#include "interpreter/core/commands/Commands.h"

namespace qv::interp {

// After the selection the line also acts as "PROMPT MENU", switching prompt mode off.
Dispatched PromptMenuCommand(Session& session, const std::string&, const std::string&) {
    session.SelectPendingCommands();
    return Dispatched::ContinueTests;
}

// The start-up menu needs the menu dialog port, which is not there yet.
Dispatched MenuStartCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched MenuShowCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched MenuDefaultCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched MenuItemCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

} // namespace qv::interp
