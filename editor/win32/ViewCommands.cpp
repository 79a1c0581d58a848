#include "common/win32/ShellLink.h"
#include "editor/win32/AboutFrm.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/HelpTopics.h"
#include "editor/win32/TipFrm.h"
#include "editor/win32/ViewFrm.h"
#include "language/CompiledScript.h"
#include "language/Text.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace qv::win32 {
namespace {

using editor::SaveOutcome;

// The script dialogs: "Open" and "Save As", both for "Quorvel Script|*.qvs".
std::optional<std::string> AskScriptFile(HWND owner, bool save) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Quorvel Script\0*.qvs\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = save ? nullptr : "Open";
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : 0);
    const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (chosen == FALSE || file[0] == '\0') {
        return std::nullopt;
    }
    return std::string(file);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CommandContext TfrmView::Context() {
    return CommandContext{Loop(), Handle(), document_};
}

int TfrmView::Ask(const std::string& text, UINT flags) {
    return ::MessageBoxA(Handle(), text.c_str(), std::string(editor::DeveloperCaption).c_str(),
                         flags);
}

void TfrmView::OnCommand(int id, int code) {
    if (id == ids::cboMenu) {
        if (code == CBN_SELCHANGE) {
            MenuSelectorChanged();
        }
        return;
    }
    if (id == ids::Memo1) {
        if (code == EN_CHANGE) {
            document_.TextEdited();
        }
        return;
    }
    // Each command looks at the disk afresh.
    services_.ForgetPaths();
    PullSelection();
    if (const AddCommand* command = FindAddCommand(id)) {
        RunAddCommand(*command);
        return;
    }
    if (id >= ids::Recent1 && id <= ids::Recent5) {
        if (SavePrompt()) {
            ReportLoad(document_.OpenRecentFile(static_cast<std::size_t>(id - ids::Recent1)));
            UpdateRecentMenu();
        }
        return;
    }
    const auto selector = [this](editor::Selector which) {
        if (SavePrompt()) {
            ReportLoad(document_.OpenSelector(which));
        }
    };
    const WindowSeams& seams = MainWindowSeams();
    switch (id) {
    case ids::New1:
        if (SavePrompt()) {
            ReportLoad(document_.NewScript());
        }
        break;
    case ids::Open1:
        OpenCommand();
        break;
    case ids::SaveAs1:
        SaveAsCommand();
        break;
    case ids::Save1:
        SaveCommand();
        break;
    case ids::CreateShortcut1:
        CreateShortcutofScript1Click();
        break;
    case ids::ImportWizard1:
        if (seams.importWizard != nullptr) {
            CommandContext context = Context();
            if (seams.importWizard(context)) {
                SaveCommand();
            }
        }
        break;
    case ids::UserName1:
        selector(editor::Selector::UserName);
        break;
    case ids::ComputerName1:
        selector(editor::Selector::ComputerName);
        break;
    case ids::Common1:
        selector(editor::Selector::Common);
        break;
    case ids::InternetConnect1:
        selector(editor::Selector::InternetConnect);
        break;
    case ids::InternetDisconnect1:
        selector(editor::Selector::InternetDisconnect);
        break;
    case ids::Exit1:
        ExitCommand();
        break;
    case ids::UndoChanges1:
        UndoChangesCommand();
        break;
    case ids::Run1:
        RunCommand();
        break;
    case ids::Cut1:
    case ids::Copy1:
    case ids::Paste1:
    case ids::Delete1:
        ClipboardCommand(id);
        break;
    case ids::ShowMainToolbar1:
    case ids::ShowMenuToolbar1:
        ToggleToolbar(id);
        break;
    case ids::IconView1:
        SetView(ScriptView::Icon);
        break;
    case ids::ListView2:
        SetView(ScriptView::List);
        break;
    case ids::TextView1:
        SetView(ScriptView::Text);
        break;
    case ids::Options1:
        if (seams.options != nullptr) {
            CommandContext context = Context();
            seams.options(context);
            // Its Clear button may have emptied the recent files.
            UpdateRecentMenu();
            // The options dialog may have changed it; a failed read leaves it as it was.
            if (const std::optional<std::uint32_t> win98 = settings_.Key().ReadDword("Win98")) {
                win98_ = *win98 != 0;
            }
        }
        break;
    case ids::RestoretoOriginalLocation1:
        if (seams.restoreToOriginalLocation != nullptr) {
            CommandContext context = Context();
            seams.restoreToOriginalLocation(context);
        }
        break;
    case ids::Help1:
        OpenHelpTopic(Handle(), HelpContents);
        break;
    case ids::TipoftheDay1:
        ShowTipOfTheDay();
        break;
    case ids::About1:
        TfrmAbout(Loop(), Handle()).ShowModal(Handle());
        break;
    case ids::CheckScript1:
        CheckScriptCommand();
        break;
    case ids::WhatIf1:
        WhatIfCommand();
        break;
    case ids::ViewRunLog1:
        ViewRunLogCommand();
        break;
    case ids::CommandBox:
        CommandBoxClick();
        break;
    case ids::MenuButton:
        MenuButtonClick();
        break;
    default:
        break;
    }
}

// ---- Saving ----

bool TfrmView::SavePrompt() {
    if (!document_.SavePromptNeeded()) {
        return true;
    }
    switch (Ask(std::string(editor::SavePromptText), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return SaveCommand();
    case IDNO:
        return document_.AnswerSavePrompt(editor::PromptAnswer::No).proceed;
    default:
        return false;
    }
}

bool TfrmView::SaveCommand() {
    const SaveOutcome outcome = document_.Save();
    if (outcome.status == SaveOutcome::Status::NeedsSaveAs) {
        return SaveAsCommand();
    }
    return ReportSave(outcome);
}

bool TfrmView::SaveAsCommand() {
    PullSelection();
    const std::optional<std::string> file = AskScriptFile(Handle(), true);
    if (!file) {
        return false;
    }
    const bool saved = ReportSave(document_.SaveAs(*file));
    UpdateRecentMenu();
    return saved;
}

// A failure is shown with the system's message; the command that asked goes on only when the
// work is kept in both files.
bool TfrmView::ReportSave(const SaveOutcome& outcome) {
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    const std::string& file = document_.State().CurrentFile;
    switch (outcome.status) {
    case SaveOutcome::Status::Written:
        if (!outcome.message.empty()) {
            Ask(file + " was saved, but its compiled script was not written:\r\n" + outcome.message,
                MB_OK | MB_ICONERROR);
            SetStatus("Saved " + file + "; the compiled script was not written.");
            return false;
        }
        SetStatus("Saved " + file + " and compiled " + CompiledPathFor(file));
        break;
    case SaveOutcome::Status::Deleted:
        SetStatus("The script has no commands: " + file + " and its compiled script are removed.");
        break;
    case SaveOutcome::Status::NeedsSaveAs:
    case SaveOutcome::Status::Failed:
        Ask("The script was not saved:\r\n" + outcome.message, MB_OK | MB_ICONERROR);
        SetStatus("Not saved: " + outcome.message);
        return false;
    }
    if (IsAlive()) {
        ::SetFocus(document_.State().TextViewActive ? Control(ids::Memo1).Handle()
                                                    : List().Handle());
    }
    return true;
}

// ---- The File menu ----

void TfrmView::OpenCommand() {
    if (!SavePrompt()) {
        return;
    }
    if (const std::optional<std::string> file = AskScriptFile(Handle(), false)) {
        ReportLoad(document_.OpenScript(*file));
        UpdateRecentMenu();
    }
}

void TfrmView::RunCommand() {
    if (!SavePrompt()) {
        return;
    }
    Loop().ProcessMessages();
    const std::string& source = document_.State().CurrentFile;
    const std::string compiled =
        source.substr(0, source.size() >= 4 ? source.size() - 4 : 0) + ".QVC";
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(Handle(), "Open", compiled.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // The shell answers with a small code of its own; the system's error says what it means.
    if (result <= 32) {
        const DWORD error = ::GetLastError();
        Ask(compiled + ":\r\n" + SystemErrorText(error != 0 ? error : ERROR_FILE_NOT_FOUND),
            MB_OK | MB_ICONERROR);
    }
}

void TfrmView::CreateShortcutofScript1Click() {
    if (document_.CommandCount() == 0) {
        Ask("No Commands in Script", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!SavePrompt()) {
        return;
    }
    const std::string& source = document_.State().CurrentFile;
    const std::string compiled =
        source.substr(0, source.size() >= 3 ? source.size() - 3 : 0) + "qvc";
    Shortcut1.Discription = FileNameOf(compiled);
    Shortcut1.ShellFolder = "Desktop";
    Shortcut1.PathName = compiled;
    try {
        SetStatus("Shortcut written: " + Shortcut1.Write());
    } catch (const std::exception& error) {
        Ask(error.what(), MB_OK | MB_ICONERROR);
    }
}

// Ends the program without the window's closing steps, after the save prompt.
void TfrmView::ExitCommand() {
    if (SavePrompt()) {
        closing_ = true;
        Loop().Quit(0);
    }
}

void TfrmView::UndoChangesCommand() {
    if (Ask(std::string(editor::UndoQuestionText), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        ReportLoad(document_.UndoChanges());
    }
}

// ---- The Edit menu ----

void TfrmView::ClipboardCommand(int id) {
    if (document_.State().TextViewActive) {
        const Window memo = Control(ids::Memo1);
        switch (id) {
        case ids::Cut1:
            memo.Send(WM_CUT);
            break;
        case ids::Copy1:
            memo.Send(WM_COPY);
            break;
        case ids::Paste1:
            memo.Send(WM_PASTE);
            break;
        default:
            break;
        }
        return;
    }
    switch (id) {
    case ids::Cut1:
        document_.Cut();
        break;
    case ids::Copy1:
        document_.Copy();
        break;
    case ids::Paste1:
        document_.Paste();
        break;
    case ids::Delete1:
        document_.Delete();
        break;
    default:
        break;
    }
}

void TfrmView::RunAddCommand(const AddCommand& command) {
    if (document_.State().TextViewActive || command.handler == nullptr) {
        return;
    }
    PullSelection();
    CommandContext context = Context();
    if (const std::optional<std::string> line = command.handler(context)) {
        PullSelection();
        document_.AddLine(*line);
    }
}

void TfrmView::CommandBoxClick() {
    for (const AddCommand& command : AddCommands()) {
        if (command.boxRepeats && boxCaption_ == command.boxCaption) {
            RunAddCommand(command);
            return;
        }
    }
}

void TfrmView::ListView1DblClick() {
    if (document_.State().TextViewActive) {
        return;
    }
    PullSelection();
    const editor::RowEditor editor = document_.BeginRowEdit();
    if (const RowEditHandler handler = RowEditHandlerFor(editor)) {
        CommandContext context = Context();
        handler(context);
    }
    document_.EndRowEdit();
    RowsChanged();
}

void TfrmView::MenuButtonClick() {
    const editor::DocumentState& state = document_.State();
    if (state.TextViewActive || !state.MenuEditing || state.CurrentMenu != 0) {
        return;
    }
    if (const RowEditHandler handler = RowEditHandlerFor(editor::RowEditor::MenuDialog)) {
        CommandContext context = Context();
        handler(context);
    }
}

void TfrmView::MenuSelectorChanged() {
    const int entry = menuBand_->Selector().Selected();
    if (entry < 0 || entry == document_.State().CurrentMenu) {
        return;
    }
    PullSelection();
    if (!SavePrompt()) {
        menuBand_->Selector().Select(document_.State().CurrentMenu);
        return;
    }
    ReportLoad(document_.ChooseMenuEntry(entry));
}

// ---- The View and Help menus ----

void TfrmView::ToggleToolbar(int id) {
    const Menu bar(menuBar_.Get());
    const bool shown = !bar.IsChecked(id);
    bar.SetChecked(id, shown);
    rebar_.ShowBand(id == ids::ShowMainToolbar1 ? ids::ToolBar1 : ids::ToolBar2, shown);
    Layout();
}

void TfrmView::ShowTipOfTheDay() {
    TfrmTip tip(Loop(), Handle(), showTips_, ProgramFolder() + TipsFileName);
    showTips_ = tip.ShowModal(Handle());
}

void TfrmView::FirstActivation() {
    if (argument_ == editor::InstallSwitch) {
        // The installation's first start: its read-me, the import wizard, then the end.
        OpenHelpTopic(Handle(), "Read_Me_First");
        const WindowSeams& seams = MainWindowSeams();
        if (seams.importWizard != nullptr) {
            CommandContext context = Context();
            if (seams.importWizard(context)) {
                SaveCommand();
            }
        }
        closing_ = true;
        Loop().Quit(0);
        return;
    }
    if (showTips_) {
        ShowTipOfTheDay();
    }
}

void TfrmView::FilesDropped(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        const UINT copied = ::DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(copied);
        if (!path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    ::DragFinish(drop);
    ::SetForegroundWindow(Handle());
    PullSelection();
    document_.DropFiles(paths);
}

} // namespace qv::win32
