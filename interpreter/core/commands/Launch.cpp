#include "interpreter/core/Session.h"
#include "interpreter/core/commands/Commands.h"
#include "language/Text.h"

namespace qv::interp {

namespace {

// A script that calls itself would otherwise nest for ever inside one tick.
constexpr std::size_t MaxRunDepth = 100;

} // namespace

Dispatched RunCommand(Session& session, const std::string& line, const std::string&) {
    const std::string path = line.substr(std::string_view("RUN ").size());
    session.SetStatus("Running A New script\r" + path);
    RunState& state = session.state;
    if (!session.host.system.FileExists(path) || state.ScriptStack.size() >= MaxRunDepth) {
        session.AddReportedError(RunFailedMessage, line);
        return Dispatched::Done;
    }
    state.ScriptStack.push_back(state.CurrentScript);
    state.LineStack.push_back(std::to_string(state.NextLine));
    state.CurrentScript = path;
    session.LoadCompiledScript(path);
    return Dispatched::Done;
}

// Program starts need the launch port, which is not there yet; a waiting form must not leave
// the runner suspended.
Dispatched LoadCommand(Session& session, const std::string&, const std::string& upper) {
    if (StartsWith(upper, "LOAD AND WAIT"))
        ResumeRunnerAtOnce(session);
    return Dispatched::Done;
}

void WaitforCloseTimer(Session& session) {
    session.SetTimerEnabled(TimerId::WaitforClose, false);
    ResumeRunnerAtOnce(session);
}

} // namespace qv::interp
