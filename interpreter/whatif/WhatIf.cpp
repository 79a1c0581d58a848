#include "interpreter/whatif/WhatIf.h"

#include "interpreter/core/Runner.h"
#include "interpreter/core/VirtualTimers.h"
#include "interpreter/logic/Calendar.h"
#include "interpreter/logic/CtlDate.h"
#include "interpreter/logic/CtlShutdown.h"
#include "language/CompiledScript.h"
#include "language/Text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <utility>

namespace qv::whatif {

namespace {

namespace fs = std::filesystem;
using namespace qv::interp;

std::string WindowStateText(int showCode) {
    switch (showCode) {
    case 0:
        return " hidden";
    case 3:
        return " maximised";
    case 6:
    case 7:
        return " minimised";
    default:
        return "";
    }
}

class WhatIfHost final : public TimerPort,
                         public ProgressView,
                         public Dialogs,
                         public SystemPort,
                         public ApplicationPort,
                         public AllServicePorts,
                         public RunObserver {
  public:
    WhatIfHost(const Options& options, std::ostream& out)
        : options_(options), out_(out), start_(logic::MomentMilliseconds(options.at)) {}

    std::string Run() {
        Runner runner(Host{*this, *this, *this, *this, *this}, AllServicePorts::Ports());
        runner_ = &runner;
        runner.SetObserver(this);
        runner.FormCreate(options_.script);
        while (!terminated_) {
            const std::optional<VirtualTimers::Due> next = timers_.Next();
            if (!next) {
                Say("the run would wait here for ever: nothing is left that could resume it");
                break;
            }
            if (next->at > options_.virtualLimitMs) {
                Say("the run would still be waiting after " +
                    std::to_string(options_.virtualLimitMs / 1000) + " seconds");
                break;
            }
            timers_.Fire(*next, runner);
        }
        FinishLine();
        return report_;
    }

    // TimerPort
    void StartTimer(TimerId id, int intervalMs) override {
        timers_.Arm(static_cast<int>(id), intervalMs);
    }
    void StopTimer(TimerId id) override { timers_.Disarm(static_cast<int>(id)); }

    // ProgressView: only the status text tells anything in a run without a window.
    void SetStatusText(const std::string& text) override { status_ = text; }
    void SetTitle(const std::string&) override {}
    void ShowCommandIcon(const CommandIcon&) override {}
    void SetClockFrame(int) override {}
    void SetClockVisible(bool) override {}
    void SetCountText(const std::string&) override {}
    void SetCountVisible(bool) override {}
    void SetButtonCaption(Button, const std::string&) override {}
    void SetButtonEnabled(Button, bool) override {}
    void ShowCentred() override {}
    void Show() override {}
    void Hide() override {}
    void Minimize() override {}
    void MoveTo(int, int) override {}
    Size WindowSize() override { return {391, 111}; }
    Size ScreenSize() override { return {1024, 768}; }
    void BringToFront() override {}
    void HideTaskbarButton() override {}
    void SetTrayIcon(bool) override {}
    void SetCopyLayout(bool) override {}
    void SetCopyAnimation(bool) override {}
    void ProcessMessages() override {}

    // Dialogs
    int ShowMessageBox(const std::string& text, const std::string&, MessageBoxKind kind) override {
        const std::size_t lineEnd = text.find_first_of("\r\n");
        const std::string first = text.substr(0, lineEnd);
        if (kind != MessageBoxKind::ConfirmLine) {
            Note("would show \"" + first + "\"");
            return IdOk;
        }
        // The prompt asks before the line runs: the question belongs to that line.
        FinishLine();
        const std::string asked = "would ask \"" + first + "\"";
        if (options_.answer == IdYes) {
            pendingNote_ = asked + ", answered Yes";
        } else {
            current_ = {runner_->State().NextLine - 1,
                        lineEnd == std::string::npos ? "" : text.substr(lineEnd + 1)};
            Note(asked + (options_.answer == IdNo ? ", answered No: skipped"
                                                  : ", answered Cancel: the run ends"));
            FinishLine();
        }
        return options_.answer;
    }
    void ShowErrorLog(const std::string&) override {}
    std::optional<std::vector<bool>>
    PromptPendingCommands(const std::vector<std::string>& entries) override {
        Note("would show the check list of " + std::to_string(entries.size()) +
             " commands still to run; all stay checked");
        return std::vector<bool>(entries.size(), true);
    }

    // SystemPort: files are read, never written.
    bool FileExists(const std::string& path) override {
        std::error_code error;
        return (options_.scriptBytes && path == options_.script) ||
               (!path.empty() && fs::is_regular_file(path, error));
    }
    bool ReadFileBytes(const std::string& path, std::string& bytes) override {
        if (options_.scriptBytes && path == options_.script) {
            bytes = *options_.scriptBytes;
            return true;
        }
        return ReadWholeFile(path, bytes).ok;
    }
    std::string WindowsFolder() override { return options_.windowsFolder; }
    std::string UserName() override { return options_.user; }
    std::string ComputerName() override { return options_.computer; }
    std::string ProgramFolder() override { return {}; }
    DateTime Now() override { return logic::MomentFromMilliseconds(start_ + timers_.Now()); }

    // ApplicationPort
    void Terminate() override { terminated_ = true; }

    // WindowListPort: no other program's window is known to be open.
    std::vector<WindowEntry> TopLevelWindows(bool) override { return {}; }
    void PostSysCommand(std::uintptr_t, std::uint32_t) override {}
    bool BringWindowToFront(std::uintptr_t) override { return false; }
    bool IsForeground(std::uintptr_t) override { return true; }
    bool RunsAboveOwnLevel(std::uintptr_t) override { return false; }

    // KeyboardPort: typing is described once per line, not per key.
    void SendKeyEvents(const std::vector<logic::KeyEvent>& events) override {
        keyEvents_ += static_cast<int>(events.size());
    }
    std::int16_t KeyScan(char c) override {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z')
            return static_cast<std::int16_t>(u - 'a' + 'A');
        if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == ' ')
            return static_cast<std::int16_t>(u >= 'A' && u <= 'Z' ? 0x100 | u : u);
        return static_cast<std::int16_t>(0x100 | u);
    }
    std::uint32_t ScanCodeOf(std::uint32_t) override { return 0; }
    bool LoadKeyLibrary() override { return false; }
    int CallKeyLibrary(const std::string&) override { return -1; }

    // FilePort: reads the real file system, writes nothing.
    bool IsFolder(const std::string& path) override {
        std::error_code error;
        return fs::is_directory(path, error);
    }
    bool Exists(const std::string& path) override {
        std::error_code error;
        return !path.empty() && fs::exists(path, error);
    }
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override {
        std::error_code error;
        const auto time = fs::last_write_time(path, error);
        if (error)
            return std::nullopt;
        return time.time_since_epoch().count();
    }
    std::string FileVersionText(const std::string&) override { return {}; }
    void ClearReadOnly(const std::string&) override {}
    std::vector<logic::FolderEntry> ListFolder(const std::string& folder) override {
        std::vector<logic::FolderEntry> entries;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error))
            entries.push_back({it->path().filename().string(), it->is_directory(error)});
        return entries;
    }
    void CreateFolder(const std::string& path) override { Note("would create " + path); }
    std::uint32_t CopyOneFile(const std::string& source, const std::string& target) override {
        ++copies_;
        if (copies_ == 1)
            Note("would copy " + source + " to " + target);
        return 0;
    }
    std::vector<logic::FolderEntry> ListMatching(const std::string& folder,
                                                 const std::string& mask) override {
        std::vector<logic::FolderEntry> found;
        const std::string ending = UpperCase(
            mask.substr(mask.find('.') == std::string::npos ? mask.size() : mask.find('.')));
        for (const logic::FolderEntry& entry : ListFolder(folder)) {
            const std::string name = UpperCase(entry.name);
            if (!entry.isFolder && name.size() >= ending.size() &&
                name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                found.push_back(entry);
        }
        return found;
    }
    bool MoveOrRename(const std::string& oldName, const std::string& newName) override {
        if (!Exists(oldName))
            return false;
        Note("would rename " + Trim(oldName) + " to " + Trim(newName));
        return true;
    }
    std::uint32_t RecycleDelete(const std::string& pathList) override {
        std::string shown;
        for (std::size_t at = 0; at < pathList.size() && pathList[at];) {
            const std::size_t end = pathList.find('\0', at);
            shown += (shown.empty() ? "" : ", ") + pathList.substr(at, end - at);
            at = end == std::string::npos ? pathList.size() : end + 1;
        }
        Note("would move " + shown + " to the Recycle Bin");
        return 0;
    }

    // ProgramPort
    bool ShellOpen(const std::string& file, const std::string& parameters, const std::string&,
                   int showCode, bool) override {
        Note("would open " + file + WindowStateText(showCode) +
             (parameters.empty() ? "" : " with " + parameters));
        return true;
    }
    bool StartProgram(const std::string& commandLine, const std::string&, int showCode) override {
        // The command line is the quoted program and its parameters.
        std::string program = commandLine, parameters;
        if (commandLine.size() > 1 && commandLine[0] == '"') {
            const std::size_t close = commandLine.find('"', 1);
            program =
                commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            if (close != std::string::npos)
                parameters = Trim(commandLine.substr(close + 1));
        }
        Note("would start " + program + WindowStateText(showCode) +
             (parameters.empty() ? "" : " with " + parameters));
        return true;
    }
    // The waited program ends at once: a what-if run does not wait for it.
    WaitedStart StartWaited(const std::string& file, const std::string& parameters,
                            const std::string&, int) override {
        Note("would start " + file + (parameters.empty() ? "" : " with " + parameters) +
             " and wait until it closes");
        return WaitedStart::Started;
    }
    bool WaitedProgramRunning() override { return false; }
    std::optional<ShortcutInfo> ReadShortcut(const std::string&) override { return {}; }

    // IniPort: the run-once record is read where the interpreter keeps it, or from --ini, and
    // never written: what the run would write is kept here, so that a later line sees it. A file
    // named without a folder is the one in the Windows folder.
    std::string ReadIniString(const std::string& file, const std::string& section,
                              const std::string& key) override {
        if (const auto kept = keptIni_.find(IniKey(file, section, key)); kept != keptIni_.end())
            return kept->second;
        const bool inWindowsFolder = file.find_first_of("\\/") == std::string::npos;
        if (inWindowsFolder && !options_.windowsIni)
            return {};
        std::string bytes;
        if (!ReadWholeFile(inWindowsFolder ? *options_.windowsIni : file, bytes).ok)
            return {};
        bool inSection = false;
        for (const std::string& raw : SplitLines(bytes)) {
            const std::string line = Trim(raw);
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                inSection = UpperCase(line.substr(1, line.size() - 2)) == UpperCase(section);
                continue;
            }
            const std::size_t equals = line.find('=');
            if (!inSection || equals == std::string::npos ||
                UpperCase(Trim(line.substr(0, equals))) != UpperCase(key))
                continue;
            std::string value = Trim(line.substr(equals + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            return value;
        }
        return {};
    }
    bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) override {
        std::string unquoted = value;
        if (unquoted.size() >= 2 && unquoted.front() == '"' && unquoted.back() == '"')
            unquoted = unquoted.substr(1, unquoted.size() - 2);
        keptIni_[IniKey(file, section, key)] = unquoted;
        return true;
    }
    // Without a folder of the user's own (not on Windows), one stands in, so that the run goes
    // as it would at a logon.
    std::string UserDataFolder() override {
        return options_.userDataFolder.empty() ? "%LOCALAPPDATA%\\Quorvel\\"
                                               : options_.userDataFolder;
    }

    // NetworkPort
    std::uint32_t AddConnection(const logic::NetResourceRequest& request) override {
        Note("would connect " + (request.localName.empty() ? "to" : request.localName + " to") +
             " " + request.remoteName);
        return 0;
    }
    std::uint32_t CancelConnection(const std::string& name, std::uint32_t, bool) override {
        Note("would disconnect " + name);
        return 0;
    }

    // SystemSettingsPort
    bool SetWallpaper(const std::string& path) override {
        Note("would set the wallpaper to " + path);
        return true;
    }
    logic::DateAndTime LocalNow() override {
        const DateTime t = Now();
        return {t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond, t.dayOfWeek % 7};
    }
    logic::TimeZoneInformation TimeZone() override { return {}; }
    std::string ShortDateFormat() override { return "dd/MM/yyyy"; }
    bool SetSystemTime(const logic::DateAndTime& t) override {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
        Note(std::string("would set the date to ") + text);
        return true;
    }
    bool EnablePrivilege(const std::string&) override { return true; }
    bool ExitWindowsWith(unsigned flags, unsigned) override {
        Note(flags == logic::EwxLogoff     ? "would log the user off"
             : flags == logic::EwxReboot   ? "would restart the computer"
             : flags == logic::EwxShutdown ? "would shut the computer down"
                                           : "would end the session");
        return true;
    }
    bool SetEnvironmentValue(const std::string& name, const std::string& value) override {
        Note("would set " + name + " to " + value);
        return true;
    }
    int RandomBelow(int) override { return 0; }

    // MenuDialogPort
    bool ShowMenu(logic::MenuModel& menu, bool, bool) override {
        if (options_.menuEntry && menu.Entry(*options_.menuEntry))
            menu.ChooseEntry(*options_.menuEntry);
        Note("would show the menu; entry " +
             std::to_string(options_.menuEntry.value_or(menu.DefaultEntry().value_or(0))) +
             " is chosen");
        return true;
    }
    void RefreshMenu(const logic::MenuModel&) override {}
    void CloseMenu() override {}
    void StartMenuTimer(int intervalMs) override {
        timers_.Arm(VirtualTimers::MenuSlot, intervalMs);
    }
    void StopMenuTimer() override { timers_.Disarm(VirtualTimers::MenuSlot); }
    WindowPoint ProgressWindowPosition() override { return {}; }

    // ReplaceDialogPort: an existing file is replaced, as the first answer would.
    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion&) override {
        return logic::ReplaceAnswer::Yes;
    }

    void WaitForMessage() override {}

    // RunObserver
    void ScriptLoaded(const std::string&) override {}
    void LineStarted(const std::string& script, int lineNumber, const std::string& line) override {
        FinishLine();
        if (script != shownScript_) {
            out_ << script << ":\n";
            shownScript_ = script;
        }
        current_ = {lineNumber, line};
        notes_.clear();
        if (!pendingNote_.empty())
            notes_.push_back(std::exchange(pendingNote_, {}));
        status_.clear();
        keyEvents_ = 0;
        copies_ = 0;
    }
    // The core says what a command does; here it only would.
    void LineNote(NoteKind kind, const std::string& text) override {
        // What a command achieved is the run log's; here the services' own notes say it.
        if (kind == NoteKind::Outcome)
            return;
        Note(kind == NoteKind::Intent ? "would " + text : NoteText(kind, text));
    }
    void LineFinished() override {
        if (keyEvents_ > 0)
            notes_.push_back("would type " + std::to_string(keyEvents_ / 2) + " keys");
        if (copies_ > 1)
            notes_.push_back("would copy " + std::to_string(copies_) + " files in all");
        if (!status_.empty() && !HasAction()) {
            // What the window would say last stands for what the command does.
            std::string last = status_.substr(status_.find_last_of("\r\n") + 1);
            if (StartsWith(last, "Waiting "))
                last = "would wait " + last.substr(8);
            if (!last.empty())
                notes_.push_back(last);
        }
    }
    void ErrorEntry(const std::string& entry) override {
        notes_.push_back("error: " + entry.substr(0, entry.find(" In Script File : ")));
    }
    void RunEnded(const std::string& errorReport) override {
        FinishLine();
        report_ = errorReport;
    }

  private:
    static std::string IniKey(const std::string& file, const std::string& section,
                              const std::string& key) {
        return UpperCase(file) + "|" + UpperCase(section) + "|" + UpperCase(key);
    }

    void Note(const std::string& note) {
        // A tree copy creates the same folder level more than once; say it once.
        if (std::find(notes_.begin(), notes_.end(), note) == notes_.end())
            notes_.push_back(note);
    }
    bool HasAction() const {
        for (const std::string& note : notes_)
            if (!StartsWith(note, "would ask"))
                return true;
        return false;
    }
    void Say(const std::string& text) {
        FinishLine();
        out_ << "  " << text << "\n";
    }

    void FinishLine() {
        if (!current_)
            return;
        out_ << "  " << current_->first << "  " << current_->second;
        for (std::size_t i = 0; i < notes_.size(); ++i)
            out_ << (i == 0 ? "  ->  " : "; ") << notes_[i];
        out_ << "\n";
        current_.reset();
        notes_.clear();
    }

    const Options& options_;
    std::ostream& out_;
    const long long start_;
    Runner* runner_ = nullptr;
    bool terminated_ = false;
    VirtualTimers timers_;
    std::string status_;
    std::string report_;
    std::string shownScript_;
    std::optional<std::pair<int, std::string>> current_;
    std::vector<std::string> notes_;
    int keyEvents_ = 0;
    int copies_ = 0;
    std::map<std::string, std::string> keptIni_;
    std::string pendingNote_;
};

} // namespace

std::string RunWhatIf(const Options& options, std::ostream& out) {
    WhatIfHost host(options, out);
    return host.Run();
}

std::optional<interp::DateTime> ParseMoment(const std::string& text) {
    interp::DateTime t;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &tail) != 5)
        return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.hour < 0 || t.minute < 0 ||
        !logic::IsValidCivilDate({t.year, t.month, t.day}))
        return std::nullopt;
    t.dayOfWeek = logic::ScriptDayOfWeek({t.year, t.month, t.day});
    return t;
}

std::string FormatMoment(const interp::DateTime& moment) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute);
    return text;
}

interp::DateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    interp::DateTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    t.dayOfWeek = local.tm_wday == 0 ? 7 : local.tm_wday;
    return t;
}

namespace {
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}
} // namespace

void ReadRunOnceWhereTheInterpreterKeepsIt(Options& options) {
    if (const std::string local = Environment("LOCALAPPDATA"); !local.empty())
        options.userDataFolder = local + "\\Quorvel\\";
    std::string windows = Environment("SystemRoot");
    if (windows.empty())
        windows = Environment("windir");
    if (!windows.empty())
        options.windowsIni = windows + "\\QVRUN.INI";
}

} // namespace qv::whatif
