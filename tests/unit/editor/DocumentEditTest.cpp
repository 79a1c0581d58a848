#include "DocumentFixture.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;
using Status = SaveOutcome::Status;

class DocumentEdit : public DocumentFixture {};

TEST_F(DocumentEdit, RefreshNormalisesWaitForLoad) {
    struct Case {
        const char* tag;
        Lines before;
        Lines after;
        const char* secondTitle; // the title of row 1 afterwards, when it matters
    };
    const Case cases[] = {
        {"first", {"WAIT 5.0", "LOGOFF"}, {"WAIT FOR LOAD 5.0", "LOGOFF"}, nullptr},
        {"second after ENABLE",
         {"ENABLE F5", "WAIT 3"},
         {"ENABLE F5", "WAIT FOR LOAD 3"},
         "Wait For Load 3 sec(s)"},
        {"second after DISABLE",
         {"DISABLE QUIT", "WAIT 3"},
         {"DISABLE QUIT", "WAIT FOR LOAD 3"},
         nullptr},
        {"second after another command",
         {"LOGOFF", "WAIT FOR LOAD 3"},
         {"LOGOFF", "WAIT 3"},
         "Wait 3 sec(s)"},
        {"second after a line that mentions ENABLE",
         {"LOAD C:\\ENABLE.EXE", "WAIT FOR LOAD 3"},
         {"LOAD C:\\ENABLE.EXE", "WAIT FOR LOAD 3"},
         nullptr},
        {"later", {"LOGOFF", "DEL X", "WAIT FOR LOAD 3"}, {"LOGOFF", "DEL X", "WAIT 3"}, nullptr},
        {"wait for window stays", {"WAIT FOR WINDOW Calc"}, {"WAIT FOR WINDOW Calc"}, nullptr},
        {"already a load wait", {"WAIT FOR LOAD 9"}, {"WAIT FOR LOAD 9"}, nullptr},
        {"lower case stays", {"wait 5", "DEL X"}, {"wait 5", "DEL X"}, nullptr},
    };
    for (const Case& c : cases) {
        Load(c.before);
        doc.RefreshLines();
        EXPECT_EQ(Commands(), c.after) << c.tag;
        if (c.secondTitle) {
            EXPECT_EQ(Titles()[1], c.secondTitle) << c.tag;
        }
        EXPECT_TRUE(doc.State().Modified) << c.tag;
    }
    Load({"WAIT 5.0"});
    doc.RefreshLines();
    EXPECT_EQ(Titles(), (Lines{"Wait For Load 5.0 sec(s)"}));
    EXPECT_EQ(Orders(), (std::vector<int>{10, 20}));
}

TEST_F(DocumentEdit, RefreshMovesTheSelectionOneRowUp) {
    struct Case {
        const char* tag;
        int focus; // -1: none
        bool editInPlace;
        int selected;
    };
    // Rows 0 to 3 are commands, row 4 the end row.
    const Case cases[] = {
        {"no focus", -1, false, 4},
        {"first row", 0, false, 0},
        {"third row", 2, false, 1},
        {"last command", 3, false, 2},
        {"end row: the row above is the last command", 4, false, 4},
        {"edit in place keeps the row", 2, true, 2},
    };
    for (const Case& c : cases) {
        Load({"LOGOFF", "DEL A", "DEL B", "DEL C"});
        Select({0, 1}, c.focus);
        if (c.editInPlace) {
            doc.SetRowSelected(c.focus, true);
            ASSERT_EQ(doc.BeginRowEdit(), RowEditor::DeleteFiles);
        }
        doc.RefreshLines();
        doc.EndRowEdit();
        EXPECT_EQ(SelectedRows(), std::vector<int>{c.selected}) << c.tag;
        EXPECT_EQ(doc.FocusedRow(), c.selected) << c.tag;
    }
}

TEST_F(DocumentEdit, AddsGoAboveTheFocusedRow) {
    Load({"LOGOFF", "SHUTDOWN"});
    EXPECT_EQ(doc.InsertOrder(), 15); // after a load: between the last command and the end row
    doc.AddLine("DEL A");
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "SHUTDOWN", "DEL A"}));
    EXPECT_EQ(doc.FocusedRow(), EndRow());
    doc.AddLine("DEL B");
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "SHUTDOWN", "DEL A", "DEL B"}));

    Select({0}, 0);
    EXPECT_EQ(doc.InsertOrder(), 5);
    doc.AddLine("DEL TOP");
    EXPECT_EQ(Commands().front(), "DEL TOP");
    EXPECT_EQ(Orders(), (std::vector<int>{10, 20, 30, 40, 50, 60}));
}

TEST_F(DocumentEdit, CopyPutsMarkedCommandsOnTheClipboard) {
    Load({"LOGOFF", "", "DEL A", "DEL B"});
    Select({3, 1, 0, EndRow()}, 0);
    doc.Copy();
    EXPECT_EQ(host.clipboard, std::string("\x01LOGOFF\x01\x01"
                                          "DEL B\x01"));
    EXPECT_FALSE(doc.State().Modified);
}

TEST_F(DocumentEdit, PasteKeepsThePastedOrderAboveTheFocusedRow) {
    Load({"LOGOFF", "DEL A", "DEL B"});
    Select({1, 2}, 1);
    doc.Copy();
    Select({0}, 0);
    EXPECT_EQ(doc.PasteOrder(), -10);
    doc.Paste();
    EXPECT_EQ(Commands(), (Lines{"DEL A", "DEL B", "LOGOFF", "DEL A", "DEL B"}));

    // Between two rows: the pasted rows share the Order of the row above the focused one.
    Select({}, 4);
    host.clipboard = std::string("\x01WAIT 1\x01SWITCHES\x01WAIT 2\x01ignored");
    doc.Paste();
    EXPECT_EQ(Commands(),
              (Lines{"DEL A", "DEL B", "LOGOFF", "DEL A", "WAIT 1", "WAIT 2", "DEL B"}));

    // Without a focused row the lines land above the end row.
    Load({"LOGOFF", "DEL A"});
    EXPECT_EQ(doc.PasteOrder(), 5);
    host.clipboard = std::string("\x01X\x01Y\x01");
    doc.Paste();
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "X", "Y", "DEL A"}));
}

TEST_F(DocumentEdit, PasteOfForeignTextAddsNothingButRefreshes) {
    for (const std::optional<std::string>& text :
         {std::optional<std::string>("LOGOFF\r\n"), std::optional<std::string>(""),
          std::optional<std::string>()}) {
        Load({"DEL A", "WAIT 5"});
        host.clipboard = text;
        doc.Paste();
        EXPECT_EQ(Commands(), (Lines{"DEL A", "WAIT 5"}));
        EXPECT_EQ(Orders(), (std::vector<int>{10, 20, 30}));
        EXPECT_TRUE(doc.State().Modified);
    }
    // Text that starts with the mark but holds line breaks gives one row per line.
    host.clipboard = std::string("\x01LOGOFF\r\nSHUTDOWN\x01");
    doc.Paste();
    EXPECT_EQ(Commands(), (Lines{"DEL A", "WAIT 5", "LOGOFF", "SHUTDOWN"}));
}

TEST_F(DocumentEdit, CutAndDeleteRemoveTitledSelectedRows) {
    Load({"LOGOFF", "DEL A", "DEL B", "DEL C"});
    Select({1, 3, EndRow()}, 3);
    doc.Cut();
    EXPECT_EQ(host.clipboard, std::string("\x01"
                                          "DEL A\x01"
                                          "DEL C\x01"));
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "DEL B"}));
    EXPECT_EQ(doc.Rows().back().Command, "");
    EXPECT_EQ(doc.FocusedRow(), EndRow());

    Select({0}, 0);
    doc.Delete();
    EXPECT_EQ(Commands(), (Lines{"DEL B"}));
    EXPECT_EQ(host.clipboard, std::string("\x01"
                                          "DEL A\x01"
                                          "DEL C\x01"));

    doc.EnterTextView();
    Select({0}, 0);
    doc.Delete();
    EXPECT_EQ(Commands(), (Lines{"DEL B"}));
}

TEST_F(DocumentEdit, DroppedFilesBecomeLoadLinesInDropOrder) {
    Load({"LOGOFF", "SHUTDOWN"});
    Select({1}, 1);
    doc.DropFiles({"C:\\B.EXE", "C:\\A.lnk"});
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "LOAD C:\\B.EXE", "LOAD C:\\A.lnk", "SHUTDOWN"}));
    EXPECT_EQ(Titles()[2], "A.lnk");
}

TEST_F(DocumentEdit, SavingAnEmptyScriptDeletesItsFiles) {
    Load({"LOGOFF"});
    host.AddFile("C:\\WINDOWS\\test.qvc", "x");
    Select({0}, 0);
    doc.Delete();
    ASSERT_TRUE(doc.State().Modified);
    const SaveOutcome outcome = doc.Save();
    EXPECT_EQ(outcome.status, Status::Deleted);
    EXPECT_EQ(host.removed, (Lines{ScriptPath, "C:\\WINDOWS\\test.qvc"}));
    EXPECT_EQ(host.compiled, Lines{});
    EXPECT_TRUE(doc.State().Modified);

    host.removed.clear();
    EXPECT_EQ(doc.Save().status, Status::Deleted);
    EXPECT_EQ(host.removed, Lines{});

    host.AddFile(ScriptPath, "LOGOFF\r\n");
    host.failRemoves.insert(FakeDocumentHost::Key(ScriptPath));
    EXPECT_EQ(doc.Save().status, Status::Failed);
    EXPECT_TRUE(host.File(ScriptPath));
}

TEST_F(DocumentEdit, SaveWritesTheTextAndCompilesIt) {
    Load({"LOGOFF"});
    doc.AddLine("WAIT 5");
    const SaveOutcome outcome = doc.Save();
    EXPECT_EQ(outcome.status, Status::Written);
    EXPECT_EQ(*host.File(ScriptPath), "LOGOFF\r\nWAIT 5\r\n");
    EXPECT_EQ(host.compiled, Lines{ScriptPath});
    EXPECT_FALSE(doc.State().Modified);

    host.compileError = "Cannot create test.qvc";
    EXPECT_EQ(doc.Save().message, "Cannot create test.qvc");
}

TEST_F(DocumentEdit, AFailedSaveKeepsTheOldFileAndTheChanges) {
    Load({"LOGOFF"});
    doc.AddLine("SHUTDOWN");
    host.failWrites.insert(FakeDocumentHost::Key(ScriptPath));
    const SaveOutcome outcome = doc.Save();
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.message, "There is not enough space on the disk.");
    EXPECT_EQ(host.Lines(ScriptPath), Lines{"LOGOFF"});
    EXPECT_TRUE(doc.State().Modified);
    EXPECT_EQ(host.compiled, Lines{});

    const PromptOutcome prompt = doc.AnswerSavePrompt(PromptAnswer::Yes);
    EXPECT_FALSE(prompt.proceed);
    EXPECT_EQ(prompt.save.status, Status::Failed);
}

TEST_F(DocumentEdit, UntitledScriptsAreSavedThroughSaveAs) {
    doc.NewScript();
    EXPECT_EQ(doc.State().CurrentFile, "C:\\WINDOWS\\untitled");
    EXPECT_EQ(doc.WindowTitle(), "Trevanta's - Quorvel v2.0 - [untitled]");
    doc.AddLine("LOGOFF");
    EXPECT_EQ(doc.Save().status, Status::NeedsSaveAs);
    const PromptOutcome prompt = doc.AnswerSavePrompt(PromptAnswer::Yes);
    EXPECT_FALSE(prompt.proceed);
    EXPECT_EQ(prompt.save.status, Status::NeedsSaveAs);

    EXPECT_EQ(doc.SaveAs("D:\\Scripts\\Logon").status, Status::Written);
    EXPECT_EQ(doc.State().CurrentFile, "D:\\Scripts\\Logon.qvs");
    EXPECT_EQ(host.Lines("D:\\Scripts\\Logon.qvs"), Lines{"LOGOFF"});
    EXPECT_EQ(doc.WindowTitle(), "Trevanta's - Quorvel v2.0 - [Logon]");
    EXPECT_EQ(doc.Recent().Paths(), Lines{"D:\\Scripts\\Logon.qvs"});
    EXPECT_EQ(host.settings[std::string(CurrentFileSetting)], "D:\\Scripts\\Logon.qvs");

    EXPECT_EQ(doc.SaveAs("D:\\Scripts\\Other.QVS").status, Status::Written);
    EXPECT_EQ(doc.State().CurrentFile, "D:\\Scripts\\Other.QVS");
    EXPECT_EQ(doc.SaveAs("  ").status, Status::Failed);
}

TEST_F(DocumentEdit, SavePromptAnswers) {
    Load({"LOGOFF"});
    EXPECT_FALSE(doc.SavePromptNeeded());
    doc.AddLine("SHUTDOWN");
    ASSERT_TRUE(doc.SavePromptNeeded());

    EXPECT_FALSE(doc.AnswerSavePrompt(PromptAnswer::Cancel).proceed);
    EXPECT_TRUE(doc.AnswerSavePrompt(PromptAnswer::No).proceed);
    EXPECT_TRUE(doc.State().Modified);
    EXPECT_EQ(host.Lines(ScriptPath), Lines{"LOGOFF"});

    const PromptOutcome yes = doc.AnswerSavePrompt(PromptAnswer::Yes);
    EXPECT_TRUE(yes.proceed);
    EXPECT_EQ(yes.save.status, Status::Written);
    EXPECT_EQ(host.Lines(ScriptPath), (Lines{"LOGOFF", "SHUTDOWN"}));
    EXPECT_FALSE(doc.SavePromptNeeded());
}

TEST_F(DocumentEdit, UndoChangesReloadsTheSavedFile) {
    Load({"LOGOFF", "DEL A"});
    Select({0}, 0);
    doc.Delete();
    doc.AddLine("SHUTDOWN");
    doc.UndoChanges();
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "DEL A"}));
    EXPECT_FALSE(doc.State().Modified);
}

TEST_F(DocumentEdit, OpeningCommandsResetTheMenuState) {
    Load({"MENU START", "MENU ITEM 1 A,C:\\a.qvc", "LOGOFF"});
    ASSERT_EQ(doc.State().MenuCaptions.size(), 2u);
    doc.ChooseMenuEntry(1);
    doc.AddLine("DEL A");

    doc.OpenSelector(Selector::Common);
    const DocumentState& state = doc.State();
    EXPECT_EQ(state.MenuCaptions, Lines{"Main"});
    EXPECT_EQ(state.MenuFiles, Lines{"C:\\WINDOWS\\Common.QVS"});
    EXPECT_EQ(state.CurrentMenu, 0);
    EXPECT_TRUE(state.MenuEditing);
    EXPECT_FALSE(state.Modified);
    EXPECT_TRUE(doc.SelectorChecked(Selector::Common));
}

TEST_F(DocumentEdit, StartupLoadAndRecentFiles) {
    doc.SetRecentFiles({"a.qvs", "A.QVS", "b.qvs"});
    EXPECT_EQ(doc.Recent().Paths(), (Lines{"a.qvs", "b.qvs"}));

    doc.StartupLoad("/install", "");
    EXPECT_EQ(doc.State().CurrentFile, "C:\\WINDOWS\\common.qvs");
    EXPECT_EQ(doc.Recent().Paths().front(), "common.qvs");

    host.AddLines("D:\\Logon.qvs", {"LOGOFF"});
    doc.StartupLoad("D:\\Logon.qvs", "C:\\WINDOWS\\common.qvs");
    EXPECT_EQ(Commands(), Lines{"LOGOFF"});
    EXPECT_EQ(doc.Recent().Paths().front(), "D:\\Logon.qvs");

    for (const char* path : {"1.qvs", "2.qvs", "3.qvs", "4.qvs", "5.qvs", "d:\\logon.QVS"})
        doc.OpenScript(path);
    EXPECT_EQ(doc.Recent().Paths(), (Lines{"d:\\logon.QVS", "5.qvs", "4.qvs", "3.qvs", "2.qvs"}));

    doc.OpenRecentFile(0);
    EXPECT_EQ(doc.State().CurrentFile, "d:\\logon.QVS");
    EXPECT_EQ(Commands(), Lines{"LOGOFF"});
    EXPECT_EQ(doc.Recent().Paths().front(), "d:\\logon.QVS");
    doc.OpenRecentFile(9);
    EXPECT_EQ(doc.State().CurrentFile, "d:\\logon.QVS");
}

TEST_F(DocumentEdit, MenuSelectorShowsAnItemsScript) {
    host.AddLines("C:\\Scripts\\games.qvs", {"LOAD C:\\GAME.EXE", "MENU START", "MENU SHOW"});
    Load({"MENU START", "MENU ITEM 1 Work,C:\\Scripts\\work.qvc",
          "MENU ITEM 2 Games,C:\\Scripts\\games.qvc", "LOGOFF"});
    doc.ChooseMenuEntry(2);
    const DocumentState& state = doc.State();
    EXPECT_EQ(state.CurrentMenu, 2);
    EXPECT_FALSE(state.MenuEditing);
    EXPECT_EQ(state.CurrentFile, "c:\\scripts\\games.qvs");
    EXPECT_EQ(Commands(), (Lines{"LOAD C:\\GAME.EXE", "MENU SHOW"}));
    EXPECT_EQ(state.MenuCaptions, (Lines{"Main", "Work", "Games"}));

    // The item's script is written without a menu block; its MENU SHOW row opens no menu.
    doc.AddLine("WAIT 2");
    ASSERT_EQ(doc.Save().status, Status::Written);
    EXPECT_EQ(host.Lines("C:\\Scripts\\games.qvs"),
              (Lines{"LOAD C:\\GAME.EXE", "MENU SHOW", "WAIT 2"}));
    Select({1}, 1);
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::None);
    doc.EndRowEdit();

    doc.ChooseMenuEntry(0);
    EXPECT_TRUE(state.MenuEditing);
    EXPECT_EQ(state.CurrentFile, ScriptPath);
    EXPECT_EQ(Commands(), Lines{"LOGOFF"});
}

TEST_F(DocumentEdit, MenuDialogExchange) {
    Load({"MENU START", "MENU ITEM 1 Work,C:\\w.qvc", "MENU ITEM 2 Games,C:\\g.qvc",
          "MENU DEFAULT 15", "LOGOFF"});
    MenuDialogValues values = doc.MenuDialogOpening();
    EXPECT_EQ(values.captions[0], "Work");
    EXPECT_EQ(values.scripts[1], "c:\\g.qvs");
    EXPECT_EQ(values.captions[2], "");
    EXPECT_TRUE(values.timeoutChecked);
    EXPECT_EQ(values.timeoutSeconds, 15);

    values.captions[0] = "";
    values.captions[4] = "Mail";
    values.scripts[4] = "Mail.qvs";
    values.timeoutChecked = false;
    doc.ApplyMenuDialog(values);
    const DocumentState& state = doc.State();
    EXPECT_EQ(state.MenuCaptions, (Lines{"Main", "Games", "Mail"}));
    EXPECT_EQ(state.MenuFiles, (Lines{ScriptPath, "c:\\g.qvs", "Mail.qvs"}));
    EXPECT_EQ(state.MenuTimeout, 0);
    EXPECT_TRUE(state.Modified);

    values = doc.MenuDialogOpening();
    EXPECT_FALSE(values.timeoutChecked);
    EXPECT_EQ(values.timeoutSeconds, 1);
    values.timeoutChecked = true;
    values.timeoutSeconds = 30;
    doc.ApplyMenuDialog(values);
    EXPECT_EQ(doc.SaveTemp(), (Lines{"MENU START", "MENU ITEM 1 Games,c:\\g.qvc",
                                     "MENU ITEM 2 Mail,C:\\Program Files\\Quorvel\\Mail.qvc",
                                     "MENU DEFAULT 30", "LOGOFF", "MENU SHOW"}));
}

TEST_F(DocumentEdit, TextViewEditsBecomeRows) {
    Load({"MENU START", "MENU ITEM 1 A,C:\\a.qvc", "LOGOFF"});
    doc.EnterTextView();
    EXPECT_TRUE(doc.State().TextViewActive);
    EXPECT_FALSE(doc.State().MenuEditing);
    EXPECT_EQ(host.scriptText,
              (Lines{"MENU START", "MENU ITEM 1 A,c:\\a.qvc", "LOGOFF", "MENU SHOW"}));
    EXPECT_FALSE(doc.State().Modified);

    host.scriptText = {"MENU START", "MENU ITEM 1 B,C:\\b.qvc", "LOGOFF", "wait 4", "MENU SHOW"};
    doc.TextEdited();
    EXPECT_TRUE(doc.State().Modified);
    doc.LeaveTextView();
    EXPECT_FALSE(doc.State().TextViewActive);
    EXPECT_TRUE(doc.State().MenuEditing);
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "wait 4", "MENU SHOW"}));
    EXPECT_EQ(Titles()[1], "Wait 4 sec(s)");
    EXPECT_EQ(doc.State().MenuCaptions, (Lines{"Main", "A"}));

    // Saving while the text view is shown takes the box's text first.
    doc.EnterTextView();
    host.scriptText = {"SHUTDOWN"};
    ASSERT_EQ(doc.Save().status, Status::Written);
    EXPECT_EQ(host.Lines(ScriptPath),
              (Lines{"MENU START", "MENU ITEM 1 A,c:\\a.qvc", "SHUTDOWN", "MENU SHOW"}));
    EXPECT_TRUE(doc.State().TextViewActive);
}

TEST_F(DocumentEdit, DoubleClickTogglesAndEditsInPlace) {
    Load({"PROMPT ON", "ERROR OFF", "LOAD C:\\A.EXE", "MENU SHOW"});
    Select({0}, 0);
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::Toggle);
    doc.EndRowEdit();
    EXPECT_EQ(doc.Rows()[0].Command, "PROMPT OFF");
    EXPECT_EQ(doc.Rows()[0].Title, "Prompt Off");
    EXPECT_TRUE(doc.State().Modified);

    Select({2}, 2);
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::RunProgram);
    EXPECT_TRUE(doc.State().EditInPlace);
    doc.RewriteFocusedRow("  LOAD C:\\B.EXE [min] ", "B.exe");
    doc.SetFocusedRowIcon(doc.ProgramIcon("C:\\B.EXE"));
    doc.RefreshLines();
    doc.EndRowEdit();
    EXPECT_FALSE(doc.State().EditInPlace);
    EXPECT_EQ(doc.Rows()[2].Command, "LOAD C:\\B.EXE [min]");
    EXPECT_EQ(doc.Rows()[2].Icon, static_cast<int>(host.icons.size()) - 1);
    EXPECT_EQ(SelectedRows(), std::vector<int>{2});

    Select({3}, 3);
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::MenuDialog);
    doc.EndRowEdit();
    Select({EndRow()}, EndRow());
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::None);
    Select({}, 1);
    EXPECT_EQ(doc.BeginRowEdit(), RowEditor::None);
}

TEST_F(DocumentEdit, RemovingARestoredRowSelectsTheNextOne) {
    Load({"LOAD C:\\A.LNK", "LOAD C:\\B.LNK", "LOGOFF"});
    doc.RemoveRow(1);
    EXPECT_EQ(Commands(), (Lines{"LOAD C:\\A.LNK", "LOGOFF"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(doc.FocusedRow(), 1);
    doc.RemoveRow(2);
    EXPECT_EQ(doc.CommandCount(), 2u);
}

} // namespace
} // namespace qv::editor::testing
