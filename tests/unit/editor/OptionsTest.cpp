#include "editor/core/Options.h"
#include "InstallFixture.h"
#include "editor/core/RunValues.h"

#include "language/Text.h"

namespace qv::editor::testing {
namespace {

using Lines = std::vector<std::string>;

class OptionsTest : public InstallFixture {
  protected:
    const std::string runKey = KeyName(MachineRunKey());
    const std::string editorKey = KeyName(EditorKey());
};

TEST_F(OptionsTest, OpeningReadsEachSettingGuarded) {
    struct Case {
        const char* tag;
        void (*arrange)(FakeInstallHost&);
        bool win98Before;
        OptionsFields expected;
    };
    const Case cases[] = {
        {"nothing stored: Win98 keeps its box",
         [](FakeInstallHost&) {},
         false,
         {false, false, false}},
        {"everything set",
         [](FakeInstallHost& m) {
             m.SetInteger(EditorKey(), "Win98", 0);
             m.SetText(MachineRunKey(), "qvrun", "C:\\PROGRA~1\\QUORVEL\\qvrun.exe");
             m.SetText(MachineRunKey(), "NetlyreRun", "C:\\PROGRA~1\\QUORVEL\\Netlyre.exe");
         },
         true,
         {false, true, true}},
        {"empty or unreadable Run values count as empty",
         [](FakeInstallHost& m) {
             m.SetInteger(EditorKey(), "Win98", 7);
             m.SetText(MachineRunKey(), "qvrun", "");
             m.SetBinary(MachineRunKey(), "NetlyreRun");
         },
         false,
         {true, false, false}},
        {"a Win98 that is no integer keeps its box",
         [](FakeInstallHost& m) { m.SetText(EditorKey(), "Win98", "yes"); },
         false,
         {false, false, false}},
    };
    for (const Case& c : cases) {
        FakeInstallHost fresh;
        c.arrange(fresh);
        const OptionsModel options(fresh.Ports(), {c.win98Before, true, true});
        EXPECT_EQ(options.Fields().win98, c.expected.win98) << c.tag;
        EXPECT_EQ(options.Fields().autoLoad, c.expected.autoLoad) << c.tag;
        EXPECT_EQ(options.Fields().addInAutoLoad, c.expected.addInAutoLoad) << c.tag;
    }
}

TEST_F(OptionsTest, OkWritesTheThreeSettingsInOrder) {
    machine.SetShortPath(ProgramFolder, "C:\\PROGRA~1\\QUORVEL\\");
    struct Case {
        const char* tag;
        bool stored; // both Run values exist with today's data beforehand
        OptionsFields fields;
        Lines journal;
    };
    const std::string qvrun = "C:\\PROGRA~1\\QUORVEL\\qvrun.exe";
    const std::string netlyre = "C:\\PROGRA~1\\QUORVEL\\Netlyre.exe";
    const Case cases[] = {
        {"both ticked",
         false,
         {true, true, true},
         {"write " + runKey + "\\NetlyreRun=" + netlyre, "write " + editorKey + "\\Win98=1",
          "write " + runKey + "\\qvrun=" + qvrun}},
        {"both cleared",
         true,
         {false, false, false},
         {"delete " + runKey + "\\NetlyreRun", "write " + editorKey + "\\Win98=0",
          "delete " + runKey + "\\qvrun"}},
        {"nothing to change in the Run key",
         true,
         {true, true, true},
         {"write " + editorKey + "\\Win98=1"}},
        {"cleared and absent already",
         false,
         {false, false, false},
         {"write " + editorKey + "\\Win98=0"}},
    };
    for (const Case& c : cases) {
        machine.DeleteValue(MachineRunKey(), "qvrun");
        machine.DeleteValue(MachineRunKey(), "NetlyreRun");
        if (c.stored) {
            machine.SetText(MachineRunKey(), "qvrun", qvrun);
            machine.SetText(MachineRunKey(), "NetlyreRun", netlyre);
        }
        machine.journal.clear();
        OptionsModel options(Ports());
        options.Fields() = c.fields;
        EXPECT_TRUE(options.Ok().empty()) << c.tag;
        EXPECT_EQ(machine.journal, c.journal) << c.tag;
    }
}

TEST_F(OptionsTest, TheRunValueNamesTheInterpreterSafely) {
    struct Case {
        const char* tag;
        std::string folder;
        std::optional<std::string> shortForm;
        std::string data;
    };
    const Case cases[] = {
        {"short form", "C:\\Program Files\\Quorvel\\", "C:\\PROGRA~1\\QUORVEL\\",
         "C:\\PROGRA~1\\QUORVEL\\qvrun.exe"},
        {"short names disabled: quoted", "C:\\Program Files\\Quorvel\\",
         "C:\\Program Files\\Quorvel\\", "\"C:\\Program Files\\Quorvel\\qvrun.exe\""},
        {"no short form: the long path, quoted", "C:\\Program Files\\Quorvel\\", std::nullopt,
         "\"C:\\Program Files\\Quorvel\\qvrun.exe\""},
        {"no blank: as it is", "D:\\Tools\\Quorvel\\", std::nullopt,
         "D:\\Tools\\Quorvel\\qvrun.exe"},
    };
    for (const Case& c : cases) {
        FakeInstallHost fresh;
        fresh.programPath = c.folder + "qvdev.exe";
        if (c.shortForm)
            fresh.SetShortPath(c.folder, *c.shortForm);
        EXPECT_EQ(RunValueData(fresh, InterpreterFileName), c.data) << c.tag;
    }
}

TEST_F(OptionsTest, OkSaysWhatCouldNotBeStored) {
    machine.deniedKeys.insert(runKey);
    OptionsModel options(Ports());
    options.Fields() = {false, true, true};
    const std::vector<EffectFailure> failures = options.Ok();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].effect.name, "NetlyreRun");
    EXPECT_EQ(failures[1].effect.name, "qvrun");
    EXPECT_EQ(machine.journal, (Lines{"write " + editorKey + "\\Win98=0"}));
    const std::string text = OptionsModel::FailureText(failures);
    EXPECT_TRUE(StartsWith(
        text, "Some settings could not be stored.\r\nCould not write \"NetlyreRun\" in " + runKey +
                  ": Access is denied.\r\n"))
        << text;
    EXPECT_TRUE(Contains(text, std::string(AdministratorHint))) << text;
}

TEST_F(OptionsTest, ClearListEmptiesTheRecentFiles) {
    doc.SetRecentFiles({"C:\\a.qvs", "C:\\b.qvs"});
    OptionsModel options(Ports());
    EXPECT_TRUE(options.ClearListEnabled());
    options.ClearList(doc);
    EXPECT_TRUE(doc.Recent().Paths().empty());
    EXPECT_FALSE(options.ClearListEnabled());
}

TEST_F(OptionsTest, TheAddInStartsOnceAndItsButtonsFollowItsWindow) {
    OptionsModel options(Ports());
    EXPECT_EQ(options.AddInToStart(false), "c:\\program files\\quorvel\\netlyre.exe");
    EXPECT_EQ(options.AddInToStart(true), std::nullopt);
    EXPECT_TRUE(OptionsModel::ButtonsFor(false).load);
    EXPECT_FALSE(OptionsModel::ButtonsFor(false).unload);
    EXPECT_FALSE(OptionsModel::ButtonsFor(true).load);
    EXPECT_TRUE(OptionsModel::ButtonsFor(true).unload);
}

TEST_F(OptionsTest, TheTitleBarSettingAtStart) {
    EXPECT_EQ(ReadTitleShading(machine), std::nullopt);
    EXPECT_TRUE(StartupTitleShading(machine));
    EXPECT_EQ(machine.journal, (Lines{"write " + editorKey + "\\Win98=1"}));
    machine.SetInteger(EditorKey(), "Win98", 0);
    EXPECT_FALSE(StartupTitleShading(machine));
    EXPECT_EQ(ReadTitleShading(machine), false);
}

} // namespace
} // namespace qv::editor::testing
