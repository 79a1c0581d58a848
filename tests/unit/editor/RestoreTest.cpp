#include "editor/core/Restore.h"
#include "InstallFixture.h"
#include "editor/core/ImportWizard.h"

#include "language/Text.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

class RestoreTest : public InstallFixture {
  protected:
    RestoreOutcome Restore(const std::string& command) {
        const int row = RowOf(command);
        EXPECT_GE(row, 0) << command;
        return RestoreRow(doc, static_cast<std::size_t>(row), Ports());
    }
};

TEST_F(RestoreTest, PutsTheMatchingEntryBackWhereItCameFrom) {
    struct Case {
        const char* tag;
        Lines log;
        std::string row;
        std::string change; // the journal line of the restore
        Lines logAfter;
    };
    const std::string machineRun = KeyName(MachineRunKey());
    const Case cases[] = {
        {"older log, Run value",
         {"REG:Tray=c:\\tools\\tray.exe"},
         "LOAD c:\\tools\\tray.exe",
         "write " + machineRun + "\\Tray=c:\\tools\\tray.exe",
         {}},
        {"an equal entry is preferred to an earlier one that contains the text",
         {"REG:Pad=c:\\tools\\notepad.exe", "REG:Note=notepad.exe"},
         "LOAD notepad.exe",
         "write " + machineRun + "\\Note=notepad.exe",
         {"REG:Pad=c:\\tools\\notepad.exe"}},
        {"without an equal entry, the one that contains the text",
         {"REG:Pad=c:\\tools\\notepad.exe", "REG:Other=calc.exe"},
         "LOAD notepad.exe",
         "write " + machineRun + "\\Pad=c:\\tools\\notepad.exe",
         {"REG:Other=calc.exe"}},
        {"32-bit view",
         {"RUN|HKLM32|SZ|Updater|\"C:\\Up\\up.exe\" /Silent"},
         "LOAD c:\\up\\up.exe {/Silent}",
         "write " + KeyName(MachineRunKey(RegistryView::Wow32)) +
             "\\Updater=\"C:\\Up\\up.exe\" /Silent",
         {}},
        {"user Run key, expandable",
         {"RUN|HKCU|EXPAND_SZ|Chat|%25ProgramFiles%25\\Chat\\chat.exe"},
         "LOAD c:\\program files\\chat\\chat.exe",
         "write " + KeyName(UserRunKey()) + "\\Chat=%ProgramFiles%\\Chat\\chat.exe",
         {}},
        {"older log, shortcut",
         {"REG:Tray=tray.exe", MovedLinks + "mail.lnk"},
         "LOAD " + LowerCase(MovedLinks) + "mail.lnk",
         "move " + MovedLinks + "mail.lnk > " + UserStartup + "Mail.lnk",
         {"REG:Tray=tray.exe"}},
    };
    for (const Case& c : cases) {
        machine.journal.clear();
        machine.AddLines(ImportLogFile, c.log);
        machine.AddFile(MovedLinks + "mail.lnk");
        OpenScript({"LOGOFF", c.row, "DEL X"});
        doc.SetFocusedRow(1);
        const RestoreOutcome outcome = Restore(c.row);
        EXPECT_TRUE(outcome.restored) << c.tag;
        EXPECT_TRUE(outcome.errors.empty()) << c.tag;
        ASSERT_FALSE(machine.journal.empty()) << c.tag;
        EXPECT_EQ(machine.journal.front(), c.change) << c.tag;
        EXPECT_EQ(Log(), c.logAfter) << c.tag;
        EXPECT_EQ(Commands(), (Lines{"LOGOFF", "DEL X"})) << c.tag;
        EXPECT_TRUE(doc.Rows()[1].Selected) << c.tag;
        EXPECT_TRUE(doc.State().Modified) << c.tag;
    }
    EXPECT_TRUE(machine.Find(UserRunKey(), "Chat")->text.expandable);
}

TEST_F(RestoreTest, RowsThatWereNotImportedChangeNothing) {
    struct Case {
        const char* tag;
        std::string row;
    };
    const Case cases[] = {
        {"no entry names it", "LOAD c:\\games\\chess.exe"},
        {"not a LOAD row", "LOGOFF"},
        {"a LOAD row without a path", "LOAD"},
    };
    for (const Case& c : cases) {
        machine.journal.clear();
        machine.AddLines(ImportLogFile, {"REG:Office=c:\\office\\office.exe", "REG:F=f.exe"});
        OpenScript({c.row});
        const RestoreOutcome outcome = Restore(c.row);
        EXPECT_FALSE(outcome.restored) << c.tag;
        EXPECT_EQ(outcome.errors, (Lines{"Unable to Restore to Original Location"})) << c.tag;
        EXPECT_EQ(Commands(), (Lines{c.row})) << c.tag;
        EXPECT_EQ(Log().size(), 2u) << c.tag;
        EXPECT_TRUE(machine.journal.empty()) << c.tag;
    }
}

TEST_F(RestoreTest, AFailedPutBackIsReportedAndTheWalkGoesOn) {
    const std::string row = "LOAD " + LowerCase(MovedLinks) + "mail.lnk";
    struct Case {
        const char* tag;
        Lines log;
        bool restored;
        Lines errors;
    };
    const std::string moveFailed = "123 : Unable to Restore to Original Location";
    const std::string notFound = "Unable to Restore to Original Location";
    const Case cases[] = {
        {"the shortcut is in the Startup folder already",
         {MovedLinks + "Mail.lnk"},
         false,
         {moveFailed, notFound}},
        {"the next matching entry is tried",
         {MovedLinks + "Mail.lnk", "REG:Mail=" + MovedLinks + "Mail.lnk"},
         true,
         {moveFailed}},
    };
    for (const Case& c : cases) {
        machine.AddFile(MovedLinks + "Mail.lnk");
        machine.AddFile(UserStartup + "Mail.lnk");
        machine.AddLines(ImportLogFile, c.log);
        OpenScript({row});
        const RestoreOutcome outcome = Restore(row);
        EXPECT_EQ(outcome.restored, c.restored) << c.tag;
        EXPECT_EQ(outcome.errors, c.errors) << c.tag;
        EXPECT_EQ(doc.CommandCount(), c.restored ? 0u : 1u) << c.tag;
        EXPECT_EQ(Log().size(), c.log.size() - (c.restored ? 1 : 0)) << c.tag;
        EXPECT_TRUE(machine.FileExists(MovedLinks + "Mail.lnk")) << c.tag;
    }
}

TEST_F(RestoreTest, ARefusedRunKeyKeepsTheRowAndTheEntry) {
    machine.AddLines(ImportLogFile, {"REG:Tray=tray.exe"});
    machine.deniedKeys.insert(KeyName(MachineRunKey()));
    OpenScript({"LOAD tray.exe"});
    const RestoreOutcome outcome = Restore("LOAD tray.exe");
    EXPECT_FALSE(outcome.restored);
    ASSERT_EQ(outcome.errors.size(), 2u);
    EXPECT_TRUE(StartsWith(outcome.errors[0], "123 : Unable to Restore to Original Location\r\n"
                                              "Access is denied."));
    EXPECT_TRUE(Contains(outcome.errors[0], std::string(AdministratorHint)));
    EXPECT_EQ(Log(), (Lines{"REG:Tray=tray.exe"}));
    EXPECT_EQ(Commands(), (Lines{"LOAD tray.exe"}));
}

TEST_F(RestoreTest, ImportedEntriesComeBackAfterASecondImport) {
    machine.AddFile(CommonStartup + "Mail.lnk", "link");
    machine.SetText(MachineRunKey(), "Tray", "tray.exe");
    OpenScript({});
    {
        ImportWizard first(Ports());
        first.Select(2);
        first.DoubleClick();
        first.Finish(doc);
    }
    {
        ImportWizard second(Ports());
        second.Select(3);
        ASSERT_EQ(second.Text(3), "  [  ] - Tray - tray.exe");
        second.DoubleClick();
        second.Finish(doc);
    }
    EXPECT_EQ(Log(), (Lines{MovedLinks + "Mail.lnk", "RUN|HKLM64|SZ|Tray|tray.exe"}));

    const std::string linkRow = "LOAD " + LowerCase(MovedLinks) + "mail.lnk";
    EXPECT_TRUE(Restore(linkRow).restored);
    // A shortcut from the common Startup folder comes back to the user's.
    EXPECT_EQ(machine.Lines(UserStartup + "Mail.lnk"), (Lines{"link"}));
    EXPECT_FALSE(machine.FileExists(CommonStartup + "Mail.lnk"));
    EXPECT_TRUE(Restore("LOAD tray.exe").restored);
    EXPECT_EQ(machine.Text(MachineRunKey(), "Tray"), "tray.exe");
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(Commands().empty());
}

} // namespace
} // namespace qv::editor::testing
