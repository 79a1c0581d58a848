#include "interpreter/core/Session.h"
#include "interpreter/core/WindowsList.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/CtlWait.h"
#include "interpreter/logic/CtlWindows.h"

namespace qv::interp {

namespace {

void StartCountdown(Session& session, const std::string& line, const logic::WaitPlan& plan) {
    session.SetTimerEnabled(TimerId::WaitTimer, false);
    if (!plan.count) {
        // No countdown can start; the run must not be left suspended.
        session.AddReportedError(InvalidCommandMessage, line);
        ResumeRunnerAtOnce(session);
        return;
    }
    session.Timer(TimerId::CountDownTimer).Counter = *plan.count;
    session.host.view.SetCountText(std::to_string(*plan.count));
    session.host.view.SetCountVisible(true);
    session.host.view.SetClockVisible(true);
    session.SetTimerEnabled(TimerId::Digits, true);
    if (plan.replacesStatus)
        session.SetStatus(plan.statusReplacement);
    session.AppendStatus(plan.statusAppend);
}

void EndWindowWait(Session& session) {
    session.SetTimerEnabled(TimerId::WaitTimer, true);
    session.SetTimerEnabled(TimerId::WaitForWindow, false);
}

} // namespace

Dispatched WaitCommand(Session& session, const std::string& line, const std::string&) {
    StartCountdown(session, line, logic::PlanWait(line));
    return Dispatched::Done;
}

Dispatched WaitForLoadCommand(Session& session, const std::string& line, const std::string&) {
    StartCountdown(session, line, logic::PlanWaitForLoad(line));
    return Dispatched::Done;
}

Dispatched WaitForWindowCommand(Session& session, const std::string& line, const std::string&) {
    session.Timer(TimerId::WaitForWindow).Counter = 0;
    session.SetTimerEnabled(TimerId::WaitTimer, false);
    const std::string title = logic::WaitForWindowTitle(line);
    session.SetStatus(logic::WaitForWindowStatusText(title));
    session.SetTimerEnabled(TimerId::Digits, false);
    session.SetTimerEnabled(TimerId::CountDownTimer, false);
    session.controls.CheckWind = title;
    session.Note(NoteKind::Intent, "wait up to 12 seconds for a window titled like " + title);
    session.windowPoll.emplace(title);
    session.SetTimerEnabled(TimerId::WaitForWindow, true);
    return Dispatched::Done;
}

void WaitForWindowTimer(Session& session) {
    if (!session.windowPoll) {
        EndWindowWait(session);
        return;
    }
    logic::WaitForWindowPoll& poll = *session.windowPoll;
    const logic::WaitForWindowPoll::Step step = poll.Tick([&session] {
        TWindowsList list(session.services.windows);
        list.RefreshVisible();
        return list.WindowList;
    });
    session.Timer(TimerId::WaitForWindow).Counter = poll.Counter();
    if (step == logic::WaitForWindowPoll::Step::KeepWaiting)
        return;
    EndWindowWait(session);
    // Recorded whatever ErrorsOn says.
    if (step == logic::WaitForWindowPoll::Step::TimedOut)
        session.AddErrorEntry(WaitWindowMissingMessage, poll.EntryLineText());
    session.windowPoll.reset();
}

void ResumeRunnerAtOnce(Session& session) {
    session.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
    session.SetTimerEnabled(TimerId::WaitTimer, true);
}

} // namespace qv::interp
