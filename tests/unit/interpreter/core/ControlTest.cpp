#include "RunnerFixture.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

using logic::DateAndTime;

class ControlTest : public RunnerTest {
  protected:
    void SetUp() override { StartWith({}); }

    // A zone one hour east of universal time with European daylight time: from the last Sunday
    // of March, 02:00, to the last Sunday of October, 03:00.
    static logic::TimeZoneInformation CentralEurope() {
        logic::TimeZoneInformation zone;
        zone.bias = -60;
        zone.daylightBias = -60;
        zone.daylightDate = {0, 3, 5, 0, 0, 2, 0};
        zone.standardDate = {0, 10, 5, 0, 0, 3, 0};
        return zone;
    }
};

struct Moment {
    int year, month, day, hour, minute, second;
};

void ExpectMoment(const DateAndTime& actual, const Moment& expected) {
    EXPECT_EQ(actual.year, expected.year);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.hour, expected.hour);
    EXPECT_EQ(actual.minute, expected.minute);
    EXPECT_EQ(actual.second, expected.second);
}

TEST_F(ControlTest, DateKeepsTheLocalTimeOfDayAcrossDaylightTimeAndMidnight) {
    struct Case {
        const char* line;
        DateAndTime localNow;
        Moment universal;
    };
    // The fake clock stands in winter; the day asked for may be in summer.
    for (const Case& c : {
             Case{"DATE 15/01/2026", {2026, 12, 9, 8, 30, 15, 0, 3}, {2026, 1, 15, 7, 30, 15}},
             Case{"DATE 01/07/2026", {2026, 12, 9, 8, 30, 15, 0, 3}, {2026, 7, 1, 6, 30, 15}},
             Case{"DATE 01/07/2026", {2026, 12, 9, 0, 30, 0, 0, 3}, {2026, 6, 30, 22, 30, 0}},
             Case{"date 1/1/98", {2026, 12, 9, 0, 59, 59, 0, 3}, {1997, 12, 31, 23, 59, 59}},
         }) {
        SCOPED_TRACE(c.line);
        services.zone = CentralEurope();
        services.localNow = c.localNow;
        services.systemTimes.clear();
        services.calls.clear();
        runner.ProcessLine(c.line);
        ASSERT_EQ(services.systemTimes.size(), 1u);
        ExpectMoment(services.systemTimes[0], c.universal);
        EXPECT_EQ(services.calls, (std::vector<std::string>{"EnablePrivilege SeSystemtimePrivilege",
                                                            "SetSystemTime"}));
    }
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(ControlTest, DateTodayGoesBackToTheStartDayAtTheTimeOfDayNow) {
    // FakeHost started the run on 9 December 2026; a DATE line has since moved the clock.
    services.localNow = {1998, 1, 1, 14, 5, 0, 0, 4};
    runner.ProcessLine("DATE TODAY");
    ASSERT_EQ(services.systemTimes.size(), 1u);
    ExpectMoment(services.systemTimes[0], {2026, 12, 9, 14, 5, 0});
}

TEST_F(ControlTest, DateFollowsTheSystemsShortDateFormat) {
    services.shortDateFormat = "M/d/yyyy";
    runner.ProcessLine("DATE 2/28/2027");
    ASSERT_EQ(services.systemTimes.size(), 1u);
    ExpectMoment(services.systemTimes[0], {2027, 2, 28, 8, 30, 15});
}

TEST_F(ControlTest, ADateThatIsNoDateIsReportedAndChangesNothing) {
    for (const char* line : {"DATE 31/04/2026", "DATE tomorrow", "DATE 29/02/2027"})
        runner.ProcessLine(line);
    EXPECT_TRUE(services.calls.empty());
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 1, "DATE 31/04/2026") +
                                              Invalid(CommonPath, 1, "DATE tomorrow") +
                                              Invalid(CommonPath, 1, "DATE 29/02/2027"));
}

TEST_F(ControlTest, DesktopSetsTheWallpaperNamedInUpperCase) {
    runner.ProcessLine("DESKTOP c:\\windows\\clouds.bmp");
    EXPECT_EQ(services.wallpapers, (std::vector<std::string>{"C:\\WINDOWS\\CLOUDS.BMP"}));
    EXPECT_EQ(host.status, "Setting Preferred Desktop Background...\rC:\\WINDOWS\\CLOUDS.BMP");
}

TEST_F(ControlTest, DesktopRandomChoosesAmongTheFoldersBitmapsOnly) {
    services.AddFile("C:\\WINDOWS\\arcade.bmp");
    services.AddFile("C:\\WINDOWS\\readme.txt");
    services.AddFile("C:\\WINDOWS\\Zig.BMP");
    services.AddFile("D:\\Pics\\sky.bmp");
    struct Case {
        const char* line;
        int draw;
        const char* wallpaper;
    };
    for (const Case& c : {Case{"DESKTOP {RANDOM}", 0, "C:\\WINDOWS\\arcade.bmp"},
                          Case{"DESKTOP {RANDOM}", 1, "C:\\WINDOWS\\Zig.BMP"},
                          Case{"DESKTOP {RANDOM}", 3, "C:\\WINDOWS\\Zig.BMP"},
                          Case{"DESKTOP {RANDOM}d:\\pics", 1, "D:\\PICS\\sky.bmp"}}) {
        SCOPED_TRACE(c.line);
        services.randomAnswer = c.draw;
        services.wallpapers.clear();
        runner.ProcessLine(c.line);
        EXPECT_EQ(services.wallpapers, (std::vector<std::string>{c.wallpaper}));
        const std::string name =
            std::string(c.wallpaper).substr(std::string(c.wallpaper).rfind('\\') + 1);
        EXPECT_EQ(host.status,
                  "Setting Preferred Desktop Background...\rRandom Selection..." + name);
    }
}

TEST_F(ControlTest, DesktopRandomInAFolderWithoutBitmapsLeavesTheWallpaper) {
    services.AddFile("E:\\EMPTY\\notes.txt");
    runner.ProcessLine("DESKTOP {RANDOM}E:\\EMPTY");
    EXPECT_TRUE(services.wallpapers.empty());
    EXPECT_EQ(host.status, "Setting Preferred Desktop Background...\rRandom Selection...");
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(ControlTest, SetChangesTheInterpretersOwnEnvironment) {
    runner.ProcessLine("SET Temp=C:\\Tmp=1");
    EXPECT_EQ(services.environment, (std::map<std::string, std::string>{{"Temp", "C:\\Tmp=1"}}));
    EXPECT_EQ(host.status,
              "Setting Environment Variable Temp=C:\\Tmp=1\rFunction Not Fully Tested!");
    runner.ProcessLine("SET NOTHING");
    EXPECT_EQ(services.environment.size(), 1u);
    EXPECT_EQ(runner.State().ErrorReport, "");
}

// Shutting down and restarting need the shutdown privilege enabled just before the call.
TEST_F(RunnerTest, ShutdownAndLogOffCallTheSystemThenNoFurtherLineRuns) {
    struct Case {
        const char* line;
        std::vector<std::string> calls;
    };
    const std::string privilege = "EnablePrivilege SeShutdownPrivilege";
    for (const Case& c : {Case{"SHUTDOWN", {privilege, "ExitWindows 1 reason 2147745793"}},
                          Case{"SHUTDOWNNOW", {privilege, "ExitWindows 1 reason 2147745793"}},
                          Case{"SHUTDOWNRESTART", {privilege, "ExitWindows 2 reason 2147745793"}},
                          Case{"SHUTDOWNFORCE", {"ExitWindows 4 reason 2147745793"}},
                          Case{"LOGOFF", {"ExitWindows 0 reason 2147745793"}},
                          Case{"LOGOFFX", {"ExitWindows 0 reason 2147745793"}},
                          Case{"logout", {"ExitWindows 0 reason 2147745793"}}}) {
        SCOPED_TRACE(c.line);
        FakeHost h;
        FakeServices s(h);
        Runner r(h.Ports(), s.Ports());
        h.Attach(r);
        h.AddScript(CommonPath, {c.line, "BOGUS"});
        // A computer script that must not be looked for once the run has stopped.
        h.AddScript("C:\\QV\\PC1.QVC", {"ALSO BOGUS"});
        r.FormCreate(std::nullopt);
        ASSERT_TRUE(h.RunUntilEnded());
        EXPECT_EQ(s.calls, c.calls);
        EXPECT_TRUE(r.State().StopRequested);
        EXPECT_EQ(r.State().ErrorReport, "");
        EXPECT_EQ(h.callsAfterTerminate, 0);
    }
}

TEST_F(RunnerTest, ShutdownAsTheLastLineLooksForNoFurtherScript) {
    host.AddScript("C:\\QV\\PC1.QVC", {"BOGUS"});
    StartWith({"SHUTDOWN"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport, "");
    EXPECT_FALSE(StatusSeen("Checking for a File for\rComputer Name : PC1"));
}

} // namespace
} // namespace qv::interp::testing
