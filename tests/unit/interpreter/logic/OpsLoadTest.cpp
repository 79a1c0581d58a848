#include "interpreter/logic/OpsLoad.h"
#include "language/Grammar.h"

#include <gtest/gtest.h>

#include <map>

namespace qv::logic {
namespace {

TEST(OpsLoadParse, CutsThePathBeforeTheFirstMarkInAnyOrder) {
    struct Case {
        const char* line;
        const char* path;
        const char* parameters;
        const char* window;
        const char* time;
        const char* days;
    };
    const Case cases[] = {
        {"LOAD C:\\TOOLS\\SYNC.EXE {/QUIET} [MIN] (08001700) <R135>", "C:\\TOOLS\\SYNC.EXE",
         "/QUIET", "MIN", "08001700", "R135"},
        {"LOAD C:\\A.EXE <R> (08001700) [MAX] {-x}", "C:\\A.EXE", "-x", "MAX", "08001700", "R"},
        {"LOAD C:\\WINDOWS\\NOTEPAD.EXE [MAX]", "C:\\WINDOWS\\NOTEPAD.EXE", "", "MAX", "", ""},
        {"LOAD C:\\DOCS\\REPORT.DOC", "C:\\DOCS\\REPORT.DOC", "", "", "", ""},
        // Only a well-formed group ends the path: other marks are part of it.
        {"LOAD C:\\PROGRAM FILES (X86)\\APP.EXE", "C:\\PROGRAM FILES (X86)\\APP.EXE", "", "", "",
         ""},
        {"LOAD C:\\DATA\\[2024]\\<A>\\R.DOC [MIN]", "C:\\DATA\\[2024]\\<A>\\R.DOC", "", "MIN", "",
         ""},
        {"LOAD \"C:\\ODD {X}\\A.EXE\" {/q}", "C:\\ODD {X}\\A.EXE", "/q", "", "", ""},
        // A missing closing brace leaves the parameters empty; the path is still cut.
        {"LOAD C:\\A.EXE {/Q", "C:\\A.EXE", "", "", "", ""},
        {"LOAD C:\\A.EXE >R< [HIDE]", "C:\\A.EXE >R<", "", "HIDE", "", ""},
        // The mark right after the keyword leaves no path.
        {"LOAD {x}", "", "x", "", "", ""},
        {"LOAD AND WAIT c:\\setup\\install.exe {/S}", "C:\\SETUP\\INSTALL.EXE", "/S", "", "", ""},
        {"LOAD AND WAIT", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        const LoadLine load = ParseLoadLine(c.line);
        EXPECT_EQ(load.path, c.path) << c.line;
        EXPECT_EQ(load.parameters, c.parameters) << c.line;
        EXPECT_EQ(load.windowWord, c.window) << c.line;
        EXPECT_EQ(load.timeWindow, c.time) << c.line;
        EXPECT_EQ(load.dayList, c.days) << c.line;
    }
}

TEST(OpsLoadParse, UpperCasesAllButTheParameters) {
    const LoadLine load = ParseLoadLine("load and wait c:\\Tools\\a.exe {/Name=Ann} [min] <r1>");
    EXPECT_TRUE(load.wait);
    EXPECT_EQ(load.path, "C:\\TOOLS\\A.EXE");
    EXPECT_EQ(load.parameters, "/Name=Ann");
    EXPECT_EQ(load.windowState, WindowState::Min);
    EXPECT_EQ(load.dayList, "R1");
    EXPECT_FALSE(ParseLoadLine("LOAD C:\\A.EXE").wait);
}

TEST(OpsLoadParse, ReadsABuiltLineTheWayItsFieldsSay) {
    const LoadFields fields{true,
                            "C:\\Program Files (x86)\\Sync {2}\\sync.exe",
                            false,
                            "/Quiet",
                            true,
                            "min",
                            LoadConditions(true, "531"),
                            "08001700"};
    for (LoadLayout layout : {LoadLayout::Add, LoadLayout::Edit}) {
        const std::string line = BuildLoad(fields, layout);
        const LoadLine load = ParseLoadLine(line);
        EXPECT_TRUE(load.wait) << line;
        EXPECT_EQ(load.path, "C:\\PROGRAM FILES (X86)\\SYNC {2}\\SYNC.EXE") << line;
        EXPECT_EQ(load.parameters, "/Quiet") << line;
        EXPECT_EQ(load.windowState, WindowState::Min) << line;
        EXPECT_EQ(load.dayList, "R135") << line;
        EXPECT_EQ(load.timeWindow, "08001700") << line;
    }
}

TEST(OpsLoadParse, WindowWordsGiveTheirShowCodes) {
    EXPECT_EQ(ShowCode(ParseLoadLine("LOAD A [MIN]").windowState), 7);
    EXPECT_EQ(ShowCode(ParseLoadLine("LOAD A [MAX]").windowState), 3);
    EXPECT_EQ(ShowCode(ParseLoadLine("LOAD A [HIDE]").windowState), 0);
    EXPECT_EQ(ShowCode(ParseLoadLine("LOAD A [MINIMISED]").windowState), 4);
    EXPECT_EQ(ShowCode(ParseLoadLine("LOAD A").windowState), 4);
}

TEST(OpsLoadParse, TimeWindowIsTwoTimesOfDay) {
    ASSERT_TRUE(ParseTimeWindow("08001730"));
    EXPECT_EQ(ParseTimeWindow("08001730")->startMinutes, 480);
    EXPECT_EQ(ParseTimeWindow("08001730")->endMinutes, 1050);
    for (const char* bad :
         {"0800173", "080017300", "2400", "08602359", "24000100", "08:017:0", "ABCD1234", ""})
        EXPECT_FALSE(ParseTimeWindow(bad)) << bad;
}

class FakeRunOnce : public RunOnceStore {
  public:
    std::map<std::string, std::string> records;
    std::vector<std::pair<std::string, std::string>> writes;
    std::string ReadRunOnce(const std::string& key) override {
        const auto found = records.find(key);
        return found == records.end() ? std::string() : found->second;
    }
    void WriteRunOnce(const std::string& key, const std::string& date) override {
        writes.emplace_back(key, date);
        records[key] = date;
    }
};

// Wednesday 10 March 2027.
LoadMoment At(int hour, int minute, int second = 0, int dayOfWeek = 3, int day = 10) {
    return {2027, 3, day, hour, minute, second, 0, dayOfWeek};
}

TEST(OpsLoadDecision, TimeWindowIsOpenStrictlyBetweenItsTimes) {
    struct Case {
        LoadMoment now;
        bool start;
    };
    const Case cases[] = {
        {At(16, 59), true}, {At(16, 59, 59), true}, {At(17, 0), false},
        {At(9, 0), false},  {At(9, 0, 1), true},    {At(8, 59), false},
    };
    FakeRunOnce store;
    for (const Case& c : cases) {
        const LoadLine line = ParseLoadLine("LOAD C:\\A.EXE (09001700)");
        EXPECT_EQ(DecideLoad(line, c.now, store).start, c.start)
            << c.now.hour << ":" << c.now.minute << ":" << c.now.second;
    }
}

TEST(OpsLoadDecision, DayListStartsOnlyOnItsWeekDays) {
    FakeRunOnce store;
    const LoadLine line = ParseLoadLine("LOAD C:\\A.EXE <135>");
    const bool expected[] = {true, false, true, false, true, false, false};
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(DecideLoad(line, At(12, 0, 0, day), store).start, expected[day - 1]) << day;
    // Inside the time window, still only on the listed days.
    const LoadLine both = ParseLoadLine("LOAD C:\\A.EXE (08001700) <7>");
    EXPECT_FALSE(DecideLoad(both, At(12, 0, 0, 3), store).start);
    EXPECT_TRUE(DecideLoad(both, At(12, 0, 0, 7), store).start);
    EXPECT_FALSE(DecideLoad(both, At(18, 0, 0, 7), store).start);
}

TEST(OpsLoadDecision, RunOnceStartsOncePerDay) {
    FakeRunOnce store;
    const LoadLine line = ParseLoadLine("LOAD c:\\tools\\sync.exe <r>");
    const LoadDecision first = DecideLoad(line, At(8, 0), store);
    EXPECT_TRUE(first.start);
    EXPECT_EQ(store.records["C:\\TOOLS\\SYNC.EXE"], "20270310");

    const LoadDecision second = DecideLoad(line, At(14, 0), store);
    EXPECT_FALSE(second.start);
    // Passed over: the runner's timer goes on again, whether or not the line waits.
    EXPECT_TRUE(second.resumeRunner);

    EXPECT_TRUE(DecideLoad(line, At(8, 0, 0, 4, 11), store).start);
    EXPECT_EQ(store.records["C:\\TOOLS\\SYNC.EXE"], "20270311");
}

TEST(OpsLoadDecision, RunOnceIsRecordedOnlyWhenTheProgramStarts) {
    FakeRunOnce store;
    const LoadLine line = ParseLoadLine("LOAD C:\\A.EXE (09001700) <R3>");
    EXPECT_FALSE(DecideLoad(line, At(8, 0), store).start);            // before the window
    EXPECT_FALSE(DecideLoad(line, At(10, 0, 0, 4, 11), store).start); // another week day
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(DecideLoad(line, At(10, 0), store).start);
    EXPECT_EQ(store.writes.size(), 1u);
    EXPECT_FALSE(DecideLoad(line, At(11, 0), store).start);
}

TEST(OpsLoadDecision, WaitingLineNotStartedResumesTheRunner) {
    FakeRunOnce store;
    const LoadDecision outside =
        DecideLoad(ParseLoadLine("LOAD AND WAIT C:\\A.EXE (09001700)"), At(18, 0), store);
    EXPECT_FALSE(outside.start);
    EXPECT_TRUE(outside.resumeRunner);
    const LoadDecision plain =
        DecideLoad(ParseLoadLine("LOAD C:\\A.EXE (09001700)"), At(18, 0), store);
    EXPECT_FALSE(plain.resumeRunner);
    const LoadDecision started =
        DecideLoad(ParseLoadLine("LOAD AND WAIT C:\\A.EXE"), At(18, 0), store);
    EXPECT_TRUE(started.start);
    EXPECT_FALSE(started.resumeRunner);
}

TEST(OpsLoadDecision, InvalidTimeWindowNeverStarts) {
    FakeRunOnce store;
    EXPECT_FALSE(DecideLoad(ParseLoadLine("LOAD C:\\A.EXE (25001700)"), At(12, 0), store).start);
    // The run-once record is not spent on it.
    EXPECT_FALSE(
        DecideLoad(ParseLoadLine("LOAD C:\\A.EXE (08001760) <R>"), At(12, 0), store).start);
    EXPECT_TRUE(store.writes.empty());
}

TEST(OpsLoadLaunch, RequestAndRouteFollowTheFileKind) {
    const LaunchRequest notepad =
        MakeLaunchRequest(ParseLoadLine("LOAD C:\\WINDOWS\\NOTEPAD.EXE [MAX]"));
    EXPECT_EQ(notepad.folder, "C:\\WINDOWS\\");
    EXPECT_EQ(notepad.showCode, 3);
    EXPECT_EQ(ChooseLaunchRoute(notepad.file, notepad.wait), LaunchRoute::ProgramStart);
    EXPECT_EQ(ProgramCommandLine(notepad.file, notepad.parameters),
              "\"C:\\WINDOWS\\NOTEPAD.EXE\" ");

    const LaunchRequest doc = MakeLaunchRequest(ParseLoadLine("LOAD C:\\DOCS\\REPORT.DOC"));
    EXPECT_EQ(doc.folder, "C:\\DOCS\\");
    EXPECT_EQ(doc.showCode, 4);
    EXPECT_EQ(ChooseLaunchRoute(doc.file, false), LaunchRoute::Shell);
    EXPECT_EQ(ChooseLaunchRoute("C:\\X.COM", false), LaunchRoute::ProgramStart);
    EXPECT_EQ(ChooseLaunchRoute("C:\\X.EXE", true), LaunchRoute::Waited);

    // A shortcut passes its folder only with an explicit window state.
    EXPECT_EQ(MakeLaunchRequest(ParseLoadLine("LOAD C:\\LINKS\\A.LNK")).folder, "");
    EXPECT_EQ(MakeLaunchRequest(ParseLoadLine("LOAD C:\\LINKS\\A.LNK [HIDE]")).folder,
              "C:\\LINKS\\");
}

TEST(OpsLoadLaunch, OnlyAFileNamedExeOrComIsStartedAsAProgram) {
    const struct {
        const char* file;
        LaunchRoute route;
    } cases[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", LaunchRoute::ProgramStart},
        {"c:\\tools\\x.com", LaunchRoute::ProgramStart},
        {"NOTEPAD.EXE", LaunchRoute::ProgramStart},
        {"\\\\FS.CORP.COM\\DOCS\\REPORT.DOC", LaunchRoute::Shell},
        {"\\\\FS.CORP.COM\\APPS\\TOOL.EXE", LaunchRoute::ProgramStart},
        {"HTTP://WWW.EXAMPLE.COM/", LaunchRoute::Shell},
        {"HTTP://WWW.EXAMPLE.COM", LaunchRoute::Shell},
        {"C:\\MY.EXE.FILES\\README.TXT", LaunchRoute::Shell},
        {"C:\\DATA\\REPORT.COMPANY", LaunchRoute::Shell},
        {"C:\\DATA", LaunchRoute::Shell},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLaunchRoute(c.file, false), c.route) << c.file;
}

TEST(OpsLoadLaunch, StatusTextsNameFileOrShortcut) {
    EXPECT_EQ(LoadingStatusText("C:\\A.EXE"), "Loading File...\rC:\\A.EXE");
    EXPECT_EQ(LoadingStatusText("C:\\LINKS\\A.LNK"), "Loading Shortcut...\rC:\\LINKS\\A.LNK");
    EXPECT_EQ(LoadingStatusText("C:\\PROGRAM FILES\\VENDOR\\TOOLS\\APPLICATION.EXE"),
              "Loading File...\r\\...\\VENDOR\\TOOLS\\APPLICATION.EXE");
}

} // namespace
} // namespace qv::logic
