#include "editor/core/ImportWizard.h"
#include "InstallFixture.h"

#include "language/Text.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

class ImportWizardTest : public InstallFixture {
  protected:
    // Marks the entries whose text (after the box) starts with one of `names`.
    void Mark(ImportWizard& wizard, const Lines& names) {
        for (const std::string& name : names) {
            bool found = false;
            for (std::size_t i = 0; i < wizard.Count(); ++i) {
                if (!wizard.Item(i).header && wizard.Item(i).name == name) {
                    wizard.Select(static_cast<int>(i));
                    ASSERT_TRUE(wizard.DoubleClick()) << name;
                    found = true;
                }
            }
            ASSERT_TRUE(found) << name;
        }
    }
};

TEST_F(ImportWizardTest, ListsTheStartupPlacesInOrder) {
    machine.AddFile(UserStartup + "Mail.lnk");
    machine.AddFile(UserStartup + "desktop.ini", "", true);
    machine.AddFile(CommonStartup + "Sync.lnk");
    machine.SetText(MachineRunKey(), "Tray", "c:\\tools\\tray.exe");
    machine.SetText(MachineRunKey(), "Quorvel", "C:\\PROGRA~1\\Quorvel\\qvrun.exe");
    machine.SetText(MachineRunKey(), "Pad", "notepad");
    machine.AddFile("notepad.exe");
    machine.SetBinary(MachineRunKey(), "Odd");
    machine.SetText(MachineRunKey(RegistryView::Wow32), "Updater",
                    "\"C:\\Program Files (x86)\\Up\\up.exe\" /silent");
    machine.SetText(UserRunKey(), "Chat", "%ProgramFiles%\\Chat\\chat.exe", true);

    const ImportWizard wizard(Ports());
    EXPECT_EQ(wizard.Texts(),
              (Lines{
                  "--- Startup Group ---",
                  "  [  ] - Mail.lnk",
                  "--- Common Startup Group ---",
                  "  [  ] - Sync.lnk",
                  "--- Registry Run ---",
                  "  [  ] - Tray - c:\\tools\\tray.exe",
                  "  [  ] - Pad - notepad.exe",
                  "--- Registry Run (32-bit) ---",
                  "  [  ] - Updater - \"C:\\Program Files (x86)\\Up\\up.exe\" /silent",
                  "--- User Registry Run ---",
                  "  [  ] - Chat - %ProgramFiles%\\Chat\\chat.exe",
              }));
    EXPECT_EQ(wizard.Selected(), 0);
    EXPECT_EQ(wizard.MarkedCount(), 0);
    EXPECT_FALSE(wizard.FinishEnabled());
}

TEST_F(ImportWizardTest, EmptyPlacesShowTheirHeadersOnly) {
    struct Case {
        const char* tag;
        bool folders; // the Shell Folders values are set
    };
    for (const Case& c : {Case{"only the interpreter's own Run value", true},
                          Case{"no Shell Folders values", false}}) {
        FakeInstallHost bare;
        if (c.folders) {
            bare.SetText({RegistryRoot::CurrentUser, std::string(ShellFoldersKeyPath)}, "Startup",
                         UserStartup);
            bare.AddFolder(UserStartup);
        }
        bare.SetText(MachineRunKey(), "qvrun", "c:\\progra~1\\quorvel\\QvRun.exe");
        const ImportWizard wizard(bare.Ports());
        EXPECT_EQ(wizard.Texts(), (Lines{"--- Startup Group ---", "--- Common Startup Group ---",
                                         "--- Registry Run ---", "--- Registry Run (32-bit) ---",
                                         "--- User Registry Run ---"}))
            << c.tag;
    }
}

TEST_F(ImportWizardTest, MarkingByDoubleClickAndSpace) {
    machine.AddFile(UserStartup + "Mail.lnk");
    machine.SetText(MachineRunKey(), "Tray", "tray.exe");
    ImportWizard wizard(Ports());
    // 0 header, 1 Mail.lnk, 2 and 3 headers, 4 Tray.
    struct Step {
        const char* tag;
        int select;
        char key; // 0: double-click
        bool changed;
        int marked;
        const char* text; // of the selected entry afterwards
    };
    const Step steps[] = {
        {"header does nothing", 0, 0, false, 0, "--- Startup Group ---"},
        {"space on a header", 2, ' ', false, 0, "--- Common Startup Group ---"},
        {"double-click marks", 1, 0, true, 1, "  [X] - Mail.lnk"},
        {"space marks another", 4, ' ', true, 2, "  [X] - Tray - tray.exe"},
        {"other keys are swallowed", 4, 'x', false, 2, "  [X] - Tray - tray.exe"},
        {"space unmarks", 4, ' ', true, 1, "  [  ] - Tray - tray.exe"},
        {"double-click unmarks", 1, 0, true, 0, "  [  ] - Mail.lnk"},
    };
    for (const Step& s : steps) {
        wizard.Select(s.select);
        bool changed = false;
        if (s.key == 0) {
            changed = wizard.DoubleClick();
        } else {
            const ImportWizard::KeyOutcome outcome = wizard.KeyPress(s.key);
            EXPECT_TRUE(outcome.swallow) << s.tag;
            changed = outcome.changed;
        }
        EXPECT_EQ(changed, s.changed) << s.tag;
        EXPECT_EQ(wizard.MarkedCount(), s.marked) << s.tag;
        EXPECT_EQ(wizard.FinishEnabled(), s.marked > 0) << s.tag;
        EXPECT_EQ(wizard.Selected(), s.select) << s.tag;
        EXPECT_EQ(wizard.Text(static_cast<std::size_t>(s.select)), s.text) << s.tag;
    }
}

TEST_F(ImportWizardTest, InterpreterValuesAreSkippedAndTheNamesStayParallel) {
    machine.SetText(MachineRunKey(), "qvrun", "C:\\PROGRA~1\\QUORVEL\\QVRUN.EXE");
    machine.SetText(MachineRunKey(), "Backup", "b.exe");
    machine.SetText(MachineRunKey(), "Old Quorvel", "c:\\quorvel\\qvrun.exe /x");
    machine.SetText(MachineRunKey(), "Display", "d.exe");
    OpenScript({"LOGOFF"});
    ImportWizard wizard(Ports());
    EXPECT_EQ(wizard.Text(3), "  [  ] - Backup - b.exe");
    EXPECT_EQ(wizard.Text(4), "  [  ] - Display - d.exe");
    Mark(wizard, {"Display"});
    wizard.Finish(doc);
    EXPECT_EQ(machine.Text(MachineRunKey(), "Display"), "");
    EXPECT_EQ(machine.Text(MachineRunKey(), "Backup"), "b.exe");
    EXPECT_EQ(machine.Text(MachineRunKey(), "Old Quorvel"), "c:\\quorvel\\qvrun.exe /x");
    EXPECT_EQ(Commands(), (Lines{"LOGOFF", "LOAD d.exe"}));
}

TEST_F(ImportWizardTest, FinishMovesEveryMarkedEntryInListOrder) {
    machine.AddFile(UserStartup + "Mail.lnk", "mail link");
    machine.AddFile(UserStartup + "Notes.lnk");
    machine.AddFile(CommonStartup + "Sync.lnk", "sync link");
    machine.SetText(MachineRunKey(), "Tray", "C:\\Tools\\Tray.exe");
    machine.SetText(MachineRunKey(RegistryView::Wow32), "Updater",
                    "\"C:\\Program Files (x86)\\Up\\up.exe\" /Silent");
    machine.SetText(UserRunKey(), "Chat", "%ProgramFiles%\\Chat\\chat.exe", true);
    machine.AddLines(ImportLogFile, {"REG:Earlier=c:\\old\\old.exe"});
    OpenScript({"LOGOFF", "WAIT 5"});

    ImportWizard wizard(Ports());
    Mark(wizard, {"Chat", "Tray", "Sync.lnk", "Mail.lnk", "Updater"});
    const ImportOutcome outcome = wizard.Finish(doc);

    EXPECT_TRUE(outcome.errors.empty());
    EXPECT_EQ(outcome.imported, 5);
    EXPECT_EQ(outcome.linksMoved, "The Links have been moved to the " + ProgramFolder + "Startup");
    EXPECT_EQ(Commands(), (Lines{
                              "LOGOFF",
                              "WAIT 5",
                              "LOAD " + LowerCase(MovedLinks) + "mail.lnk",
                              "LOAD " + LowerCase(MovedLinks) + "sync.lnk",
                              "LOAD c:\\tools\\tray.exe",
                              "LOAD c:\\program files (x86)\\up\\up.exe {/Silent}",
                              "LOAD c:\\program files\\chat\\chat.exe",
                          }));
    EXPECT_EQ(Log(), (Lines{
                         "REG:Earlier=c:\\old\\old.exe",
                         MovedLinks + "Mail.lnk",
                         MovedLinks + "Sync.lnk",
                         "RUN|HKLM64|SZ|Tray|C:\\Tools\\Tray.exe",
                         "RUN|HKLM32|SZ|Updater|\"C:\\Program Files (x86)\\Up\\up.exe\" /Silent",
                         "RUN|HKCU|EXPAND_SZ|Chat|%25ProgramFiles%25\\Chat\\chat.exe",
                     }));
    EXPECT_FALSE(machine.FileExists(UserStartup + "Mail.lnk"));
    EXPECT_TRUE(machine.FileExists(UserStartup + "Notes.lnk"));
    EXPECT_FALSE(machine.FileExists(CommonStartup + "Sync.lnk"));
    EXPECT_EQ(machine.Lines(MovedLinks + "Sync.lnk"), (Lines{"sync link"}));
    EXPECT_EQ(machine.Find(MachineRunKey(), "Tray"), nullptr);
    EXPECT_EQ(machine.Find(MachineRunKey(RegistryView::Wow32), "Updater"), nullptr);
    EXPECT_EQ(machine.Find(UserRunKey(), "Chat"), nullptr);
    EXPECT_TRUE(machine.HasFolder(ProgramFolder + "Backup"));
    EXPECT_TRUE(doc.State().Modified);
}

TEST_F(ImportWizardTest, EachEntryIsInTheSavedLogBeforeItsSourceGoes) {
    machine.AddFile(UserStartup + "Mail.lnk");
    machine.AddFile(CommonStartup + "Sync.lnk");
    machine.SetText(MachineRunKey(), "Tray", "tray.exe");
    machine.SetText(UserRunKey(), "Chat", "chat.exe");
    OpenScript({});
    std::vector<std::pair<std::string, Lines>> seen;
    machine.beforeRemoval = [this, &seen](const std::string& what) {
        seen.push_back({what, Log()});
    };

    ImportWizard wizard(Ports());
    Mark(wizard, {"Mail.lnk", "Sync.lnk", "Tray", "Chat"});
    wizard.Finish(doc);

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"remove " + UserStartup + "Mail.lnk", MovedLinks + "Mail.lnk"},
        {"remove " + CommonStartup + "Sync.lnk", MovedLinks + "Sync.lnk"},
        {"delete " + KeyName(MachineRunKey()) + "\\Tray", "RUN|HKLM64|SZ|Tray|tray.exe"},
        {"delete " + KeyName(UserRunKey()) + "\\Chat", "RUN|HKCU|SZ|Chat|chat.exe"},
    };
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(seen[i].first, expected[i].first);
        ASSERT_FALSE(seen[i].second.empty()) << expected[i].first;
        EXPECT_EQ(seen[i].second.back(), expected[i].second) << expected[i].first;
    }
}

TEST_F(ImportWizardTest, RunDataIsCompletedWithExe) {
    struct Case {
        const char* tag;
        const char* data;
        bool exeExists;
        const char* logged;
        const char* line;
    };
    const Case cases[] = {
        {"completed", "notepad", true, "notepad.exe", "LOAD notepad.exe"},
        {"no such program", "notepad", false, "notepad", "LOAD notepad"},
        {"has a dot already", "notepad.com", true, "notepad.com", "LOAD notepad.com"},
    };
    for (const Case& c : cases) {
        FakeInstallHost fresh;
        fresh.AddFolder(ProgramFolder);
        fresh.programPath = ProgramFolder + "qvdev.exe";
        if (c.exeExists)
            fresh.AddFile("notepad.exe");
        fresh.SetText(MachineRunKey(), "Pad", c.data);
        ScriptDocument script{{fresh, host, host, host, host, host, host}};
        script.OpenScript(Script);
        ImportWizard wizard(fresh.Ports());
        wizard.Select(3);
        ASSERT_TRUE(wizard.DoubleClick()) << c.tag;
        wizard.Finish(script);
        EXPECT_EQ(fresh.Lines(ImportLogFile), (Lines{std::string("RUN|HKLM64|SZ|Pad|") + c.logged}))
            << c.tag;
        ASSERT_EQ(script.CommandCount(), 1u) << c.tag;
        EXPECT_EQ(script.Rows()[0].Command, c.line) << c.tag;
    }
}

TEST_F(ImportWizardTest, EntriesThatCannotMoveStayWhereTheyWere) {
    struct Case {
        const char* tag;
        void (*arrange)(FakeInstallHost&);
        Lines lines;     // the script afterwards
        Lines log;       // the log afterwards
        bool linksMoved; // the warning is shown
        const char* error;
    };
    const Case cases[] = {
        {"the copy fails",
         [](FakeInstallHost& m) {
             m.failCopies.insert(FakeInstallHost::Key(UserStartup + "Mail.lnk"));
         },
         {"LOAD tray.exe"},
         {"RUN|HKLM64|SZ|Tray|tray.exe"},
         false,
         "Could not copy"},
        {"the shortcut cannot be deleted",
         [](FakeInstallHost& m) {
             m.failRemoves.insert(FakeInstallHost::Key(UserStartup + "Mail.lnk"));
         },
         {"LOAD tray.exe"},
         {"RUN|HKLM64|SZ|Tray|tray.exe"},
         false,
         "Could not remove"},
        {"the Run key is refused",
         [](FakeInstallHost& m) { m.deniedKeys.insert(KeyName(MachineRunKey())); },
         {"LOAD " + LowerCase(MovedLinks) + "mail.lnk"},
         {MovedLinks + "Mail.lnk"},
         true,
         "Could not take \"Tray\" out of"},
        {"the log cannot be written",
         [](FakeInstallHost& m) { m.failWrites.insert(FakeInstallHost::Key(ImportLogFile)); },
         {},
         {},
         false,
         "could not be written"},
    };
    for (const Case& c : cases) {
        FakeInstallHost fresh;
        fresh.SetText({RegistryRoot::CurrentUser, std::string(ShellFoldersKeyPath)}, "Startup",
                      UserStartup);
        fresh.AddFolder(ProgramFolder);
        fresh.programPath = ProgramFolder + "qvdev.exe";
        fresh.AddFile(UserStartup + "Mail.lnk");
        fresh.SetText(MachineRunKey(), "Tray", "tray.exe");
        c.arrange(fresh);
        ScriptDocument script{{fresh, host, host, host, host, host, host}};
        script.OpenScript(Script);
        ImportWizard wizard(fresh.Ports());
        for (int entry : {1, 4}) {
            wizard.Select(entry);
            ASSERT_TRUE(wizard.DoubleClick()) << c.tag;
        }
        const ImportOutcome outcome = wizard.Finish(script);

        Lines commands;
        for (std::size_t i = 0; i < script.CommandCount(); ++i)
            commands.push_back(script.Rows()[i].Command);
        EXPECT_EQ(commands, c.lines) << c.tag;
        EXPECT_EQ(fresh.Lines(ImportLogFile), c.log) << c.tag;
        EXPECT_EQ(!outcome.linksMoved.empty(), c.linksMoved) << c.tag;
        ASSERT_EQ(outcome.errors.size(), 1u) << c.tag;
        EXPECT_TRUE(Contains(outcome.errors[0], c.error)) << c.tag << ": " << outcome.errors[0];
        const bool linkGone = c.linksMoved;
        EXPECT_EQ(fresh.FileExists(UserStartup + "Mail.lnk"), !linkGone) << c.tag;
        const bool valueGone = c.lines.size() == 1 && c.lines[0] == "LOAD tray.exe";
        EXPECT_EQ(fresh.Find(MachineRunKey(), "Tray") == nullptr, valueGone) << c.tag;
    }
}

TEST_F(ImportWizardTest, ALogThatCannotBeReadIsNeverWrittenOver) {
    machine.AddLines(ImportLogFile, {"REG:Earlier=old.exe"});
    machine.failReads.insert(FakeInstallHost::Key(ImportLogFile));
    machine.SetText(MachineRunKey(), "Tray", "tray.exe");
    OpenScript({});
    ImportWizard wizard(Ports());
    Mark(wizard, {"Tray"});
    const ImportOutcome outcome = wizard.Finish(doc);
    EXPECT_EQ(outcome.imported, 0);
    ASSERT_EQ(outcome.errors.size(), 1u);
    EXPECT_TRUE(Contains(outcome.errors[0], "could not be read"));
    EXPECT_EQ(Log(), (Lines{"REG:Earlier=old.exe"}));
    EXPECT_EQ(machine.Text(MachineRunKey(), "Tray"), "tray.exe");
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ImportWizardTest, ShortcutsOfTheSameNameKeepTheirOwnFiles) {
    machine.AddFile(UserStartup + "Mail.lnk", "user");
    machine.AddFile(CommonStartup + "Mail.lnk", "common");
    machine.AddLines(ImportLogFile, {MovedLinks + "Mail (2).lnk"});
    OpenScript({});
    ImportWizard wizard(Ports());
    for (int entry : {1, 3}) {
        wizard.Select(entry);
        wizard.DoubleClick();
    }
    wizard.Finish(doc);
    EXPECT_EQ(Log(), (Lines{MovedLinks + "Mail (2).lnk", MovedLinks + "Mail.lnk",
                            MovedLinks + "Mail (3).lnk"}));
    EXPECT_EQ(machine.Lines(MovedLinks + "Mail.lnk"), (Lines{"user"}));
    EXPECT_EQ(machine.Lines(MovedLinks + "Mail (3).lnk"), (Lines{"common"}));
}

} // namespace
} // namespace qv::editor::testing
