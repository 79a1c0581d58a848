#include "interpreter/core/Session.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "interpreter/logic/OpsLoad.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::interp {

namespace {

// A script that calls itself would otherwise nest for ever inside one tick.
constexpr std::size_t MaxRunDepth = 100;

// The once-a-day record: QVRUN.INI in the user's data folder, and the one in the Windows folder
// (a file named without a folder) that earlier versions wrote, where a standard user's write
// fails. The INI value stands between double quotes.
class IniRunOnceStore final : public logic::RunOnceStore {
  public:
    explicit IniRunOnceStore(Session& session)
        : session_(session), ini_(session.services.ini), userFile_(UserFile(session.services.ini)) {
    }

    // The later of the two records, so that a day recorded in either counts.
    std::string ReadRunOnce(const std::string& key) override {
        const std::string shared = Read(std::string(logic::RunOnceIniFile), key);
        return userFile_.empty() ? shared : std::max(Read(userFile_, key), shared);
    }

    // Written where the user may write, and read back: a record that did not stick would start
    // the program again at every logon, so the run log says so.
    void WriteRunOnce(const std::string& key, const std::string& date) override {
        if (!userFile_.empty() &&
            ini_.WriteIniString(userFile_, std::string(logic::RunOnceSection), key,
                                "\"" + date + "\"") &&
            Read(userFile_, key) == date)
            return;
        session_.Note(NoteKind::Failed,
                      "the run-once record could not be written" +
                          (userFile_.empty() ? std::string() : " to " + userFile_) +
                          ": the program will start again at the next logon");
    }

  private:
    static std::string UserFile(IniPort& ini) {
        const std::string folder = ini.UserDataFolder();
        return folder.empty() ? folder : folder + std::string(logic::RunOnceIniFile);
    }
    std::string Read(const std::string& file, const std::string& key) {
        return ini_.ReadIniString(file, std::string(logic::RunOnceSection), key);
    }

    Session& session_;
    IniPort& ini_;
    std::string userFile_;
};

CommandIcon FileIcon(Session& session, const std::string& path) {
    if (!path.empty() && session.services.files.Exists(path))
        return {CommandIcon::Source::Associated, path, 0};
    return {CommandIcon::Source::FileIndex, std::string(logic::MissingFileIconFile),
            logic::MissingFileIconIndex};
}

// The icon file is the shortcut's icon location, else its target when that is a program, else
// the target all the same.
void ShowShortcutIcon(Session& session, const std::string& path) {
    std::string iconFile;
    if (const std::optional<ShortcutInfo> shortcut = session.services.programs.ReadShortcut(path)) {
        iconFile = shortcut->iconLocation;
        if (iconFile.empty())
            iconFile = shortcut->target;
    }
    session.host.view.ShowCommandIcon(FileIcon(session, iconFile));
}

// Starts the program LOAD AND WAIT waits for; WaitforCloseTimer watches its process. A start
// that fails, or that leaves the shell with no process to name, must not hold the run.
void StartWaited(Session& session, const logic::LaunchRequest& request) {
    // An earlier line of this tick (PROMPT, a run-once LOAD already run today) may have switched
    // the runner on; the next line must wait for the program all the same.
    session.SetTimerEnabled(TimerId::WaitTimer, false);
    session.SetTimerEnabled(TimerId::Digits, false);
    session.host.view.ProcessMessages();
    if (session.Ended())
        return;
    switch (session.services.programs.StartWaited(request.file, request.parameters, request.folder,
                                                  logic::WaitedShowCode)) {
    case ProgramPort::WaitedStart::Started:
        session.AppendStatus(std::string(logic::WaitingForCloseText));
        session.SetTimerEnabled(TimerId::WaitforClose, true);
        return;
    case ProgramPort::WaitedStart::NoProcess:
        session.Note(NoteKind::Outcome, "opened, but the shell named no program to wait for: the "
                                        "run goes on at once");
        break;
    case ProgramPort::WaitedStart::Failed:
        session.Note(NoteKind::Outcome, "the shell could not start it: the run goes on at once");
        break;
    }
    ResumeRunnerAtOnce(session);
}

void LaunchFile(Session& session, const logic::LaunchRequest& request) {
    switch (logic::ChooseLaunchRoute(request.file, request.wait)) {
    case logic::LaunchRoute::Waited:
        StartWaited(session, request);
        break;
    case logic::LaunchRoute::ProgramStart:
        // The run takes no notice of a failed start; only the run log tells of it.
        session.Note(NoteKind::Outcome,
                     session.services.programs.StartProgram(
                         logic::ProgramCommandLine(request.file, request.parameters),
                         logic::ExtractFilePath(request.file), request.showCode)
                         ? "started"
                         : "the program could not be started");
        break;
    case logic::LaunchRoute::Shell:
        session.Note(NoteKind::Outcome,
                     session.services.programs.ShellOpen(request.file, request.parameters,
                                                         request.folder, request.showCode, false)
                         ? "opened"
                         : "the shell could not open it");
        break;
    }
}

} // namespace

Dispatched RunCommand(Session& session, const std::string& line, const std::string&) {
    const std::string path = ParseRun(line).path;
    session.SetStatus("Running A New script\r" + path);
    RunState& state = session.state;
    // A folder, or a file that is no compiled script, fails like a missing one: the stacks stay
    // as they are and the run goes on. Only a script for a later version ends the program.
    ReadResult script;
    const bool exists = session.host.system.FileExists(path);
    if (exists && state.ScriptStack.size() < MaxRunDepth)
        script = session.ReadScript(path);
    if (session.Ended())
        return Dispatched::Done;
    if (script.status == ReadResult::Status::Invalid) {
        if (exists)
            session.Note(NoteKind::Skipped, "not a readable compiled script");
        session.AddReportedError(RunFailedMessage, line);
        return Dispatched::Done;
    }
    state.ScriptStack.push_back(state.CurrentScript);
    state.LineStack.push_back(std::to_string(state.NextLine));
    state.CurrentScript = path;
    session.Note(NoteKind::Intent, "run " + path + ", then return");
    session.AdoptScript(path, std::move(script));
    return Dispatched::Done;
}

Dispatched LoadCommand(Session& session, const std::string& line, const std::string&) {
    const logic::LoadLine load = logic::ParseLoadLine(line);
    IniRunOnceStore store(session);
    const logic::LoadDecision decision = logic::DecideLoad(load, session.host.system.Now(), store);
    if (decision.resumeRunner)
        session.SetTimerEnabled(TimerId::WaitTimer, true);
    if (!decision.start) {
        session.Note(NoteKind::Skipped, decision.skipReason);
        return Dispatched::Done;
    }
    if (logic::IsShortcutPath(load.path))
        ShowShortcutIcon(session, load.path);
    else
        session.host.view.ShowCommandIcon(FileIcon(session, load.path));
    session.SetStatus(logic::LoadingStatusText(load.path));
    LaunchFile(session, logic::MakeLaunchRequest(load));
    if (!session.Ended())
        session.host.view.ProcessMessages();
    return Dispatched::Done;
}

void WaitforCloseTimer(Session& session) {
    if (session.services.programs.WaitedProgramRunning())
        return;
    session.SetTimerEnabled(TimerId::WaitforClose, false);
    // While paused the clock stays still; Resume starts it, and the run goes on from there.
    if (session.state.Paused)
        return;
    session.SetTimerEnabled(TimerId::CountDownTimer, true);
    session.SetTimerEnabled(TimerId::Digits, true);
}

} // namespace qv::interp
