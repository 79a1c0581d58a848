#include "editor/core/ImportWizard.h"

#include "editor/core/ImportedLines.h"
#include "editor/core/InstallEffects.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

namespace {

constexpr std::string_view UnmarkedBox = "  [  ] - ";
constexpr std::string_view MarkedBox = "  [X] - ";

RunPlace PlaceOf(ImportGroup group) {
    switch (group) {
    case ImportGroup::MachineRun32:
        return RunPlace::Machine32;
    case ImportGroup::UserRun:
        return RunPlace::User;
    default:
        return RunPlace::Machine;
    }
}

bool IsLinkGroup(ImportGroup group) {
    return group == ImportGroup::UserStartup || group == ImportGroup::CommonStartup;
}

// The log is the only record of a moved shortcut: a second shortcut of the same name (from the
// other Startup folder, or imported earlier and not restored) gets a name of its own instead
// of replacing the first one's file.
std::string FreeLinkTarget(const std::string& folder, const std::string& name,
                           const std::vector<std::string>& log) {
    const auto taken = [&log](const std::string& path) {
        for (const std::string& line : log) {
            const auto entry = ParseImportEntry(line);
            if (entry && entry->kind == ImportEntry::Kind::Shortcut &&
                LowerCase(entry->path) == LowerCase(path))
                return true;
        }
        return false;
    };
    if (!taken(folder + name))
        return folder + name;
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (int n = 2;; ++n) {
        const std::string candidate = folder + stem + " (" + std::to_string(n) + ")" + extension;
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace

std::string_view GroupHeader(ImportGroup group) {
    switch (group) {
    case ImportGroup::UserStartup:
        return "--- Startup Group ---";
    case ImportGroup::CommonStartup:
        return "--- Common Startup Group ---";
    case ImportGroup::MachineRun:
        return "--- Registry Run ---";
    case ImportGroup::MachineRun32:
        return "--- Registry Run (32-bit) ---";
    case ImportGroup::UserRun:
        return "--- User Registry Run ---";
    }
    return {};
}

ImportWizard::ImportWizard(InstallPorts ports) : ports_(ports) {
    userStartup_ = ShellFolder(ports_.registry, "Startup");
    commonStartup_ = ShellFolder(ports_.registry, "Common Startup", true);
    ReadFolder(ImportGroup::UserStartup, userStartup_);
    ReadFolder(ImportGroup::CommonStartup, commonStartup_);
    ReadRunKey(ImportGroup::MachineRun, MachineRunKey());
    ReadRunKey(ImportGroup::MachineRun32, MachineRunKey(RegistryView::Wow32));
    ReadRunKey(ImportGroup::UserRun, UserRunKey());
}

void ImportWizard::ReadFolder(ImportGroup group, const std::optional<std::string>& folder) {
    items_.push_back({group, true, "", "", false});
    if (!folder)
        return;
    for (const std::string& name : ports_.files.ListFiles(*folder))
        items_.push_back({group, false, name, "", false});
}

void ImportWizard::ReadRunKey(ImportGroup group, const RegistryKey& key) {
    items_.push_back({group, true, "", "", false});
    // Only the values listed are kept, so every listed entry names its own value, however many
    // of them start the interpreter.
    for (const std::string& name : ports_.registry.ValueNames(key)) {
        const std::optional<RegistryText> value = ports_.registry.ReadText(key, name);
        if (!value || Contains(UpperCase(value->text), InterpreterMark))
            continue;
        items_.push_back({group, false, name, CompletedRunData(value->text, ports_.files), false});
    }
}

std::string ImportWizard::Text(std::size_t index) const {
    const ImportItem& item = items_.at(index);
    if (item.header)
        return std::string(GroupHeader(item.group));
    std::string text(item.marked ? MarkedBox : UnmarkedBox);
    text += item.name;
    if (!IsLinkGroup(item.group))
        text += " - " + item.data;
    return text;
}

std::vector<std::string> ImportWizard::Texts() const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < items_.size(); ++i)
        texts.push_back(Text(i));
    return texts;
}

void ImportWizard::Select(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size())
        selected_ = index;
}

bool ImportWizard::DoubleClick() {
    if (selected_ < 0 || static_cast<std::size_t>(selected_) >= items_.size())
        return false;
    ImportItem& item = items_[static_cast<std::size_t>(selected_)];
    if (item.header)
        return false;
    item.marked = !item.marked;
    marked_ += item.marked ? 1 : -1;
    return true;
}

ImportWizard::KeyOutcome ImportWizard::KeyPress(char key) {
    KeyOutcome outcome;
    if (key == ' ' && !items_.empty())
        outcome.changed = DoubleClick();
    return outcome;
}

ImportOutcome ImportWizard::Finish(ScriptDocument& document) {
    ImportOutcome outcome;
    const std::string folder = logic::WithTrailingBackslash(ports_.system.ProgramFolder());
    // A folder that exists already or cannot be made is no error here: the copy or the log
    // write that needs it reports the failure.
    ports_.files.CreateFolder(folder + "Startup");
    ports_.files.CreateFolder(folder + "Backup");

    logPath_ = ImportLogPath(folder);
    const ImportLogRead read = ReadImportLog(ports_.files, logPath_);
    if (!read.ok) {
        // Writing a new log over one that could not be read would lose every earlier record.
        outcome.errors.push_back("The import log " + logPath_ +
                                 " could not be read: " + read.error + "\r\nNothing was imported.");
        return outcome;
    }
    log_ = read.lines;
    logWritable_ = true;

    int linksMoved = 0;
    for (const ImportItem& item : items_) {
        if (item.header || !item.marked)
            continue;
        if (!logWritable_)
            break;
        const bool link = IsLinkGroup(item.group);
        const bool imported = link ? ImportLink(item, outcome) : ImportValue(item, outcome);
        if (!imported)
            continue;
        document.AddLine(ImportedLine(lastEntry_, ports_.system));
        ++outcome.imported;
        linksMoved += link ? 1 : 0;
    }
    if (linksMoved > 0)
        outcome.linksMoved = std::string(LinksMovedText) + folder + "Startup";
    return outcome;
}

bool ImportWizard::Record(const ImportEntry& entry, ImportOutcome& outcome) {
    lastEntry_ = entry;
    log_.push_back(FormatImportEntry(entry));
    const FileResult written = WriteImportLog(ports_.files, logPath_, log_);
    if (written.ok)
        return true;
    log_.pop_back();
    logWritable_ = false;
    outcome.errors.push_back("The import log " + logPath_ +
                             " could not be written: " + written.error +
                             "\r\nThis entry and the ones after it were not imported.");
    return false;
}

void ImportWizard::Unrecord() {
    log_.pop_back();
    // Should this write fail too, the log names an entry whose source stayed: restoring it
    // later finds it in place and reports that, and nothing is lost.
    WriteImportLog(ports_.files, logPath_, log_);
}

bool ImportWizard::ImportLink(const ImportItem& item, ImportOutcome& outcome) {
    const std::optional<std::string>& startup =
        item.group == ImportGroup::UserStartup ? userStartup_ : commonStartup_;
    const std::string name = logic::ExtractFileName(item.name);
    const std::string source = startup.value_or(std::string()) + name;
    const std::string folder = logic::WithTrailingBackslash(ports_.system.ProgramFolder()) +
                               std::string(ImportedLinksFolder);
    const std::string target = FreeLinkTarget(folder, name, log_);

    const FileResult copied = ports_.files.CopyFile(source, target);
    if (!copied.ok) {
        outcome.errors.push_back("Could not copy " + source + " to " + target + ": " +
                                 copied.error + "\r\nThe shortcut stays where it was.");
        return false;
    }
    ImportEntry entry;
    entry.path = target;
    if (!Record(entry, outcome))
        return false;
    const FileResult removed = ports_.files.Remove(source);
    if (!removed.ok) {
        Unrecord();
        ports_.files.Remove(target);
        outcome.errors.push_back("Could not remove " + source + ": " + removed.error +
                                 "\r\nThe shortcut stays where it was.");
        return false;
    }
    return true;
}

bool ImportWizard::ImportValue(const ImportItem& item, ImportOutcome& outcome) {
    const RunPlace place = PlaceOf(item.group);
    const RegistryKey key = RunKeyOf(place);
    const std::optional<RegistryText> value = ports_.registry.ReadText(key, item.name);
    if (!value) {
        outcome.errors.push_back("The value \"" + item.name + "\" is no longer in " + KeyName(key) +
                                 ".");
        return false;
    }
    ImportEntry entry;
    entry.kind = ImportEntry::Kind::RunValue;
    entry.place = place;
    entry.name = item.name;
    entry.data = {CompletedRunData(value->text, ports_.files), value->expandable};
    if (!Record(entry, outcome))
        return false;
    const RegistryResult deleted = ports_.registry.DeleteValue(key, item.name);
    if (!deleted.ok) {
        Unrecord();
        outcome.errors.push_back(
            WithAdministratorHint("Could not take \"" + item.name + "\" out of " + KeyName(key) +
                                      ": " + deleted.error + "\r\nWindows still starts it.",
                                  key));
        return false;
    }
    return true;
}

} // namespace qv::editor
