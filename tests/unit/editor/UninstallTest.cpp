#include "editor/core/Uninstall.h"
#include "InstallFixture.h"
#include "editor/core/FileTypes.h"
#include "editor/core/Installation.h"

#include "language/Text.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

const RegistryKey AddRemoveKey{RegistryRoot::LocalMachine, std::string(UninstallKeyPath)};
const std::string Group = UserPrograms + "\\Quorvel\\";

// A machine as the release package and the install start left it, with two scripts, an
// import of each kind, and the uninstaller running from the Windows folder.
class UninstallTest : public InstallFixture {
  protected:
    UninstallTest() {
        for (std::string_view name : ReleaseFiles)
            machine.AddFile(ProgramFolder + std::string(name));
        machine.AddFile(ProgramFolder + "help\\Options.htm");
        machine.AddFile(ProgramFolder + "common.qvs");
        machine.AddFile(ProgramFolder + "common.qvc");
        machine.AddFile("C:\\Windows\\Alice.qvs");
        machine.SetShortPath(ProgramFolder, "C:\\PROGRA~1\\QUORVEL\\");
        machine.AddFile(ProgramFolder + "qvremove.exe");
        RunInstallStart(Ports());
        for (const char* name : {"Quorvel Developer", "Quorvel", "Read Me", "Uninstall Quorvel"})
            machine.AddFile(Group + name + ".lnk");
        machine.SetText(MachineRunKey(), "NetlyreRun", "C:\\PROGRA~1\\QUORVEL\\Netlyre.exe");
        machine.SetText(AddRemoveKey, "DisplayName", "Quorvel");
        machine.AddFile(MovedLinks + "Mail.lnk", "mail");
        machine.AddLines(ImportLogFile,
                         {MovedLinks + "Mail.lnk", "RUN|HKLM32|SZ|Up|up.exe", "REG:Tray=tray.exe"});
        machine.programPath = "C:\\Windows\\qvremove.exe";
        machine.journal.clear();
    }
    Uninstaller Remover() { return Uninstaller(Ports(), ProgramFolder); }
};

TEST_F(UninstallTest, FindsTheProgramFolder) {
    EXPECT_EQ(InstalledProgramFolder({"D:\\Apps\\Quorvel"}, machine), "D:\\Apps\\Quorvel\\");
    EXPECT_EQ(InstalledProgramFolder({}, machine), ProgramFolder);
    FakeInstallHost empty;
    EXPECT_EQ(InstalledProgramFolder({}, empty), std::nullopt);
    empty.SetText({RegistryRoot::ClassesRoot, "qvlite_qvs\\shell\\Open\\Command"}, "",
                  "qvdev.exe %1");
    EXPECT_EQ(InstalledProgramFolder({""}, empty), std::nullopt);
}

TEST_F(UninstallTest, PutsEveryImportBackFirst) {
    Uninstaller remover = Remover();
    EXPECT_EQ(remover.ImportedCount(), 3u);
    EXPECT_TRUE(Contains(Uninstaller::PutBackQuestion(3), "3 programs were moved"));
    const PutBackReport report = remover.PutBackImports();
    EXPECT_EQ(report.restored, 3);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(machine.Lines(UserStartup + "Mail.lnk"), (Lines{"mail"}));
    EXPECT_EQ(machine.Text(MachineRunKey(RegistryView::Wow32), "Up"), "up.exe");
    EXPECT_EQ(machine.Text(MachineRunKey(), "Tray"), "tray.exe");
    EXPECT_FALSE(machine.FileExists(ImportLogFile));
}

TEST_F(UninstallTest, EntriesThatCannotGoBackStayInTheLog) {
    machine.deniedKeys.insert(KeyName(MachineRunKey(RegistryView::Wow32)));
    Uninstaller remover = Remover();
    Lines seen;
    machine.beforeRemoval = [&](const std::string&) { seen = Log(); };
    const PutBackReport report = remover.PutBackImports();
    EXPECT_EQ(report.restored, 2);
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_TRUE(StartsWith(report.failures[0], "Could not put back \"Up\" of "
                                               "HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\"))
        << report.failures[0];
    EXPECT_EQ(Log(), (Lines{"RUN|HKLM32|SZ|Up|up.exe"}));

    remover.Remove();
    EXPECT_TRUE(machine.FileExists(ImportLogFile));
    EXPECT_TRUE(machine.HasFolder(ProgramFolder + "Backup"));
}

TEST_F(UninstallTest, RemovesWhatTheInstallationMadeAndKeepsTheScripts) {
    Uninstaller remover = Remover();
    remover.PutBackImports();
    machine.journal.clear();
    const std::vector<EffectFailure> failures = remover.Remove();
    EXPECT_TRUE(failures.empty());
    Lines expected = {
        "delete key HKEY_CLASSES_ROOT\\qvlite_qvs",
        "delete HKEY_CLASSES_ROOT\\.qvs\\",
        "delete key HKEY_CLASSES_ROOT\\.qvs",
        "delete key HKEY_CLASSES_ROOT\\qvlite_qvc",
        "delete HKEY_CLASSES_ROOT\\.qvc\\",
        "delete key HKEY_CLASSES_ROOT\\.qvc",
        "delete " + KeyName(MachineRunKey()) + "\\qvrun",
        "delete " + KeyName(MachineRunKey()) + "\\NetlyreRun",
    };
    for (const char* name : {"Quorvel Developer", "Quorvel", "Read Me", "Uninstall Quorvel"})
        expected.push_back("remove " + Group + name + ".lnk");
    expected.push_back("remove if empty " + Group.substr(0, Group.size() - 1));
    for (std::string_view name : ReleaseFiles)
        expected.push_back("remove " + ProgramFolder + std::string(name));
    expected.push_back("remove tree " + ProgramFolder + "help");
    expected.push_back("remove if empty " + ProgramFolder + "Startup");
    expected.push_back("remove if empty " + ProgramFolder + "Backup");
    expected.push_back("remove after exit C:\\Windows\\qvremove.exe");
    expected.push_back("delete key " + KeyName(AddRemoveKey));
    EXPECT_EQ(machine.journal, expected);

    EXPECT_TRUE(machine.FileExists(ProgramFolder + "common.qvs"));
    EXPECT_TRUE(machine.FileExists(ProgramFolder + "common.qvc"));
    EXPECT_TRUE(machine.FileExists("C:\\Windows\\Alice.qvs"));
    EXPECT_TRUE(machine.HasFolder(ProgramFolder));
    // The entries put back are not taken out again.
    EXPECT_EQ(machine.Text(MachineRunKey(), "Tray"), "tray.exe");
    EXPECT_EQ(Uninstaller::DoneText(failures),
              "Quorvel has been removed. The scripts you wrote are still there.");
}

TEST_F(UninstallTest, AnotherProgramsFileTypesStay) {
    machine.SetText({RegistryRoot::ClassesRoot, "qvlite_qvs\\shell\\Open\\Command"}, "",
                    "\"D:\\Other\\qvdev.exe\" \"%1\"");
    machine.SetText({RegistryRoot::ClassesRoot, ".qvc"}, "", "OtherEditor.qvc");
    machine.SetText({RegistryRoot::ClassesRoot, ".qvc\\OpenWithProgids"}, "x", "");
    Remover().Remove();
    EXPECT_TRUE(machine.HasKey({RegistryRoot::ClassesRoot, "qvlite_qvs"}));
    EXPECT_EQ(machine.Text({RegistryRoot::ClassesRoot, ".qvs"}, ""), "qvlite_qvs");
    EXPECT_FALSE(machine.HasKey({RegistryRoot::ClassesRoot, "qvlite_qvc"}));
    EXPECT_EQ(machine.Text({RegistryRoot::ClassesRoot, ".qvc"}, ""), "OtherEditor.qvc");
    EXPECT_TRUE(machine.HasKey({RegistryRoot::ClassesRoot, ".qvc\\OpenWithProgids"}));
}

TEST_F(UninstallTest, DecliningThePutBackKeepsTheImports) {
    const std::vector<EffectFailure> failures = Remover().Remove();
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(Log().size(), 3u);
    EXPECT_TRUE(machine.FileExists(MovedLinks + "Mail.lnk"));
    EXPECT_TRUE(machine.HasFolder(ProgramFolder + "Startup"));
}

TEST_F(UninstallTest, RunningFromTheProgramFolderRemovesItselfAfterwards) {
    machine.programPath = ProgramFolder + "qvremove.exe";
    machine.failRemoves.insert(FakeInstallHost::Key(ProgramFolder + "qvtool.exe"));
    const std::vector<EffectFailure> failures = Remover().Remove();
    EXPECT_TRUE(std::count(machine.journal.begin(), machine.journal.end(),
                           "remove after exit " + ProgramFolder + "qvremove.exe"));
    EXPECT_TRUE(std::count(machine.journal.begin(), machine.journal.end(),
                           "remove C:\\Windows\\qvremove.exe"));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(StartsWith(Uninstaller::DoneText(failures),
                           "Quorvel has been removed, except for:\r\nCould not delete " +
                               ProgramFolder + "qvtool.exe: Access is denied."));
}

} // namespace
} // namespace qv::editor::testing
