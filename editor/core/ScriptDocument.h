#pragma once
// The script being edited: its rows in order, the end row, the document state of the main
// window, and every command that reads, changes, saves or replaces them. The Win32 list view
// only mirrors Rows() and reports focus and selection back; the text view's box is reached
// through DocumentView.
#include "editor/core/DocumentPorts.h"
#include "editor/core/RowEditors.h"
#include "editor/core/ScriptNames.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

struct ScriptRow {
    std::string Title;
    std::string Command; // the script line, trimmed
    int Order = 0;       // sort key; the hidden third column shows it in decimal
    int Icon = -1;       // index into the two image lists; -1 for none
    bool Selected = false;
};

struct DocumentState {
    std::string CurrentFile;
    std::string LoadedFile;
    bool Modified = false;
    std::vector<std::string> MenuCaptions{"Main"};
    std::vector<std::string> MenuFiles;
    int MenuTimeout = 0;
    int CurrentMenu = 0;
    bool MenuEditing = true;
    bool TextViewActive = false;
    bool Updating = false;
    bool EditInPlace = false;
};

inline constexpr std::string_view DeveloperCaption = "Quorvel Developer";
inline constexpr std::string_view SavePromptText = "Do you want to save the changes?";
inline constexpr std::string_view UndoQuestionText = "Are you sure you wish to lose these changes?";
// The registry value that keeps CurrentFile for the next start.
inline constexpr std::string_view CurrentFileSetting = "Current File";
inline constexpr std::string_view DefaultScriptName = "common.qvs";
inline constexpr std::string_view InstallSwitch = "/install";
// Starts the clipboard text of copied rows and ends each row's command.
inline constexpr char ClipboardMark = '\x01';
inline constexpr int MenuDialogItems = 9;

// Lines a load could not use, for the window's status bar; the rest of the script is loaded.
struct LoadReport {
    std::vector<std::string> problems;
    bool Clean() const { return problems.empty(); }
};

struct SaveOutcome {
    enum class Status {
        Written,     // the file was replaced and Modified cleared; message: a compile failure
        Deleted,     // the script had no commands: its .qvs and .qvc are gone
        NeedsSaveAs, // the script is untitled: ask for a name, then call SaveAs
        Failed,      // nothing was replaced or deleted; Modified is unchanged; message says why
    };
    Status status = Status::Failed;
    std::string message;
};

enum class PromptAnswer { Yes, No, Cancel };

struct PromptOutcome {
    // Whether the command that asked goes on. Yes goes on only after a save that kept the work
    // (Written or Deleted); NeedsSaveAs and Failed stop it, see SaveOutcome.
    bool proceed = false;
    SaveOutcome save; // what Yes did
};

// The menu dialog's fields: caption and script boxes 0 to 8, the time-out check box and spin.
struct MenuDialogValues {
    std::array<std::string, MenuDialogItems> captions;
    std::array<std::string, MenuDialogItems> scripts;
    bool timeoutChecked = false;
    int timeoutSeconds = 1;
};

class ScriptDocument {
  public:
    explicit ScriptDocument(DocumentPorts ports);

    // ---- What the window shows ----
    const std::vector<ScriptRow>& Rows() const { return rows_; }
    // The rows before the end row.
    std::size_t CommandCount() const { return rows_.size() - 1; }
    int FocusedRow() const { return focused_; }
    const DocumentState& State() const { return state_; }
    const std::string& WindowTitle() const { return title_; }
    bool SelectorChecked(Selector selector) const {
        return checked_[static_cast<std::size_t>(selector)];
    }
    const RecentFiles& Recent() const { return recent_; }
    void SetRecentFiles(const std::vector<std::string>& paths) { recent_.Assign(paths); }

    // ---- Focus and selection, as the list view reports them ----
    void SetFocusedRow(int index); // -1: none
    void SetRowSelected(int index, bool selected);

    // ---- The document's own operations ----
    // Appends a row for a script line with this Order; false for a line that makes no row.
    bool ProcessLine(std::string_view line, int order);
    // Sorts by Order (rows of equal Order keep their order), normalises WAIT FOR LOAD lines,
    // renumbers 10, 20, 30, ..., sets Modified and moves the selection.
    void RefreshLines();
    // The Order of a row added by an Add command, a drop or an import: just above the focused
    // row, or above the end row without a focused row.
    int InsertOrder() const;
    // The Order of every pasted row.
    int PasteOrder() const;
    // Orders two rows by Order: negative, zero or positive.
    static int CompareRows(const ScriptRow& a, const ScriptRow& b);
    // The script text: the menu block of a main script with menu items, then every command.
    std::vector<std::string> SaveTemp();
    // The same text, leaving the document as it is (SaveTemp stores the menu items' folders).
    std::vector<std::string> TextAsSaved() const;
    // The lines the text starts with before the first row: the menu block of a main script.
    std::vector<std::string> MenuBlock() const;
    // Replaces the rows with rows made from text lines (the text view's box), as a load does.
    LoadReport RestoreTemp(const std::vector<std::string>& lines);
    // Replaces the rows with the script named by a path or a selector code ("M", "U", "C",
    // "IC", "ID").
    LoadReport LoadScript(const std::string& name);

    // ---- Commands ----
    // An Add command's line: ProcessLine at InsertOrder, then RefreshLines.
    void AddLine(std::string_view line);
    // Files dropped from the shell become LOAD lines above the focused row, in the order given.
    void DropFiles(const std::vector<std::string>& paths);
    // Clipboard and deletion on the list (the text view's box does its own).
    void Copy();
    void Cut();
    void Paste();
    void Delete();
    // The Save command: writes CurrentFile and compiles it.
    SaveOutcome Save();
    // Save As with a confirmed file name (".qvs" appended when it holds none), then the save.
    SaveOutcome SaveAs(const std::string& fileName);
    // After the user confirmed UndoQuestionText: reload CurrentFile from disk.
    LoadReport UndoChanges();

    // The save prompt guards New, Open, the recent files, the selectors, the menu selector, Run,
    // Create Shortcut, closing the window and Exit: ask SavePromptText when this is true.
    bool SavePromptNeeded() const { return state_.Modified; }
    PromptOutcome AnswerSavePrompt(PromptAnswer answer);

    // The document-replacing commands, run after the save prompt: reset the menu state to the
    // single entry "Main", then load.
    LoadReport NewScript();
    LoadReport OpenScript(const std::string& path); // also added to the recent files
    LoadReport OpenRecentFile(std::size_t index);
    LoadReport OpenSelector(Selector selector);
    // The first load of a run: the command-line argument unless it is empty or "/install",
    // else the stored script path ("common.qvs" when none is stored).
    LoadReport StartupLoad(const std::string& argument, const std::string& storedPath);
    // The menu selector's entry (after the save prompt): 0 the main script, k its item k.
    LoadReport ChooseMenuEntry(int entry);

    // ---- Views ----
    void EnterTextView();
    // To the icon or list view: rebuilds the rows from the text box when it was active.
    LoadReport LeaveTextView();
    // The user typed in the text box.
    void TextEdited();

    // ---- Editing a row in place (double-click or Enter) ----
    // Sets EditInPlace and tells which editor to open for the focused row. Toggle rows are
    // rewritten here; MenuDialog is offered only while the main script is on show. Call
    // EndRowEdit when the editor has closed, whatever it returned.
    RowEditor BeginRowEdit();
    void EndRowEdit();
    // An editor's OK: the focused row's command (trimmed) and title; sets Modified.
    void RewriteFocusedRow(std::string_view command, std::string title);
    // Gives the focused row a new picture (appended to the image lists).
    void SetFocusedRowIcon(const IconRequest& icon);
    // The picture of a LOAD row's program, document or shortcut path.
    IconRequest ProgramIcon(const std::string& path);
    // Removes one command row (a restored import) and selects the row now in its place.
    void RemoveRow(std::size_t index);

    // ---- The menu dialog ----
    MenuDialogValues MenuDialogOpening() const;
    // OK: rebuilds MenuCaptions and MenuFiles ("Main" with LoadedFile, then every item with a
    // caption), sets MenuTimeout and Modified, and shows entry 0.
    void ApplyMenuDialog(const MenuDialogValues& values);

  private:
    void ClearRows();
    void InsertRow(ScriptRow row);
    void AppendEndRow(int order);
    void SortRows();
    void NormaliseWaits();
    void MoveSelection();
    void DeleteSelectedRows();
    void FillTextView();
    void RestoreIfTextView();
    LoadReport WalkLines(const std::vector<std::string>& lines);
    std::size_t ReadMenuBlock(const std::vector<std::string>& lines, std::size_t start,
                              int& counter, LoadReport& report);
    void ResolveName(const std::string& name);
    LoadReport OpenDocument(const std::string& name);
    SaveOutcome WriteScript();
    void SetTitle(std::string title);

    DocumentPorts ports_;
    std::vector<ScriptRow> rows_;
    bool endRow_ = false;
    int focused_ = -1;
    DocumentState state_;
    std::string title_{InitialWindowTitle};
    std::array<bool, SelectorCount> checked_{};
    RecentFiles recent_;
    // A script that exists but could not be read: never deleted or replaced by a save.
    std::string unreadFile_;
};

} // namespace qv::editor
