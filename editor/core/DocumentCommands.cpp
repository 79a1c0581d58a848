#include "editor/core/ScriptDocument.h"

namespace qv::editor {

PromptOutcome ScriptDocument::AnswerSavePrompt(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Yes: {
        PromptOutcome outcome;
        outcome.save = Save();
        outcome.proceed = outcome.save.status == SaveOutcome::Status::Written ||
                          outcome.save.status == SaveOutcome::Status::Deleted;
        return outcome;
    }
    case PromptAnswer::No:
        return {true, {}};
    case PromptAnswer::Cancel:
        break;
    }
    return {false, {}};
}

LoadReport ScriptDocument::OpenDocument(const std::string& name) {
    state_.Modified = false;
    state_.MenuCaptions = {"Main"};
    state_.MenuFiles = {name};
    state_.CurrentMenu = 0;
    // True while the file is read, so its menu block counts; the text view keeps it off.
    state_.MenuEditing = true;
    LoadReport report = LoadScript(name);
    state_.MenuFiles[0] = state_.CurrentFile;
    state_.MenuEditing = !state_.TextViewActive;
    ports_.view.MenuChanged();
    return report;
}

LoadReport ScriptDocument::NewScript() {
    return OpenDocument("untitled");
}

LoadReport ScriptDocument::OpenScript(const std::string& path) {
    recent_.Add(path);
    return OpenDocument(path);
}

LoadReport ScriptDocument::OpenRecentFile(std::size_t index) {
    if (index >= recent_.Paths().size())
        return {};
    const std::string path = recent_.Paths()[index];
    return OpenDocument(path);
}

LoadReport ScriptDocument::OpenSelector(Selector selector) {
    return OpenDocument(std::string(SelectorCode(selector)));
}

LoadReport ScriptDocument::StartupLoad(const std::string& argument, const std::string& storedPath) {
    if (!argument.empty() && argument != InstallSwitch)
        return OpenScript(argument);
    return OpenScript(storedPath.empty() ? std::string(DefaultScriptName) : storedPath);
}

LoadReport ScriptDocument::ChooseMenuEntry(int entry) {
    if (state_.TextViewActive || entry < 0 ||
        static_cast<std::size_t>(entry) >= state_.MenuFiles.size())
        return {};
    state_.CurrentMenu = entry;
    state_.MenuEditing = entry == 0;
    LoadReport report = LoadScript(state_.MenuFiles[entry]);
    ports_.view.MenuChanged();
    return report;
}

void ScriptDocument::EnterTextView() {
    if (state_.TextViewActive)
        return;
    FillTextView();
    state_.TextViewActive = true;
    state_.MenuEditing = false;
    ports_.view.MenuChanged();
}

LoadReport ScriptDocument::LeaveTextView() {
    if (!state_.TextViewActive)
        return {};
    state_.TextViewActive = false;
    LoadReport report = RestoreTemp(ports_.view.ScriptText());
    state_.MenuEditing = state_.CurrentMenu == 0;
    ports_.view.MenuChanged();
    return report;
}

void ScriptDocument::TextEdited() {
    if (!state_.Updating)
        state_.Modified = true;
}

} // namespace qv::editor
