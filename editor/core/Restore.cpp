#include "editor/core/Restore.h"

#include "editor/core/ImportedLines.h"
#include "editor/core/InstallEffects.h"
#include "editor/core/RowKinds.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

namespace {

constexpr std::string_view LoadPrefix = "LOAD ";

// The row's text as the log is searched for it: its LOAD text, upper-cased and trimmed.
std::string RowKey(const std::string& command) {
    if (!StartsWith(UpperCase(command), LoadPrefix))
        return {};
    return UpperCase(Trim(std::string_view(command).substr(LoadPrefix.size())));
}

// The entry's own LOAD text, as Finish wrote it into the script.
std::string LoadText(const ImportEntry& entry, InstallSystem& system) {
    return UpperCase(Trim(std::string_view(ImportedLine(entry, system)).substr(LoadPrefix.size())));
}

bool Equals(const ImportEntry& entry, const std::string& key, InstallSystem& system) {
    const std::string& own =
        entry.kind == ImportEntry::Kind::Shortcut ? entry.path : entry.data.text;
    return UpperCase(Trim(own)) == key || LoadText(entry, system) == key;
}

bool ContainsKey(const std::string& line, const ImportEntry& entry, const std::string& key,
                 InstallSystem& system) {
    return Contains(UpperCase(line), key) || Contains(LoadText(entry, system), key);
}

} // namespace

FileResult PutBack(const ImportEntry& entry, InstallPorts ports,
                   const std::optional<std::string>& userStartup) {
    if (entry.kind == ImportEntry::Kind::RunValue) {
        const RegistryKey key = RunKeyOf(entry.place);
        RegistryResult written = ports.registry.WriteText(key, entry.name, entry.data);
        if (!written.ok)
            written.error = WithAdministratorHint(written.error, key);
        return written;
    }
    if (!userStartup)
        return {false, "The user's Startup folder is not known."};
    const std::string target = *userStartup + ProperCase(logic::ExtractFileName(entry.path));
    return ports.files.MoveFile(entry.path, target);
}

RestoreOutcome RestoreRow(ScriptDocument& document, std::size_t row, InstallPorts ports) {
    RestoreOutcome outcome;
    if (row >= document.CommandCount()) {
        outcome.errors.emplace_back(RestoreNotFoundText);
        return outcome;
    }
    const std::string key = RowKey(document.Rows()[row].Command);
    const std::string logPath =
        ImportLogPath(logic::WithTrailingBackslash(ports.system.ProgramFolder()));
    ImportLogRead log = ReadImportLog(ports.files, logPath);
    if (!log.ok) {
        outcome.errors.push_back(std::string(RestoreNotFoundText) + "\r\nThe import log " +
                                 logPath + " could not be read: " + log.error);
        return outcome;
    }

    std::vector<std::size_t> equal;
    std::vector<std::size_t> containing;
    if (!key.empty()) {
        for (std::size_t i = 0; i < log.lines.size(); ++i) {
            const auto entry = ParseImportEntry(log.lines[i]);
            if (!entry)
                continue;
            if (Equals(*entry, key, ports.system))
                equal.push_back(i);
            else if (ContainsKey(log.lines[i], *entry, key, ports.system))
                containing.push_back(i);
        }
    }

    const std::optional<std::string> userStartup = ShellFolder(ports.registry, "Startup");
    for (std::size_t index : equal.empty() ? containing : equal) {
        const ImportEntry entry = *ParseImportEntry(log.lines[index]);
        const FileResult back = PutBack(entry, ports, userStartup);
        if (!back.ok) {
            std::string text(RestoreMoveFailedText);
            if (entry.kind == ImportEntry::Kind::RunValue)
                text += "\r\n" + back.error;
            outcome.errors.push_back(text);
            continue;
        }
        log.lines.erase(log.lines.begin() + static_cast<std::ptrdiff_t>(index));
        const FileResult written = WriteImportLog(ports.files, logPath, log.lines);
        if (!written.ok)
            outcome.errors.push_back("The entry was restored, but the import log " + logPath +
                                     " could not be written: " + written.error);
        document.RemoveRow(row);
        outcome.restored = true;
        return outcome;
    }
    outcome.errors.emplace_back(RestoreNotFoundText);
    return outcome;
}

} // namespace qv::editor
