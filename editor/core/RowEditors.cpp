#include "editor/core/RowEditors.h"

#include "language/Text.h"

#include <array>

namespace qv::editor {

namespace {

struct Toggle {
    std::string_view prefix;
    std::string_view command;
    std::string_view title;
};

constexpr std::array<Toggle, 4> Toggles = {{
    {"PROMPT ON", "PROMPT OFF", "Prompt Off"},
    {"PROMPT OFF", "PROMPT ON", "Prompt On"},
    {"ERROR ON", "ERROR OFF", "Errors Off"},
    {"ERROR OFF", "ERROR ON", "Errors On"},
}};

struct RowEditorEntry {
    std::string_view prefix;
    RowEditor editor;
};

// The toggles are tested after these.
constexpr std::array<RowEditorEntry, 17> RowEditorTable = {{
    {"MENU SHOW", RowEditor::MenuDialog},
    {"CLOSE", RowEditor::CloseProgram},
    {"MINIMIZE", RowEditor::MinimizeProgram},
    {"CONNECT", RowEditor::ConnectDrive},
    {"CAPTURE", RowEditor::CapturePort},
    {"RUN", RowEditor::RunScript},
    {"DESKTOP", RowEditor::ChangeDesktop},
    {"LOAD", RowEditor::RunProgram},
    {"WAIT", RowEditor::Wait},
    {"COPY", RowEditor::CopyFiles},
    {"RENAME", RowEditor::RenameFile},
    {"DEL", RowEditor::DeleteFiles},
    {"LOCATE", RowEditor::Locate},
    {"DATE", RowEditor::Date},
    {"SENDKEYS", RowEditor::SendKeys},
    {"ENABLE", RowEditor::EnableDisable},
    {"DISABLE", RowEditor::EnableDisable},
}};

// The first prefix that starts a command wins, so no entry may start with an earlier one: it
// would never be reached.
constexpr bool EveryPrefixReachable() {
    for (std::size_t i = 0; i < RowEditorTable.size(); ++i)
        for (std::size_t j = i + 1; j < RowEditorTable.size(); ++j)
            if (RowEditorTable[j].prefix.starts_with(RowEditorTable[i].prefix))
                return false;
    for (const RowEditorEntry& entry : RowEditorTable)
        for (const Toggle& toggle : Toggles)
            if (toggle.prefix.starts_with(entry.prefix))
                return false;
    return true;
}
static_assert(EveryPrefixReachable(), "an editor's prefix is hidden behind an earlier one");

} // namespace

RowEditor EditorFor(std::string_view command) {
    for (const RowEditorEntry& entry : RowEditorTable)
        if (StartsWith(command, entry.prefix))
            return entry.editor;
    return ToggleRow(command) ? RowEditor::Toggle : RowEditor::None;
}

std::optional<ToggledRow> ToggleRow(std::string_view command) {
    for (const Toggle& toggle : Toggles)
        if (StartsWith(command, toggle.prefix))
            return ToggledRow{std::string(toggle.command), std::string(toggle.title)};
    return std::nullopt;
}

} // namespace qv::editor
