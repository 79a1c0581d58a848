#include "interpreter/core/Startup.h"

#include "interpreter/core/Session.h"
#include "language/Keywords.h"
#include "language/Text.h"

#include <array>
#include <string_view>

namespace qv::interp {

namespace {

std::string LocateHideTest() {
    return std::string(KeywordText(Keyword::Locate)) + "HIDE";
}

enum class ScriptKind { Common, Computer, User };

struct Candidate {
    std::string path;
    ScriptKind kind;
};

std::array<std::string, 2> ComputerPaths(const StartupState& s) {
    return {s.ProgramFolder + s.ComputerName + ".QVC",
            s.WindowsFolder + "\\" + s.ComputerName + ".QVC"};
}

std::array<std::string, 2> UserPaths(const StartupState& s) {
    return {s.ProgramFolder + s.UserName + ".QVC", s.WindowsFolder + "\\" + s.UserName + ".QVC"};
}

// The stored line is upper-cased as it stands, untrimmed; the menu keywords are tested without
// the blank their dispatch tests carry.
const std::array<std::string, 6>& LeadingConfigurationTests() {
    static const std::array<std::string, 6> tests = {
        TrimRight(KeywordText(Keyword::MenuStart)), TrimRight(KeywordText(Keyword::MenuDefault)),
        TrimRight(KeywordText(Keyword::MenuItem)),  std::string(KeywordText(Keyword::No)),
        std::string(KeywordText(Keyword::Disable)), LocateHideTest()};
    return tests;
}

bool TryScriptStep(Session& session, const std::string& checkText, const std::string& name,
                   const std::array<std::string, 2>& paths) {
    session.SetStatus("Checking for a File for\r" + checkText + name);
    for (const std::string& path : paths) {
        if (!session.host.system.FileExists(path))
            continue;
        session.SetStatus("File Found for " + name + "\rRunning Script Now...");
        session.SetTimerInterval(TimerId::WaitTimer, WaitTimerDesignInterval);
        session.state.CurrentScript = path;
        if (session.LoadCompiledScript(path))
            session.SetTimerEnabled(TimerId::WaitTimer, true);
        return true;
    }
    return false;
}

} // namespace

void FormCreate(Session& session, const std::optional<std::string>& commandLinePath) {
    SystemPort& system = session.host.system;
    session.state = RunState{};
    session.startup = StartupState{};
    session.startup.WindowsFolder = system.WindowsFolder().substr(0, 256);
    session.startup.UserName = system.UserName().substr(0, 254);
    session.startup.ComputerName = system.ComputerName().substr(0, 254);
    session.startup.ProgramFolder = system.ProgramFolder();
    session.startup.StartMoment = system.Now();
    session.SetScriptKey();

    if (commandLinePath) {
        if (!system.FileExists(*commandLinePath)) {
            session.SetTimerEnabled(TimerId::WaitTimer, false);
            session.host.dialogs.ShowMessageBox("The Script you tried to run doesn't Exist",
                                                std::string(AppTitle),
                                                MessageBoxKind::MissingScript);
            session.EndApplication();
            return;
        }
        session.startup.CommandLineScript = true;
        session.state.CurrentScript = *commandLinePath;
    } else {
        const StartupState& st = session.startup;
        const std::array<std::string, 2> computer = ComputerPaths(st);
        const std::array<std::string, 2> user = UserPaths(st);
        const std::array<Candidate, 6> candidates = {{
            {st.WindowsFolder + "\\common.QVC", ScriptKind::Common},
            {st.ProgramFolder + "Common.QVC", ScriptKind::Common},
            {computer[0], ScriptKind::Computer},
            {computer[1], ScriptKind::Computer},
            {user[0], ScriptKind::User},
            {user[1], ScriptKind::User},
        }};
        const Candidate* chosen = nullptr;
        for (const Candidate& candidate : candidates) {
            if (system.FileExists(candidate.path)) {
                chosen = &candidate;
                break;
            }
        }
        if (!chosen) {
            session.EndApplication();
            return;
        }
        if (chosen->kind != ScriptKind::Common)
            session.startup.ComputerStepPending = false;
        if (chosen->kind == ScriptKind::User)
            session.startup.UserStepPending = false;
        session.state.CurrentScript = chosen->path;
    }
    if (!session.LoadCompiledScript(session.state.CurrentScript))
        return;

    bool hidden = false;
    for (std::size_t i = 1; i < session.state.ScriptLines.size(); ++i) {
        const std::string line = session.state.ScriptLines[i];
        const std::string upper = UpperCase(line);
        bool configures = false;
        for (const std::string& test : LeadingConfigurationTests()) {
            if (!StartsWith(upper, test))
                continue;
            configures = true;
            if (test == LocateHideTest())
                hidden = true;
            session.ObserveNextLineAs(static_cast<int>(i));
            session.ProcessLine(line);
            if (session.Ended())
                return;
        }
        if (!configures) {
            session.state.NextLine = static_cast<int>(i);
            break;
        }
    }
    if (!hidden)
        session.ShowWindowCentred();
    session.SetTimerEnabled(TimerId::WaitTimer, true);
}

// Returns true when a script has been loaded (or the application ended while loading it).
bool NextScriptStep(Session& session) {
    StartupState& st = session.startup;
    if (st.ComputerStepPending) {
        st.ComputerStepPending = false;
        if (TryScriptStep(session, "Computer Name : ", st.ComputerName, ComputerPaths(st)))
            return true;
    }
    if (st.UserStepPending) {
        st.UserStepPending = false;
        if (TryScriptStep(session, "User Name : ", st.UserName, UserPaths(st)))
            return true;
    }
    return false;
}

} // namespace qv::interp
