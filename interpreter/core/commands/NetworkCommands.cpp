#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/OpsNetwork.h"

namespace qv::interp {

namespace {

void RunNet(Session& session, logic::NetCommand command, const std::string& line) {
    session.host.view.ShowCommandIcon(
        {CommandIcon::Source::NetworkPicture, {}, logic::NetCommandImage(command)});
    const auto processMessages = [&session] {
        session.host.view.ProcessMessages();
        return !session.Ended();
    };
    const logic::NetCommandOutcome outcome = logic::RunNetCommand(
        command, line, session.services.network,
        [&session](const std::string& text) { session.SetStatus(text); },
        {session.state.CurrentScript, session.state.NextLine, line}, processMessages);
    if (session.Ended())
        return;
    if (!outcome.connected)
        session.Note(NoteKind::Failed, outcome.failure);
    if (session.state.ErrorsOn)
        session.AppendReport(outcome.report);
    if (!processMessages())
        return;
    // The printer dialogs of a capture may have taken the focus.
    if (command == logic::NetCommand::Capture)
        session.host.view.BringToFront();
}

} // namespace

Dispatched ConnectCommand(Session& session, const std::string& line, const std::string&) {
    RunNet(session, logic::NetCommand::Connect, line);
    return Dispatched::Done;
}

Dispatched CaptureCommand(Session& session, const std::string& line, const std::string&) {
    RunNet(session, logic::NetCommand::Capture, line);
    return Dispatched::Done;
}

} // namespace qv::interp
