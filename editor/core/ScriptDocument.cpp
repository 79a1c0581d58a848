#include "editor/core/ScriptDocument.h"

#include "editor/core/LoadPath.h"
#include "editor/core/RowKinds.h"
#include "interpreter/logic/OpsLoad.h"
#include "language/Text.h"

#include <algorithm>
#include <numeric>

namespace qv::editor {

ScriptDocument::ScriptDocument(DocumentPorts ports) : ports_(ports) {
    AppendEndRow(0);
}

void ScriptDocument::SetFocusedRow(int index) {
    focused_ = index >= 0 && index < static_cast<int>(rows_.size()) ? index : -1;
}

void ScriptDocument::SetRowSelected(int index, bool selected) {
    if (index >= 0 && index < static_cast<int>(rows_.size()))
        rows_[index].Selected = selected;
}

void ScriptDocument::ClearRows() {
    rows_.clear();
    endRow_ = false;
    focused_ = -1;
    ports_.icons.ClearIcons();
}

// New rows go in front of the end row, so it stays last until the next sort.
void ScriptDocument::InsertRow(ScriptRow row) {
    if (!endRow_) {
        rows_.push_back(std::move(row));
        return;
    }
    const int at = static_cast<int>(rows_.size()) - 1;
    rows_.insert(rows_.begin() + at, std::move(row));
    if (focused_ >= at)
        ++focused_;
}

void ScriptDocument::AppendEndRow(int order) {
    rows_.push_back(ScriptRow{"", "", order, -1, false});
    endRow_ = true;
}

bool ScriptDocument::ProcessLine(std::string_view line, int order) {
    ScriptRow row;
    row.Command = Trim(line);
    row.Order = order;
    RowKind kind = ClassifyRow(UpperCase(row.Command));
    if (kind == RowKind::Switches)
        return false;
    // Only the document makes its end row; a script line beginning LAST keeps its text.
    if (kind == RowKind::Last)
        kind = RowKind::Unknown;
    row.Title = RowTitle(kind, row.Command);
    // An untitled row could be neither copied, cut, deleted nor edited.
    if (row.Title.empty())
        row.Title = ProperCase(row.Command);
    row.Icon = ports_.icons.AppendIcon(
        kind == RowKind::Load ? ProgramIcon(LoadProgramPath(row.Command))
                              : IconRequest{IconRequest::Kind::BuiltIn, "", PrefixOf(kind).icon});
    InsertRow(std::move(row));
    return true;
}

IconRequest ScriptDocument::ProgramIcon(const std::string& path) {
    std::string source = path;
    int index = 0;
    if (logic::IsShortcutPath(path)) {
        source.clear();
        if (const std::optional<ShortcutInfo> link = ports_.shortcuts.ReadShortcut(path)) {
            source = link->iconLocation.empty() ? link->target : link->iconLocation;
            index = link->iconIndex;
        }
    }
    if (!source.empty() && ports_.files.PathExists(source))
        return {IconRequest::Kind::Associated, source, index};
    return {IconRequest::Kind::Library, std::string(logic::MissingFileIconFile),
            logic::MissingFileIconIndex};
}

int ScriptDocument::CompareRows(const ScriptRow& a, const ScriptRow& b) {
    return a.Order < b.Order ? -1 : (a.Order > b.Order ? 1 : 0);
}

// Stable, so rows pasted or dropped with one Order keep the order they were added in.
void ScriptDocument::SortRows() {
    const auto before = [](const ScriptRow& a, const ScriptRow& b) {
        return CompareRows(a, b) < 0;
    };
    if (std::is_sorted(rows_.begin(), rows_.end(), before))
        return;
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this, &before](std::size_t a, std::size_t b) {
        return before(rows_[a], rows_[b]);
    });
    std::vector<ScriptRow> sorted;
    sorted.reserve(rows_.size());
    int focused = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == focused_)
            focused = static_cast<int>(i);
        sorted.push_back(std::move(rows_[order[i]]));
    }
    rows_ = std::move(sorted);
    focused_ = focused;
}

namespace {

// These tests are case-sensitive: a lower-case wait is left as it is.
void InsertForLoad(ScriptRow& row) {
    const std::string& command = row.Command;
    if (Contains(command, "WAIT FOR WINDOW") || !StartsWith(command, "WAIT ") ||
        Contains(command, "FOR LOAD "))
        return;
    row.Command.insert(4, " FOR LOAD");
    row.Title.insert(std::min<std::size_t>(4, row.Title.size()), " For Load");
}

void RemoveForLoad(ScriptRow& row) {
    if (!StartsWith(row.Command, "WAIT FOR LOAD "))
        return;
    row.Command.erase(4, 9);
    if (row.Title.size() > 4)
        row.Title.erase(4, 9);
}

} // namespace

// A wait is a WAIT FOR LOAD exactly when it is the first command, or the second right after an
// ENABLE or DISABLE command.
void ScriptDocument::NormaliseWaits() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        ScriptRow& row = rows_[i];
        if (i == 0) {
            InsertForLoad(row);
        } else if (i >= 2) {
            RemoveForLoad(row);
        } else {
            const std::string& first = rows_[0].Command;
            if (StartsWith(first, "DISABLE") || StartsWith(first, "ENABLE"))
                InsertForLoad(row);
            else if (!Contains(first, "DISABLE") && !Contains(first, "ENABLE"))
                RemoveForLoad(row);
        }
    }
}

void ScriptDocument::MoveSelection() {
    if (state_.EditInPlace) {
        if (focused_ >= 0)
            rows_[focused_].Selected = true;
        return;
    }
    const int endRow = static_cast<int>(rows_.size()) - 1;
    int k = endRow;
    if (focused_ >= 0) {
        k = focused_ > 0 ? focused_ - 1 : 0;
        if (k == endRow - 1)
            k = endRow;
    }
    rows_[k].Selected = true;
    focused_ = k;
}

void ScriptDocument::RefreshLines() {
    SortRows();
    NormaliseWaits();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].Selected = false;
        rows_[i].Order = static_cast<int>(i + 1) * 10;
    }
    state_.Modified = true;
    MoveSelection();
    ports_.view.RowsChanged();
}

namespace {
int OrderWithoutFocus(std::size_t rowCount) {
    return 10 * static_cast<int>(rowCount) - 15;
}
} // namespace

int ScriptDocument::InsertOrder() const {
    return focused_ >= 0 ? rows_[focused_].Order - 5 : OrderWithoutFocus(rows_.size());
}

int ScriptDocument::PasteOrder() const {
    return (focused_ >= 0 ? rows_[focused_].Order : OrderWithoutFocus(rows_.size())) - 10;
}

void ScriptDocument::AddLine(std::string_view line) {
    if (state_.TextViewActive)
        return;
    ProcessLine(line, InsertOrder());
    RefreshLines();
}

void ScriptDocument::DropFiles(const std::vector<std::string>& paths) {
    if (state_.TextViewActive || paths.empty())
        return;
    const int order = InsertOrder();
    for (const std::string& path : paths)
        ProcessLine("LOAD " + path, order);
    RefreshLines();
}

void ScriptDocument::Copy() {
    std::string text(1, ClipboardMark);
    for (std::size_t i = 0; i < CommandCount(); ++i) {
        const ScriptRow& row = rows_[i];
        if (row.Selected && !row.Title.empty())
            text += row.Command + ClipboardMark;
    }
    ports_.clipboard.SetClipboardText(text);
}

void ScriptDocument::DeleteSelectedRows() {
    std::size_t kept = 0;
    int focused = -1;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].Selected && !rows_[i].Title.empty() && i < CommandCount())
            continue;
        if (static_cast<int>(i) == focused_)
            focused = static_cast<int>(kept);
        if (kept != i)
            rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
    focused_ = focused;
}

void ScriptDocument::Cut() {
    if (state_.TextViewActive)
        return;
    Copy();
    DeleteSelectedRows();
    RefreshLines();
}

void ScriptDocument::Delete() {
    if (state_.TextViewActive)
        return;
    DeleteSelectedRows();
    RefreshLines();
}

void ScriptDocument::Paste() {
    if (state_.TextViewActive)
        return;
    const int order = PasteOrder();
    const std::optional<std::string> text = ports_.clipboard.ClipboardText();
    if (text && !text->empty() && text->front() == ClipboardMark) {
        std::string_view rest = std::string_view(*text).substr(1);
        for (std::size_t end = rest.find(ClipboardMark); end != std::string_view::npos;
             end = rest.find(ClipboardMark)) {
            const std::string_view piece = rest.substr(0, end);
            rest.remove_prefix(end + 1);
            // A row holds one line: foreign text with line breaks becomes one row per line.
            if (piece.find_first_of("\r\n") == std::string_view::npos) {
                ProcessLine(piece, order);
                continue;
            }
            for (const std::string& line : SplitLines(piece))
                ProcessLine(line, order);
        }
    }
    RefreshLines();
}

RowEditor ScriptDocument::BeginRowEdit() {
    if (focused_ < 0 || focused_ >= static_cast<int>(CommandCount()))
        return RowEditor::None;
    ScriptRow& row = rows_[focused_];
    if (!row.Selected || row.Title.empty())
        return RowEditor::None;
    state_.EditInPlace = true;
    const std::string command = Trim(row.Command);
    const RowEditor editor = EditorFor(command);
    if (editor == RowEditor::Toggle) {
        if (const std::optional<ToggledRow> toggled = ToggleRow(command))
            RewriteFocusedRow(toggled->command, toggled->title);
    }
    // The menu belongs to the main script: a MENU SHOW row of an item's script must not
    // rebuild it from that script.
    if (editor == RowEditor::MenuDialog && !(state_.MenuEditing && state_.CurrentMenu == 0))
        return RowEditor::None;
    return editor;
}

void ScriptDocument::EndRowEdit() {
    state_.EditInPlace = false;
}

void ScriptDocument::RewriteFocusedRow(std::string_view command, std::string title) {
    if (focused_ < 0 || focused_ >= static_cast<int>(CommandCount()))
        return;
    ScriptRow& row = rows_[focused_];
    row.Command = Trim(command);
    row.Title = std::move(title);
    state_.Modified = true;
    ports_.view.RowsChanged();
}

void ScriptDocument::SetFocusedRowIcon(const IconRequest& icon) {
    if (focused_ < 0 || focused_ >= static_cast<int>(CommandCount()))
        return;
    rows_[focused_].Icon = ports_.icons.AppendIcon(icon);
    ports_.view.RowsChanged();
}

void ScriptDocument::RemoveRow(std::size_t index) {
    if (index >= CommandCount())
        return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    for (ScriptRow& row : rows_)
        row.Selected = false;
    rows_[index].Selected = true;
    focused_ = static_cast<int>(index);
    state_.Modified = true;
    ports_.view.RowsChanged();
}

MenuDialogValues ScriptDocument::MenuDialogOpening() const {
    MenuDialogValues values;
    for (std::size_t i = 0; i < values.captions.size(); ++i) {
        if (i + 1 < state_.MenuCaptions.size())
            values.captions[i] = state_.MenuCaptions[i + 1];
        if (i + 1 < state_.MenuFiles.size())
            values.scripts[i] = state_.MenuFiles[i + 1];
    }
    if (state_.MenuTimeout > 0) {
        values.timeoutChecked = true;
        values.timeoutSeconds = state_.MenuTimeout;
    }
    return values;
}

void ScriptDocument::ApplyMenuDialog(const MenuDialogValues& values) {
    state_.MenuCaptions = {"Main"};
    state_.MenuFiles = {state_.LoadedFile};
    for (std::size_t i = 0; i < values.captions.size(); ++i) {
        if (values.captions[i].empty())
            continue;
        state_.MenuCaptions.push_back(values.captions[i]);
        state_.MenuFiles.push_back(values.scripts[i]);
    }
    state_.MenuTimeout = values.timeoutChecked ? values.timeoutSeconds : 0;
    state_.CurrentMenu = 0;
    state_.Modified = true;
    ports_.view.MenuChanged();
}

} // namespace qv::editor
