#include "editor/core/Uninstall.h"

#include "editor/core/FileTypes.h"
#include "editor/core/ImportLog.h"
#include "editor/core/Installation.h"
#include "editor/core/Restore.h"
#include "editor/core/RunValues.h"
#include "editor/core/ShortcutName.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

namespace {

using Kind = InstallEffect::Kind;

std::string Describe(const ImportEntry& entry) {
    if (entry.kind == ImportEntry::Kind::Shortcut)
        return entry.path;
    return "\"" + entry.name + "\" of " + KeyName(RunKeyOf(entry.place));
}

bool SamePath(std::string_view a, std::string_view b) {
    return LowerCase(a) == LowerCase(b);
}

} // namespace

std::optional<std::string> InstalledProgramFolder(const std::vector<std::string>& arguments,
                                                  RegistryPort& registry) {
    if (!arguments.empty() && !Trim(arguments.front()).empty())
        return logic::WithTrailingBackslash(Trim(arguments.front()));
    const auto command =
        registry.ReadText({RegistryRoot::ClassesRoot, "qvlite_qvs\\shell\\Open\\Command"}, "");
    if (!command || command->text.size() < 2 || command->text.front() != '"')
        return std::nullopt;
    const std::size_t close = command->text.find('"', 1);
    if (close == std::string::npos)
        return std::nullopt;
    const std::string folder = logic::ExtractFilePath(command->text.substr(1, close - 1));
    if (folder.empty())
        return std::nullopt;
    return folder;
}

Uninstaller::Uninstaller(InstallPorts ports, std::string programFolder)
    : ports_(ports), folder_(logic::WithTrailingBackslash(programFolder)),
      logPath_(ImportLogPath(folder_)) {}

std::size_t Uninstaller::ImportedCount() {
    std::size_t count = 0;
    for (const std::string& line : ReadImportLog(ports_.files, logPath_).lines)
        if (ParseImportEntry(line))
            ++count;
    return count;
}

std::string Uninstaller::PutBackQuestion(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " program was" : " programs were") +
           " moved from the Windows start-up places into Quorvel scripts by the import wizard. "
           "Without Quorvel they would no longer start at logon.\r\n\r\n"
           "Put them back where Windows starts them?";
}

PutBackReport Uninstaller::PutBackImports() {
    PutBackReport report;
    ImportLogRead log = ReadImportLog(ports_.files, logPath_);
    if (!log.ok) {
        report.failures.push_back("The import log " + logPath_ +
                                  " could not be read: " + log.error);
        return report;
    }
    const std::optional<std::string> userStartup = ShellFolder(ports_.registry, "Startup");
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < log.lines.size(); ++i) {
        const auto entry = ParseImportEntry(log.lines[i]);
        if (!entry) {
            if (!Trim(log.lines[i]).empty())
                kept.push_back(log.lines[i]);
            continue;
        }
        const FileResult back = PutBack(*entry, ports_, userStartup);
        if (!back.ok) {
            report.failures.push_back("Could not put back " + Describe(*entry) + ": " + back.error);
            kept.push_back(log.lines[i]);
            continue;
        }
        ++report.restored;
        // What is left: the entries kept so far and those not yet tried.
        std::vector<std::string> rest = kept;
        rest.insert(rest.end(), log.lines.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    log.lines.end());
        const FileResult written = WriteImportLog(ports_.files, logPath_, rest);
        if (!written.ok)
            report.failures.push_back("The import log " + logPath_ +
                                      " could not be written: " + written.error);
    }
    if (kept.empty() && ports_.files.FileExists(logPath_)) {
        const FileResult removed = ports_.files.Remove(logPath_);
        if (!removed.ok)
            report.failures.push_back("Could not delete " + logPath_ + ": " + removed.error);
    }
    return report;
}

void Uninstaller::RemoveFile(std::vector<InstallEffect>& effects, const std::string& path) {
    if (!ports_.files.FileExists(path))
        return;
    const bool running = SamePath(path, ports_.system.ProgramPath());
    effects.push_back(FileEffect(running ? Kind::RemoveAfterExit : Kind::RemoveFile, path));
}

std::vector<InstallEffect> Uninstaller::RemovalEffects() {
    std::vector<InstallEffect> effects =
        FileTypeRemovalEffects(ports_.registry, folder_ + std::string(EditorFileName));

    for (std::string_view name : {InterpreterRunValue, AddInRunValue})
        if (ports_.registry.ReadText(MachineRunKey(), std::string(name)))
            effects.push_back(DeleteValueEffect(MachineRunKey(), std::string(name)));

    if (const auto programs = ShellFolder(ports_.registry, "Programs")) {
        const std::string group = *programs + std::string(ProgramGroupName);
        for (const GroupShortcut& shortcut : ProgramGroupShortcuts(
                 folder_ + std::string(EditorFileName), ports_.system.WindowsFolder()))
            RemoveFile(effects, group + "\\" + ShortcutFileName(shortcut.description));
        effects.push_back(FileEffect(Kind::RemoveFolderIfEmpty, group));
    }

    for (std::string_view name : ReleaseFiles)
        RemoveFile(effects, folder_ + std::string(name));
    if (ports_.files.PathExists(folder_ + std::string(HelpFolderName)))
        effects.push_back(FileEffect(Kind::RemoveTree, folder_ + std::string(HelpFolderName)));
    // Links and a log that were not put back keep these two folders, and scripts the program
    // folder: only empty folders go.
    effects.push_back(FileEffect(Kind::RemoveFolderIfEmpty, folder_ + "Startup"));
    effects.push_back(FileEffect(Kind::RemoveFolderIfEmpty, folder_ + "Backup"));
    effects.push_back(FileEffect(Kind::RemoveFolderIfEmpty, folder_.substr(0, folder_.size() - 1)));

    RemoveFile(effects, InstalledUninstallerPath(ports_.system.WindowsFolder()));
    effects.push_back(
        KeyEffect(Kind::DeleteTree, {RegistryRoot::LocalMachine, std::string(UninstallKeyPath)}));
    return effects;
}

std::vector<EffectFailure> Uninstaller::Remove() {
    return CarryOut(RemovalEffects(), ports_);
}

std::string Uninstaller::DoneText(const std::vector<EffectFailure>& failures) {
    if (failures.empty())
        return "Quorvel has been removed. The scripts you wrote are still there.";
    return FailureReport("Quorvel has been removed, except for:", failures);
}

} // namespace qv::editor
