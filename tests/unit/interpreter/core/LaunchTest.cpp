#include "RunnerFixture.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

using Launch = FakeServices::Launch;

constexpr int WaitforClose = static_cast<int>(TimerId::WaitforClose);

class LaunchTest : public RunnerTest {
  protected:
    void SetUp() override { StartWith({}); }
};

TEST_F(LaunchTest, ProgramsStartWithTheirQuotedPathDocumentsThroughTheShell) {
    services.AddFile("C:\\DOCS\\Report.doc");
    runner.ProcessLine("LOAD C:\\WINDOWS\\NOTEPAD.EXE [MAX]");
    EXPECT_EQ(host.status, "Loading File...\rC:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(host.icons.back().source, CommandIcon::Source::FileIndex);
    EXPECT_EQ(host.icons.back().path, "shell32.dll");
    EXPECT_EQ(host.icons.back().index, 39);
    runner.ProcessLine("load c:\\docs\\report.doc {/Print Mixed-Case} [hide]");
    EXPECT_EQ(host.icons.back().source, CommandIcon::Source::Associated);
    EXPECT_EQ(host.icons.back().path, "C:\\DOCS\\REPORT.DOC");
    ASSERT_EQ(services.launches.size(), 2u);
    const Launch& program = services.launches[0];
    EXPECT_EQ(program.kind, Launch::Kind::Program);
    EXPECT_EQ(program.file, "\"C:\\WINDOWS\\NOTEPAD.EXE\" ");
    EXPECT_EQ(program.folder, "C:\\WINDOWS\\");
    EXPECT_EQ(program.showCode, 3);
    const Launch& document = services.launches[1];
    EXPECT_EQ(document.kind, Launch::Kind::Shell);
    EXPECT_EQ(document.file, "C:\\DOCS\\REPORT.DOC");
    // Parameters reach the program as written.
    EXPECT_EQ(document.parameters, "/Print Mixed-Case");
    EXPECT_EQ(document.folder, "C:\\DOCS\\");
    EXPECT_EQ(document.showCode, 0);
    EXPECT_FALSE(document.owned);
}

TEST_F(LaunchTest, TheTimeWindowAndTheWeekDaysDecide) {
    struct Case {
        const char* line;
        int hour, minute, dayOfWeek;
        bool started;
    };
    for (const Case& c :
         {Case{"LOAD C:\\A.EXE (09001700)", 17, 0, 3, false},
          Case{"LOAD C:\\A.EXE (09001700)", 16, 59, 3, true},
          Case{"LOAD C:\\A.EXE (09001700)", 9, 0, 3, false},
          Case{"LOAD C:\\A.EXE <135>", 8, 0, 3, true}, Case{"LOAD C:\\A.EXE <246>", 8, 0, 3, false},
          Case{"LOAD C:\\A.EXE (08001200) <7>", 9, 0, 7, true},
          Case{"LOAD C:\\A.EXE (08001260)", 9, 0, 3, false}}) {
        SCOPED_TRACE(c.line);
        host.today.hour = c.hour;
        host.today.minute = c.minute;
        host.today.dayOfWeek = c.dayOfWeek;
        services.launches.clear();
        runner.ProcessLine(c.line);
        EXPECT_EQ(services.launches.size(), c.started ? 1u : 0u);
    }
}

TEST_F(LaunchTest, APathWithMarksThatOpenNoGroupIsStartedAsWritten) {
    for (const char* line : {"LOAD C:\\PROGRAM FILES (X86)\\APP\\APP.EXE",
                             "LOAD \"C:\\PROGRAM FILES (X86)\\APP\\APP.EXE\""}) {
        services.launches.clear();
        runner.ProcessLine(line);
        ASSERT_EQ(services.launches.size(), 1u) << line;
        EXPECT_EQ(services.launches[0].file, "\"C:\\PROGRAM FILES (X86)\\APP\\APP.EXE\" ");
        EXPECT_EQ(services.launches[0].folder, "C:\\PROGRAM FILES (X86)\\APP\\");
    }
    runner.ProcessLine("LOAD C:\\DATA\\[OLD]\\<A>\\NOTES.TXT [MAX]");
    ASSERT_EQ(services.launches.size(), 2u);
    EXPECT_EQ(services.launches[1].file, "C:\\DATA\\[OLD]\\<A>\\NOTES.TXT");
    EXPECT_EQ(services.launches[1].showCode, 3);
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(LaunchTest, RunOnceStartsOncePerDayAndRecordsTheDayInTheUsersQvrunIni) {
    const std::string key =
        "C:\\USERS\\ALICE\\APPDATA\\LOCAL\\QUORVEL\\QVRUN.INI|Run Once A Day|C:\\SYNC.EXE";
    runner.ProcessLine("LOAD C:\\Sync.exe <R>");
    EXPECT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(services.ini[key], "\"20261209\"");
    // The Windows folder's file, where a standard user cannot write, is left alone.
    EXPECT_EQ(services.ini.count("QVRUN.INI|Run Once A Day|C:\\SYNC.EXE"), 0u);
    // A second logon the same day.
    runner.ProcessLine("LOAD C:\\SYNC.EXE <R>");
    EXPECT_EQ(services.launches.size(), 1u);
    host.today.day = 10;
    runner.ProcessLine("LOAD C:\\SYNC.EXE <R>");
    EXPECT_EQ(services.launches.size(), 2u);
    EXPECT_EQ(services.ini[key], "\"20261210\"");
}

// Records that earlier versions wrote in the Windows folder still count; the later of the two
// records decides.
TEST_F(LaunchTest, RunOnceRecordsInTheWindowsFolderStillCount) {
    const std::string user = "C:\\USERS\\ALICE\\APPDATA\\LOCAL\\QUORVEL\\QVRUN.INI";
    services.WriteIniString("QVRUN.INI", "Run Once A Day", "C:\\OLD.EXE", "\"20261209\"");
    services.WriteIniString("QVRUN.INI", "Run Once A Day", "C:\\BOTH.EXE", "\"20261208\"");
    services.WriteIniString(user, "Run Once A Day", "C:\\BOTH.EXE", "\"20261209\"");
    services.WriteIniString("QVRUN.INI", "Run Once A Day", "C:\\STALE.EXE", "\"20261209\"");
    services.WriteIniString(user, "Run Once A Day", "C:\\STALE.EXE", "\"20261201\"");
    runner.ProcessLine("LOAD C:\\OLD.EXE <R>");
    runner.ProcessLine("LOAD C:\\BOTH.EXE <R>");
    runner.ProcessLine("LOAD C:\\STALE.EXE <R>");
    EXPECT_TRUE(services.launches.empty());
    host.today.day = 10;
    runner.ProcessLine("LOAD C:\\OLD.EXE <R>");
    EXPECT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(services.ini[user + "|Run Once A Day|C:\\OLD.EXE"], "\"20261210\"");
}

TEST_F(LaunchTest, ShortcutsShowTheirTargetsIconAndStartInTheirFolder) {
    services.AddFile("C:\\ED\\ED.EXE");
    services.shortcuts["C:\\LINKS\\EDITOR.LNK"] = {"C:\\ED\\ED.EXE", "", 0};
    runner.ProcessLine("LOAD C:\\Links\\Editor.lnk [min]");
    runner.ProcessLine("LOAD C:\\Links\\Editor.lnk");
    EXPECT_EQ(host.status, "Loading Shortcut...\rC:\\LINKS\\EDITOR.LNK");
    EXPECT_EQ(host.icons.back().source, CommandIcon::Source::Associated);
    EXPECT_EQ(host.icons.back().path, "C:\\ED\\ED.EXE");
    ASSERT_EQ(services.launches.size(), 2u);
    EXPECT_EQ(services.launches[0].kind, Launch::Kind::Shell);
    EXPECT_EQ(services.launches[0].folder, "C:\\LINKS\\");
    EXPECT_EQ(services.launches[0].showCode, 7);
    EXPECT_EQ(services.launches[1].folder, "");
    EXPECT_EQ(services.launches[1].showCode, 4);
}

TEST_F(RunnerTest, LoadAndWaitHoldsTheRunUntilTheStartedProcessHasEnded) {
    services.waitedProgramRunning = true;
    StartWith(
        {"LOAD AND WAIT C:\\Setup\\Install.exe {/S /Dir=C:\\Apps %TEMP% & x} [HIDE]", "BOGUS"});
    host.Advance(600);
    ASSERT_EQ(services.launches.size(), 1u);
    const Launch& started = services.launches[0];
    EXPECT_EQ(started.kind, Launch::Kind::Waited);
    EXPECT_EQ(started.file, "C:\\SETUP\\INSTALL.EXE");
    // Parameters go to the program as written, marks and all.
    EXPECT_EQ(started.parameters, "/S /Dir=C:\\Apps %TEMP% & x");
    EXPECT_EQ(started.folder, "C:\\SETUP\\");
    // In the normal window state, whatever the line says, as the wait always started it.
    EXPECT_EQ(started.showCode, 1);
    EXPECT_EQ(host.status, "Loading File...\rC:\\SETUP\\INSTALL.EXE\r\nWaiting for the program to "
                           "Close...");
    EXPECT_TRUE(host.armed[WaitforClose]);

    host.At(5000, [&] { services.waitedProgramRunning = false; });
    host.Advance(4390);
    EXPECT_EQ(runner.State().ErrorReport, "");
    ASSERT_TRUE(host.RunUntilEnded(2000));
    EXPECT_GE(host.Clock(), 5000);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
    EXPECT_FALSE(host.armed[WaitforClose]);
}

// A start that fails, or a document the shell hands to a program that was already running, leaves
// nothing to wait for: the run goes on at once.
TEST_F(RunnerTest, LoadAndWaitWithoutAProcessToWatchGoesOnAtOnce) {
    for (const ProgramPort::WaitedStart outcome :
         {ProgramPort::WaitedStart::NoProcess, ProgramPort::WaitedStart::Failed}) {
        FakeHost h;
        FakeServices s(h);
        Runner r(h.Ports(), s.Ports());
        h.Attach(r);
        s.waitedStart = outcome;
        s.waitedProgramRunning = true;
        h.AddScript(CommonPath, {"LOAD AND WAIT C:\\DOCS\\REPORT.DOC", "BOGUS"});
        r.FormCreate(std::nullopt);
        ASSERT_TRUE(h.RunUntilEnded(600));
        EXPECT_EQ(r.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
        EXPECT_FALSE(h.armed[WaitforClose]);
    }
}

// Each line before the LOAD AND WAIT switches the runner's timer on within the same tick.
class LoadAndWaitAfter : public RunnerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LoadAndWaitAfter, HoldsTheRunUntilTheProgramHasClosed) {
    services.WriteIniString("QVRUN.INI", "Run Once A Day", "C:\\DAILY.EXE", "\"20261209\"");
    services.waitedProgramRunning = true;
    StartWith({GetParam(), "LOAD AND WAIT C:\\SETUP\\INSTALL.EXE", "LOAD C:\\NEXT.EXE"});
    host.At(4000, [&] { services.waitedProgramRunning = false; });
    host.Advance(3900);
    ASSERT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(services.launches[0].file, "C:\\SETUP\\INSTALL.EXE");
    ASSERT_TRUE(host.RunUntilEnded(2000));
    ASSERT_EQ(services.launches.size(), 2u);
    EXPECT_EQ(services.launches[1].file, "\"C:\\NEXT.EXE\" ");
}

INSTANTIATE_TEST_SUITE_P(EarlierLines, LoadAndWaitAfter,
                         ::testing::Values("PROMPT OFF", "LOAD C:\\DAILY.EXE <R>"));

TEST_F(RunnerTest, LoadAndWaitThatStartsNothingDoesNotWait) {
    StartWith({"LOAD AND WAIT C:\\A.EXE (00000001)", "BOGUS"});
    // The next tick, at the runner's interval, goes on.
    ASSERT_TRUE(host.RunUntilEnded(1000));
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
    EXPECT_TRUE(services.launches.empty());
}

} // namespace
} // namespace qv::interp::testing
