#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/CtlLocks.h"
#include "interpreter/logic/CtlMenu.h"

namespace qv::interp {

namespace {

// The progress window is moved this far to the left, out of sight, while the menu shows.
constexpr int MenuAsideOffset = 5000;

bool QuitHidden(const Session& session) {
    const ControlState& c = session.controls;
    return logic::MenuQuitHidden({c.CancelEnabled, c.CancelTag, c.NextEnabled});
}

void Act(Session& session, const logic::MenuShowOutcome& outcome) {
    switch (outcome.action) {
    case logic::MenuShowOutcome::Action::RunScript:
        session.SetStatus(outcome.statusText);
        session.ProcessLine(outcome.runLine);
        break;
    case logic::MenuShowOutcome::Action::QuitRun:
        session.Cancel();
        break;
    case logic::MenuShowOutcome::Action::Nothing:
        break;
    }
}

} // namespace

// After the selection the line also acts as "PROMPT MENU", switching prompt mode off.
Dispatched PromptMenuCommand(Session& session, const std::string&, const std::string&) {
    session.SelectPendingCommands();
    return Dispatched::ContinueTests;
}

Dispatched MenuStartCommand(Session& session, const std::string&, const std::string&) {
    // The abandoned menu's count-down goes with it.
    session.SetMenuTimerEnabled(false);
    session.menus.Start();
    return Dispatched::Done;
}

Dispatched MenuItemCommand(Session& session, const std::string& line, const std::string&) {
    logic::MenuModel& menu = session.menus.Current();
    // Any number outside 1 to 9 defines nothing and records nothing: menu lines run before the
    // window shows, where an entry would only say "Line : 1" (qvtool check reports them).
    if (const std::optional<logic::MenuItemLine> item = logic::ReadMenuItemLine(line))
        menu.DefineItem(*item);
    else
        session.Note(NoteKind::Skipped, "a menu item numbered outside 1 to 9 defines nothing");
    return Dispatched::Done;
}

Dispatched MenuDefaultCommand(Session& session, const std::string& line, const std::string&) {
    logic::MenuModel& menu = session.menus.Current();
    if (!menu.StartTimeOut(logic::ReadMenuDefaultLine(line))) {
        session.AddReportedError(InvalidCommandMessage, line);
        return Dispatched::Done;
    }
    // A new count-down restarts the timer's period.
    session.SetMenuTimerEnabled(false);
    session.SetMenuTimerEnabled(true);
    return Dispatched::Done;
}

Dispatched MenuShowCommand(Session& session, const std::string&, const std::string&) {
    logic::MenuModel& menu = session.menus.Current();
    // A count-down that ran out before this line has already chosen: the default runs at once.
    if (std::optional<logic::MenuShowOutcome> early = menu.BeginShow()) {
        Act(session, *early);
        return Dispatched::Done;
    }
    ProgressView& view = session.host.view;
    const WindowPoint place = session.services.menus.ProgressWindowPosition();
    view.MoveTo(place.left - MenuAsideOffset, place.top);
    const bool quitHidden = QuitHidden(session);
    // Without "&Quit Script" and with the close box refused, the menu can only end with OK.
    const bool ok =
        session.services.menus.ShowMenu(menu, quitHidden, session.state.PromptMode) || quitHidden;
    if (session.Ended())
        return Dispatched::Done;
    session.SetMenuTimerEnabled(false);
    const logic::MenuShowOutcome outcome = session.menus.Current().Close(ok);
    view.MoveTo(place.left, place.top);
    Act(session, outcome);
    return Dispatched::Done;
}

void MenuTimeOutTimer(Session& session) {
    if (session.Ended() || !session.MenuTimerOn())
        return;
    if (!session.menus.MenuCreated() || !session.menus.Current().TimerRunning()) {
        // Choosing an entry, a key or minimising has stopped the count-down in the model.
        session.SetMenuTimerEnabled(false);
        return;
    }
    logic::MenuModel& menu = session.menus.Current();
    const bool closeShownMenu = menu.Tick();
    session.services.menus.RefreshMenu(menu);
    if (!menu.TimerRunning())
        session.SetMenuTimerEnabled(false);
    if (closeShownMenu)
        session.services.menus.CloseMenu();
}

} // namespace qv::interp
