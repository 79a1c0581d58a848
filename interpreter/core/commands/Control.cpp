#include "interpreter/core/Session.h"
#include "interpreter/core/commands/Commands.h"
#include "language/Text.h"

namespace qv::interp {

namespace {

enum class LockAction { Off, On, DisableAll };

// The words may stand anywhere in the line, several in one line, and each acts.
void ApplyLocks(Session& session, const std::string& upper, LockAction action) {
    const bool on = action == LockAction::On;
    const bool quit = Contains(upper, "QUIT");
    if (quit || Contains(upper, "F8"))
        session.controls.CancelTag = on ? 0 : 1;
    if (quit || Contains(upper, "F5"))
        session.SetButtonEnabled(Button::CancelBut, on);
    if (quit && action == LockAction::DisableAll)
        session.SetButtonEnabled(Button::Button1, false);
}

} // namespace

Dispatched NoCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, upper, LockAction::Off);
    return Dispatched::Done;
}

Dispatched EnableCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, upper, LockAction::On);
    return Dispatched::Done;
}

Dispatched DisableCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, upper, LockAction::DisableAll);
    return Dispatched::Done;
}

Dispatched PromptCommand(Session& session, const std::string&, const std::string& upper) {
    session.state.PromptMode = upper.substr(std::string_view("PROMPT ").size()) == "ON";
    session.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
    session.SetTimerEnabled(TimerId::WaitTimer, true);
    return Dispatched::Done;
}

Dispatched ErrorCommand(Session& session, const std::string&, const std::string& upper) {
    session.state.ErrorsOn = upper.substr(std::string_view("ERROR ").size()) == "ON";
    return Dispatched::Done;
}

// The system-changing commands below need host ports that are not there yet.
Dispatched DesktopCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched ShutdownRestartCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched LogoutCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched ShutdownForceCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched ShutdownCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched DateCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

Dispatched SetCommand(Session&, const std::string&, const std::string&) {
    return Dispatched::Done;
}

} // namespace qv::interp
