#pragma once
// The seams through which the command dialogs plug into the main window: one table row per Add
// command (its captions in the three menus and the handler that builds its line), and one
// handler per row editor of the double-click dispatch. A command or editor whose handler is
// still null is shown disabled, or does nothing on a double-click.
#include "common/win32/MessageLoop.h"
#include "editor/core/RowEditors.h"
#include "editor/core/ScriptDocument.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>

namespace qv::win32 {

// What a handler may use: the one message loop, the main window to own and centre its dialog
// over, and the document.
struct CommandContext {
    MessageLoop& loop;
    HWND owner;
    editor::ScriptDocument& document;
};

// Builds the line of a new command: shows its dialog and returns the line on OK, nothing on
// Cancel. The main window inserts the line at InsertOrder() and calls RefreshLines().
using AddHandler = std::optional<std::string> (*)(CommandContext& context);

struct AddCommand {
    int id;
    const char* menuCaption;    // Edit menu's "&Add"
    const char* contextCaption; // the list's context menu
    const char* boxCaption;     // the command box's drop-down, and its caption once chosen
    bool boxRepeats;            // pressing the box runs it again while it shows boxCaption
    bool inPromptMenu;          // one of the "Prompt" submenu's three entries
    bool hidden;                // "Move File(s)": hidden and disabled
    AddHandler handler;         // null: disabled until its dialog is built
};

// The Add commands in menu order.
std::span<const AddCommand> AddCommands();
const AddCommand* FindAddCommand(int id);

// Opens the editor of the focused row (EditInPlace is set around it): on OK it rewrites the
// row (ScriptDocument::RewriteFocusedRow, SetFocusedRowIcon) and calls RefreshLines() where
// its command says so; on Cancel it changes nothing.
using RowEditHandler = void (*)(CommandContext& context);

// The handler for a row editor of the dispatch; null for None, Toggle (the document rewrites
// those rows itself) and the editors whose dialogs are not built yet.
RowEditHandler RowEditHandlerFor(editor::RowEditor editor);

// The other dialogs of the main window, null until they are built: the import wizard (true when
// it ends with its Yes result, after which the window saves), Restore to Original Location on
// the focused row, the options dialog, and the installation of the "/install" start.
using WizardHandler = bool (*)(CommandContext& context);
using ActionHandler = void (*)(CommandContext& context);
struct WindowSeams {
    WizardHandler importWizard = nullptr;
    ActionHandler restoreToOriginalLocation = nullptr;
    ActionHandler options = nullptr;
    ActionHandler install = nullptr;
};
const WindowSeams& MainWindowSeams();

} // namespace qv::win32
