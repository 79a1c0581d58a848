#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/CtlDate.h"
#include "interpreter/logic/CtlDesktop.h"
#include "interpreter/logic/CtlLocks.h"
#include "interpreter/logic/CtlSet.h"
#include "interpreter/logic/CtlShutdown.h"
#include "interpreter/logic/CtlSwitches.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Keywords.h"
#include "language/Text.h"

namespace qv::interp {

namespace {

constexpr const char* ShutdownPrivilege = "SeShutdownPrivilege";
constexpr const char* SystemTimePrivilege = "SeSystemtimePrivilege";

void ApplyLocks(Session& session, logic::LockLine kind, const std::string& upper) {
    ControlState& controls = session.controls;
    const logic::LockState before{controls.CancelEnabled, controls.CancelTag, controls.NextEnabled};
    const logic::LockState after = logic::ApplyLockLine(before, kind, upper);
    controls.CancelTag = after.CancelTag;
    if (after.CancelEnabled != before.CancelEnabled)
        session.SetButtonEnabled(Button::CancelBut, after.CancelEnabled);
    if (after.NextEnabled != before.NextEnabled)
        session.SetButtonEnabled(Button::Button1, after.NextEnabled);
}

logic::DateAndTime ToLogic(const DateTime& moment) {
    // DateTime counts 1 Monday to 7 Sunday, the system clock 0 Sunday to 6 Saturday.
    return {moment.year,   moment.month,  moment.day,         moment.hour,
            moment.minute, moment.second, moment.millisecond, moment.dayOfWeek % 7};
}

void ShowDesktopIcon(Session& session) {
    session.host.view.ShowCommandIcon({CommandIcon::Source::FileIndex,
                                       std::string(logic::DesktopIconFile),
                                       logic::DesktopIconIndex});
}

// The exit call's result is not examined: a refused call leaves nothing to report, and the run
// stops either way.
void ExitWindows(Session& session, Keyword keyword) {
    const std::optional<logic::ExitWindowsRequest> request = logic::ExitWindowsFor(keyword);
    if (!request)
        return;
    // Shutting down and restarting fail on every current Windows unless the caller has enabled
    // the privilege it holds.
    if (request->flags == logic::EwxShutdown || request->flags == logic::EwxReboot)
        session.services.settings.EnablePrivilege(ShutdownPrivilege);
    session.services.settings.ExitWindowsWith(request->flags);
    session.state.StopRequested = true;
}

} // namespace

Dispatched NoCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, logic::LockLine::No, upper);
    return Dispatched::Done;
}

Dispatched EnableCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, logic::LockLine::Enable, upper);
    return Dispatched::Done;
}

Dispatched DisableCommand(Session& session, const std::string&, const std::string& upper) {
    ApplyLocks(session, logic::LockLine::Disable, upper);
    return Dispatched::Done;
}

Dispatched PromptCommand(Session& session, const std::string& line, const std::string&) {
    session.state.PromptMode = logic::PromptModeAfter(line);
    session.SetTimerInterval(TimerId::WaitTimer, logic::PromptWaitTimerInterval);
    session.SetTimerEnabled(TimerId::WaitTimer, true);
    return Dispatched::Done;
}

Dispatched ErrorCommand(Session& session, const std::string& line, const std::string&) {
    session.state.ErrorsOn = logic::ErrorsOnAfter(line);
    return Dispatched::Done;
}

Dispatched DesktopCommand(Session& session, const std::string& line, const std::string&) {
    const logic::DesktopRequest request =
        logic::ReadDesktopLine(line, session.startup.WindowsFolder);
    ShowDesktopIcon(session);
    session.SetStatus(request.statusText);
    if (!request.random) {
        session.services.settings.SetWallpaper(request.path);
        return Dispatched::Done;
    }
    std::vector<std::string> names;
    for (const logic::FolderEntry& entry :
         session.services.files.ListMatching(logic::WithTrailingBackslash(request.folder), "*.bmp"))
        if (!entry.isFolder)
            names.push_back(entry.name);
    const std::optional<std::string> chosen =
        logic::ChooseRandomWallpaper(request.folder, names, [&session](int count) {
            return session.services.settings.RandomBelow(count);
        });
    // A folder without bitmaps leaves the wallpaper as it is.
    if (!chosen)
        return Dispatched::Done;
    session.SetStatus(logic::RandomChoiceStatusText(logic::ExtractFileName(*chosen)));
    session.host.view.ProcessMessages();
    if (session.Ended())
        return Dispatched::Done;
    session.services.settings.SetWallpaper(*chosen);
    return Dispatched::Done;
}

Dispatched ShutdownRestartCommand(Session& session, const std::string&, const std::string&) {
    ExitWindows(session, Keyword::ShutdownRestart);
    return Dispatched::Done;
}

Dispatched LogoutCommand(Session& session, const std::string&, const std::string& upper) {
    ExitWindows(session, StartsWith(upper, KeywordText(Keyword::Logout)) ? Keyword::Logout
                                                                         : Keyword::Logoff);
    return Dispatched::Done;
}

Dispatched ShutdownForceCommand(Session& session, const std::string&, const std::string&) {
    ExitWindows(session, Keyword::ShutdownForce);
    return Dispatched::Done;
}

Dispatched ShutdownCommand(Session& session, const std::string&, const std::string&) {
    ExitWindows(session, Keyword::Shutdown);
    return Dispatched::Done;
}

// An argument that is not a date changes nothing; it is reported like any line the interpreter
// cannot carry out, so the run goes on.
Dispatched DateCommand(Session& session, const std::string& line, const std::string&) {
    const Services& services = session.services;
    const std::optional<logic::DateAndTime> universal =
        logic::DateLineSystemTime(line, services.settings.ShortDateFormat(),
                                  ToLogic(session.startup.StartMoment), services.settings);
    if (!universal) {
        session.AddReportedError(InvalidCommandMessage, line);
        return Dispatched::Done;
    }
    services.settings.EnablePrivilege(SystemTimePrivilege);
    services.settings.SetSystemTime(*universal);
    return Dispatched::Done;
}

Dispatched SetCommand(Session& session, const std::string& line, const std::string&) {
    const logic::SetRequest request = logic::ReadSetLine(line);
    session.host.view.ShowCommandIcon({CommandIcon::Source::Application, {}, 0});
    session.SetStatus(request.statusText);
    session.services.settings.SetEnvironmentValue(request.name, request.value);
    return Dispatched::Done;
}

} // namespace qv::interp
