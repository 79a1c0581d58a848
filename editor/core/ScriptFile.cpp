#include "editor/core/ScriptDocument.h"

#include "interpreter/logic/CtlMenu.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/CompiledScript.h"
#include "language/Text.h"

#include <algorithm>

namespace qv::editor {

namespace {

constexpr std::size_t MenuItemFileLength = 2000;

// Only the first few characters decide, so long lines are not upper-cased whole.
std::string UpperStart(std::string_view line, std::size_t length) {
    return UpperCase(line.substr(0, std::min(length, line.size())));
}

bool BeginsWithMenu(std::string_view line) {
    return StartsWith(UpperStart(line, 4), "MENU");
}

std::string NotUnderstood(std::size_t index, std::string_view line) {
    return "Line " + std::to_string(index + 1) + " not understood: " + std::string(line);
}

} // namespace

void ScriptDocument::SetTitle(std::string title) {
    title_ = std::move(title);
    ports_.view.TitleChanged();
}

// A line that makes a row never opens a menu block, so no command is swallowed by one.
LoadReport ScriptDocument::WalkLines(const std::vector<std::string>& lines) {
    LoadReport report;
    int counter = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (state_.MenuEditing && BeginsWithMenu(lines[i]) &&
            Contains(UpperCase(lines[i]), "MENU START")) {
            i = ReadMenuBlock(lines, i, counter, report);
            if (i >= lines.size())
                break;
        }
        const std::string& line = lines[i];
        if (!BeginsWithMenu(line) || StartsWith(UpperStart(line, 9), "MENU SHOW")) {
            if (ProcessLine(line, counter))
                counter += 10;
        }
    }
    AppendEndRow(counter);
    return report;
}

// Reads the MENU lines after MENU START; returns the index of the first line after the block.
std::size_t ScriptDocument::ReadMenuBlock(const std::vector<std::string>& lines, std::size_t start,
                                          int& counter, LoadReport& report) {
    state_.MenuCaptions = {"Main"};
    state_.MenuFiles = {state_.CurrentFile};
    std::size_t i = start + 1;
    for (; i < lines.size() && BeginsWithMenu(lines[i]); ++i) {
        const std::string& line = lines[i];
        const std::string upper = UpperCase(line);
        if (const std::size_t item = upper.find("MENU ITEM "); item != std::string::npos) {
            const std::size_t comma = line.find(',');
            if (comma == std::string::npos) {
                report.problems.push_back(NotUnderstood(i, line));
            } else {
                const std::size_t captionStart = std::min(item + 11, comma);
                state_.MenuCaptions.push_back(
                    Trim(std::string_view(line).substr(captionStart, comma - captionStart)));
                state_.MenuFiles.push_back(SourcePathFor(
                    LowerCase(Trim(std::string_view(line).substr(comma + 1, MenuItemFileLength)))));
            }
        }
        if (const std::size_t at = upper.find("MENU DEFAULT "); at != std::string::npos) {
            const std::optional<int> seconds =
                logic::ParseWholeSeconds(TrimRight(std::string_view(line).substr(at + 13)));
            if (seconds)
                state_.MenuTimeout = *seconds;
            else
                report.problems.push_back(NotUnderstood(i, line));
        }
        if (Contains(upper, "MENU SHOW") && ProcessLine(line, counter))
            counter += 10;
    }
    ports_.view.MenuChanged();
    return i;
}

void ScriptDocument::ResolveName(const std::string& name) {
    DocumentSystem& system = ports_.system;
    const std::string userName = system.UserName();
    const std::string computerName = system.ComputerName();
    const std::string windows = logic::WithTrailingBackslash(system.WindowsFolder());

    state_.CurrentFile = name;
    checked_.fill(false);
    std::string_view internet;
    const std::string fileName = LowerCase(logic::ExtractFileName(name));
    for (std::size_t s = 0; s < SelectorCount; ++s) {
        const auto selector = static_cast<Selector>(s);
        const SelectorFile file = SelectorFileFor(selector, userName, computerName);
        const bool isCode = name == SelectorCode(selector);
        if (!isCode && fileName != file.compared)
            continue;
        checked_[s] = true;
        if (isCode)
            state_.CurrentFile = file.currentFile;
        if (!InternetSetting(selector).empty())
            internet = InternetSetting(selector);
    }

    // A bare name is looked for in the Windows folder, then in the program's folder; a new
    // script goes to the Windows folder.
    if (ports_.files.FileExists(windows + state_.CurrentFile)) {
        state_.CurrentFile = windows + state_.CurrentFile;
    } else {
        const std::string program = logic::WithTrailingBackslash(system.ProgramFolder());
        if (ports_.files.FileExists(program + state_.CurrentFile))
            state_.CurrentFile = program + state_.CurrentFile;
    }
    if (!Contains(state_.CurrentFile, "\\"))
        state_.CurrentFile = windows + state_.CurrentFile;

    SetTitle(WindowTitleFor(state_.CurrentFile));
    system.WriteSetting(std::string(CurrentFileSetting), state_.CurrentFile);
    if (!internet.empty())
        system.WriteSetting(std::string(internet), CompiledPathFor(state_.CurrentFile));
    ports_.view.SelectorsChanged();
}

LoadReport ScriptDocument::LoadScript(const std::string& name) {
    // A copy: callers pass CurrentFile or a menu entry, which the load itself replaces.
    const std::string requested = name;
    state_.Modified = false;
    ClearRows();
    ResolveName(requested);

    LoadReport report;
    std::vector<std::string> lines;
    unreadFile_.clear();
    if (ports_.files.FileExists(state_.CurrentFile)) {
        std::string bytes;
        const FileResult read = ports_.files.ReadWhole(state_.CurrentFile, bytes);
        if (read.ok) {
            state_.LoadedFile = state_.CurrentFile;
            lines = SplitLines(bytes);
        } else {
            unreadFile_ = state_.CurrentFile;
            report.problems.push_back(state_.CurrentFile + " could not be read: " + read.error);
        }
    }
    LoadReport walked = WalkLines(lines);
    report.problems.insert(report.problems.end(), walked.problems.begin(), walked.problems.end());
    FillTextView();
    ports_.view.RowsChanged();
    return report;
}

LoadReport ScriptDocument::RestoreTemp(const std::vector<std::string>& lines) {
    state_.Updating = true;
    ClearRows();
    LoadReport report = WalkLines(lines);
    state_.Updating = false;
    ports_.view.RowsChanged();
    return report;
}

void ScriptDocument::FillTextView() {
    state_.Updating = true;
    ports_.view.SetScriptText(SaveTemp());
    state_.Updating = false;
}

void ScriptDocument::RestoreIfTextView() {
    if (state_.TextViewActive)
        RestoreTemp(ports_.view.ScriptText());
}

std::vector<std::string> ScriptDocument::MenuBlock() const {
    std::vector<std::string> lines;
    if (state_.MenuCaptions.size() <= 1 || state_.CurrentMenu != 0)
        return lines;
    lines.emplace_back("MENU START");
    const std::string program = logic::WithTrailingBackslash(ports_.system.ProgramFolder());
    for (std::size_t k = 1; k < state_.MenuCaptions.size(); ++k) {
        std::string file = k < state_.MenuFiles.size() ? state_.MenuFiles[k] : "";
        if (!Contains(file, "\\"))
            file = program + file;
        lines.push_back("MENU ITEM " + std::to_string(k) + " " + state_.MenuCaptions[k] + "," +
                        CompiledPathFor(file));
    }
    if (state_.MenuTimeout > 0)
        lines.push_back("MENU DEFAULT " + std::to_string(state_.MenuTimeout));
    return lines;
}

std::vector<std::string> ScriptDocument::TextAsSaved() const {
    std::vector<std::string> lines = MenuBlock();
    const bool menu = !lines.empty();
    const std::size_t commands = CommandCount();
    lines.reserve(lines.size() + commands + 1);
    bool hasMenuShow = false;
    for (std::size_t i = 0; i < commands; ++i) {
        lines.push_back(rows_[i].Command);
        hasMenuShow = hasMenuShow || rows_[i].Command == "MENU SHOW";
    }
    if (menu && !hasMenuShow)
        lines.emplace_back("MENU SHOW");
    return lines;
}

std::vector<std::string> ScriptDocument::SaveTemp() {
    // An item's script without a folder is stored back with the editor's folder in front.
    if (state_.MenuCaptions.size() > 1 && state_.CurrentMenu == 0) {
        const std::string program = logic::WithTrailingBackslash(ports_.system.ProgramFolder());
        for (std::size_t k = 1; k < state_.MenuCaptions.size() && k < state_.MenuFiles.size(); ++k)
            if (!Contains(state_.MenuFiles[k], "\\"))
                state_.MenuFiles[k] = program + state_.MenuFiles[k];
    }
    return TextAsSaved();
}

SaveOutcome ScriptDocument::WriteScript() {
    using Status = SaveOutcome::Status;
    const std::string& path = state_.CurrentFile;
    if (!state_.MenuFiles.empty() &&
        static_cast<std::size_t>(state_.CurrentMenu) < state_.MenuFiles.size())
        state_.MenuFiles[state_.CurrentMenu] = path;
    if (!unreadFile_.empty() && LowerCase(unreadFile_) == LowerCase(path))
        return {Status::Failed,
                path + " could not be read when it was opened, so it is not replaced. Use Save "
                       "As to keep this script under another name."};

    if (CommandCount() == 0) {
        for (const std::string& file : {path, CompiledPathFor(path)}) {
            if (!ports_.files.FileExists(file))
                continue;
            const FileResult deleted = ports_.files.Remove(file);
            if (!deleted.ok)
                return {Status::Failed, deleted.error};
        }
        return {Status::Deleted, ""};
    }

    std::string text;
    for (const std::string& line : SaveTemp())
        text += line + "\r\n";
    const FileResult written = ports_.files.ReplaceAtomically(path, text);
    if (!written.ok)
        return {Status::Failed, written.error};
    state_.Modified = false;
    return {Status::Written, ports_.compiler.CompileSavedScript(path)};
}

SaveOutcome ScriptDocument::Save() {
    RestoreIfTextView();
    if (Contains(LowerCase(state_.CurrentFile), "untitled"))
        return {SaveOutcome::Status::NeedsSaveAs, ""};
    return WriteScript();
}

SaveOutcome ScriptDocument::SaveAs(const std::string& fileName) {
    if (Trim(fileName).empty())
        return {SaveOutcome::Status::Failed, "No file name was given."};
    state_.CurrentFile = fileName;
    if (!Contains(LowerCase(fileName), ".qvs"))
        state_.CurrentFile += ".qvs";
    recent_.Add(state_.CurrentFile);
    SetTitle(WindowTitleFor(state_.CurrentFile));
    ports_.system.WriteSetting(std::string(CurrentFileSetting), state_.CurrentFile);
    RestoreIfTextView();
    return WriteScript();
}

LoadReport ScriptDocument::UndoChanges() {
    LoadReport report = LoadScript(state_.CurrentFile);
    state_.Modified = false;
    return report;
}

} // namespace qv::editor
