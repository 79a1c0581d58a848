#pragma once
// TfrmView: the editor's main window. It owns the script document and mirrors it: an owner-data
// list view reads Rows() (icon and report views), an edit box shows the text view, and the
// menus, tool bars and status bar follow the document's state. Commands go to the document;
// the dialogs plug in through CommandSeams.h.
#include "common/win32/Controls.h"
#include "common/win32/Form.h"
#include "common/win32/Menu.h"
#include "editor/core/ScriptDocument.h"
#include "editor/core/ScriptInsight.h"
#include "editor/win32/CommandSeams.h"
#include "editor/win32/EditorServices.h"
#include "editor/win32/MenuBand.h"
#include "editor/win32/RowIcons.h"
#include "editor/win32/Shortcut.h"
#include "editor/win32/ViewSettings.h"

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>

namespace qv::win32 {

class TfrmView : public Form, public editor::DocumentView, public editor::CompilePort {
  public:
    // `argument` is the program's first argument (a script path, "/install" or empty).
    TfrmView(MessageLoop& loop, HWND owner, std::string argument);
    ~TfrmView() override;

    // Restores the stored placement and settings, shows the window and runs the start-up load.
    void Start(int showCommand);

    editor::ScriptDocument& Document() { return document_; }
    ListView List() const;

    // editor::DocumentView
    void RowsChanged() override;
    void TitleChanged() override;
    void SelectorsChanged() override;
    void MenuChanged() override;
    void SetScriptText(const std::vector<std::string>& lines) override;
    std::vector<std::string> ScriptText() override;

    // editor::CompilePort: the "Compiler" window over this one.
    std::string CompileSavedScript(const std::string& sourcePath) override;

  protected:
    void OnCommand(int id, int code) override;
    bool PreviewMessage(MSG& message) override;
    void OnClose() override;
    void OnActivated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // ---- Building (ViewMenus.cpp) ----
    void BuildMenus();
    void BuildBars(const ViewSettings& settings);
    void ShowDeleteCommand(bool shown);
    static std::span<const ToolButton> MainButtonSpecs();
    void UpdateRecentMenu();
    void UpdateCommandStates();
    void ShowBoxMenu();

    // ---- Layout and mirroring ----
    void Layout();
    void PullSelection();
    void FillDisplayInfo(NMLVDISPINFOA& info);
    void SetView(ScriptView view);
    void ReportLoad(const editor::LoadReport& report);
    void SetStatus(const std::string& text);
    void ApplySettings(const ViewSettings& settings);
    ViewSettings CurrentSettings() const;

    // ---- Commands (ViewCommands.cpp) ----
    // The save prompt: true when the command that asked goes on.
    bool SavePrompt();
    bool SaveCommand();
    bool SaveAsCommand();
    bool ReportSave(const editor::SaveOutcome& outcome);
    void OpenCommand();
    void RunCommand();
    void CreateShortcutofScript1Click();
    void ExitCommand();
    void UndoChangesCommand();
    void ClipboardCommand(int id);
    void RunAddCommand(const AddCommand& command);
    void CommandBoxClick();
    void ListView1DblClick();
    void MenuButtonClick();
    void MenuSelectorChanged();
    void ToggleToolbar(int id);
    void ShowTipOfTheDay();
    void FilesDropped(HDROP drop);
    void NoteFirstActivation();
    void FirstActivation();
    CommandContext Context();
    int Ask(const std::string& text, UINT flags);

    // ---- The script's problems, what-if runs and the run log (ViewInsight.cpp) ----
    void CheckRows();
    // The focused row's problem in the status bar, or none there when it has none.
    void ShowRowProblem();
    LRESULT ListCustomDraw(NMLVCUSTOMDRAW& draw);
    void ApplyTextView();
    void CheckScriptCommand();
    void WhatIfCommand();
    void ViewRunLogCommand();

    std::string argument_;
    EditorServices services_;
    ShellIconSource iconSource_;
    RowIcons icons_{iconSource_};
    SettingsStore settings_;
    editor::ScriptDocument document_;
    Shortcut Shortcut1;
    bool win98_ = true;
    bool showTips_ = true;
    bool activated_ = false;
    bool started_ = false;
    bool firstActivationPosted_ = false;
    bool closing_ = false;
    ScriptView view_ = ScriptView::List;

    ImageList toolImages_;
    Rebar rebar_;
    ToolBar mainBar_;
    std::unique_ptr<MenuBand> menuBand_;
    StatusBar status_;
    UniqueMenu menuBar_;
    UniqueMenu contextMenu_;
    Menu fileMenu_;
    Menu editMenu_;
    std::optional<Accelerators> accelerators_;
    bool deleteShown_ = false;
    UniqueFont textFont_;
    std::string boxCaption_ = "&Run Program";
    std::string cellText_; // the text handed to the list for one cell
    bool textShown_ = false;
    std::optional<std::vector<std::string>> heldText_; // the text box's, while it is hidden
    editor::ScriptChecker checker_;
    bool problemShown_ = false;                  // the status bar shows the focused row's problem
    std::optional<editor::WhatIfFields> whatIf_; // the last "What if..." fields of the run
};

} // namespace qv::win32
