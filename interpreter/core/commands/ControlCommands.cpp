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

// What the run log says of a system call that was refused: for lack of the privilege it needs,
// or by Windows for its own reasons. The Error Log stays silent, and the run goes on.
void NoteRefusal(Session& session, bool privileged, const char* privilege, const char* what) {
    session.Note(NoteKind::Failed,
                 privileged ? std::string("Windows refused to ") + what
                            : std::string("the user does not hold ") + privilege + " to " + what);
}

// A refused exit call leaves nothing for the Error Log; the run stops either way.
void ExitWindows(Session& session, Keyword keyword) {
    const std::optional<logic::ExitWindowsRequest> request = logic::ExitWindowsFor(keyword);
    if (!request)
        return;
    // Shutting down and restarting fail on every current Windows unless the caller has enabled
    // the privilege it holds.
    const bool needsPrivilege =
        request->flags == logic::EwxShutdown || request->flags == logic::EwxReboot;
    const bool privileged =
        !needsPrivilege || session.services.settings.EnablePrivilege(ShutdownPrivilege);
    if (!session.services.settings.ExitWindowsWith(request->flags, request->reason))
        NoteRefusal(session, privileged, ShutdownPrivilege, "end the session");
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
    const bool privileged = services.settings.EnablePrivilege(SystemTimePrivilege);
    if (!services.settings.SetSystemTime(*universal))
        NoteRefusal(session, privileged, SystemTimePrivilege, "set the date");
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
