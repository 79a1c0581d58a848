#include "editor/core/Installation.h"
#include "InstallFixture.h"
#include "editor/core/FileTypes.h"
#include "editor/core/ShortcutName.h"

#include "language/Text.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string Editor = ProgramFolder + "qvdev.exe";

Lines FileTypeWrites(const std::string& editor) {
    const std::string folder = editor.substr(0, editor.rfind('\\') + 1);
    return {
        "write HKEY_CLASSES_ROOT\\qvlite_qvs\\=Quorvel Script",
        "write HKEY_CLASSES_ROOT\\qvlite_qvs\\DefaultIcon\\=" + editor + ",26",
        "write HKEY_CLASSES_ROOT\\qvlite_qvs\\shell\\Open\\Command\\=\"" + editor + "\" \"%1\"",
        "write HKEY_CLASSES_ROOT\\.qvs\\=qvlite_qvs",
        "write HKEY_CLASSES_ROOT\\qvlite_qvc\\=Quorvel Compile",
        "write HKEY_CLASSES_ROOT\\qvlite_qvc\\DefaultIcon\\=" + folder + "qvrun.exe,1",
        "write HKEY_CLASSES_ROOT\\qvlite_qvc\\shell\\Open\\Command\\=\"" + folder +
            "qvrun.exe\" \"%1\"",
        "write HKEY_CLASSES_ROOT\\.qvc\\=qvlite_qvc",
        "associations changed",
    };
}

class InstallationTest : public InstallFixture {};

TEST_F(InstallationTest, FileTypesAreWrittenInTheTablesOrder) {
    struct Case {
        const char* tag;
        bool installStart;
        const char* message;
    };
    for (const Case& c : {Case{"Set File Associations", false, "Associations are now set."},
                          Case{"install start", true, ""}}) {
        machine.journal.clear();
        const FileTypesOutcome outcome = SetFileTypes(Ports(), c.installStart);
        EXPECT_EQ(machine.journal, FileTypeWrites(Editor)) << c.tag;
        EXPECT_EQ(outcome.message, c.message) << c.tag;
        EXPECT_FALSE(outcome.error) << c.tag;
    }
}

TEST_F(InstallationTest, FileTypesThatCannotBeWrittenAreReported) {
    machine.deniedKeys.insert("HKEY_CLASSES_ROOT\\.qvs");
    machine.deniedKeys.insert("HKEY_CLASSES_ROOT\\.qvc");
    FileTypesOutcome outcome = SetFileTypes(Ports(), false);
    EXPECT_TRUE(outcome.error);
    ASSERT_EQ(outcome.failures.size(), 2u);
    EXPECT_EQ(outcome.message, "The file associations could not be set.\r\n"
                               "Could not write the default value in HKEY_CLASSES_ROOT\\.qvs: "
                               "Access is denied.\r\n"
                               "Could not write the default value in HKEY_CLASSES_ROOT\\.qvc: "
                               "Access is denied.\r\n\r\n" +
                                   std::string(AdministratorHint));
    EXPECT_EQ(machine.journal.back(), "associations changed");

    outcome = SetFileTypes(Ports(), true);
    EXPECT_EQ(outcome.failures.size(), 2u);
    EXPECT_EQ(outcome.message, "");
}

TEST_F(InstallationTest, TheInstallStartTakesItsStepsInOrder) {
    machine.SetShortPath(ProgramFolder, "C:\\PROGRA~1\\QUORVEL\\");
    const std::vector<EffectFailure> failures = RunInstallStart(Ports());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].effect.kind, InstallEffect::Kind::CopyFile);
    Lines expected = FileTypeWrites(Editor);
    const Lines rest = {
        "write " + KeyName(MachineRunKey()) + "\\qvrun=C:\\PROGRA~1\\QUORVEL\\qvrun.exe",
        "shortcut Programs\\Quorvel\\Quorvel Developer > " + Editor,
        "shortcut Programs\\Quorvel\\Quorvel > " + ProgramFolder + "qvrun.exe",
        "shortcut Programs\\Quorvel\\Read Me > " + ProgramFolder + "readme.txt",
        "shortcut Programs\\Quorvel\\Uninstall Quorvel > C:\\Windows\\qvremove.exe",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    // The uninstaller is not there to copy: the step fails and the others still happen.
    EXPECT_EQ(machine.journal, expected);

    machine.journal.clear();
    machine.AddFile(ProgramFolder + "qvremove.exe", "remover");
    EXPECT_TRUE(RunInstallStart(Ports()).empty());
    ASSERT_EQ(machine.journal.size(), expected.size() + 1);
    EXPECT_EQ(machine.journal[expected.size() - 1],
              "copy " + ProgramFolder + "qvremove.exe > C:\\Windows\\qvremove.exe");
    EXPECT_EQ(machine.Lines("C:\\Windows\\qvremove.exe"), (Lines{"remover"}));
    EXPECT_EQ(InstallActivationSteps,
              (std::array{ActivationStep::OpenHelpTopic, ActivationStep::RunImportWizard,
                          ActivationStep::EndProgram}));
}

TEST_F(InstallationTest, EveryFailureIsRecordedAndTheRestGoesOn) {
    machine.deniedKeys.insert(KeyName(MachineRunKey()));
    machine.failShortcuts.insert("Quorvel");
    const std::vector<EffectFailure> failures = RunInstallStart(Ports());
    Lines texts;
    for (const EffectFailure& failure : failures)
        texts.push_back(failure.Text());
    EXPECT_EQ(texts, (Lines{
                         "Could not write \"qvrun\" in " + KeyName(MachineRunKey()) +
                             ": Access is denied.",
                         "Could not create the shortcut \"Quorvel\" in Programs\\Quorvel: Access "
                         "is denied.",
                         "Could not copy " + ProgramFolder +
                             "qvremove.exe to C:\\Windows\\qvremove.exe: The system cannot find "
                             "the path specified.",
                     }));
    EXPECT_TRUE(Contains(machine.journal.back(), "Uninstall Quorvel"));
}

TEST(InstallStart, OnlyAnExactFirstArgument) {
    struct Case {
        std::vector<std::string> arguments;
        bool install;
    };
    const Case cases[] = {
        {{"/install"}, true},           {{"/INSTALL"}, false},     {{}, false},
        {{"x.qvs", "/install"}, false}, {{"/install", "x"}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInstallStart(c.arguments), c.install) << c.arguments.size();
}

TEST(ShortcutName, TheDescriptionGivesTheLinkFileName) {
    struct Case {
        const char* description;
        const char* name;
    };
    const Case cases[] = {
        {"Quorvel Developer", "Quorvel Developer.lnk"},
        {"report.final.qvc", "report.final.lnk"},
        {"C:\\Scripts\\Net.qvc", "Net.lnk"},
        {"", ".lnk"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortcutFileName(c.description), c.name) << c.description;
}

} // namespace
} // namespace qv::editor::testing
