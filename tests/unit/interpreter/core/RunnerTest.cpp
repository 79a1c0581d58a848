#include "RunnerFixture.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

constexpr int WaitTimer = static_cast<int>(TimerId::WaitTimer);
constexpr int Digits = static_cast<int>(TimerId::Digits);

TEST_F(RunnerTest, LinesWithoutWaitsRunBackToBackInTheFirstTick) {
    StartWith({"BOGUS1", "ERROR ON", "BOGUS3"});
    host.Advance(499);
    EXPECT_FALSE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport, "");
    host.Advance(1);
    EXPECT_TRUE(host.terminated);
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + Invalid(CommonPath, 2, "BOGUS1") +
                                     Invalid(CommonPath, 4, "BOGUS3"));
}

TEST_F(RunnerTest, TheFourthCommandIsReportedAsLineFiveWithItsTrimmedText) {
    StartWith({"ERROR ON", "ERROR ON", "ERROR ON", " \tBOGUS  x \t"});
    host.Advance(500);
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], std::string(ErrorLogHeading) +
                                     "Invalid Command (200) In Script File : " + CommonPath +
                                     "\r\n\t Line : 5 'BOGUS  x'\r\n");
}

TEST_F(RunnerTest, WaitingLineSuspendsTheRunnerUntilTheCountdownResumesIt) {
    StartWith({"BOGUS1", "WAIT 2", "BOGUS3"});
    host.Advance(500);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 2, "BOGUS1"));
    EXPECT_EQ(runner.State().NextLine, 3);
    EXPECT_FALSE(host.armed[WaitTimer]);
    EXPECT_TRUE(host.armed[Digits]);
    EXPECT_TRUE(host.countVisible);
    EXPECT_TRUE(host.clockVisible);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_GE(host.Clock(), 500 + 1500);
    EXPECT_LE(host.Clock(), 500 + 2500);
    EXPECT_FALSE(host.countVisible);
    EXPECT_FALSE(host.clockVisible);
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid(CommonPath, 2, "BOGUS1") + Invalid(CommonPath, 4, "BOGUS3"));
}

TEST_F(RunnerTest, PauseFreezesACountdownAndResumeGoesOnFromTheSameCount) {
    StartWith({"WAIT 10", "BOGUS"});
    host.Advance(500);
    ASSERT_TRUE(host.AdvanceUntil([&] { return host.countHistory.back() == "6"; }, 10000));
    host.Advance(50);
    runner.cmdPauseClick();
    EXPECT_TRUE(runner.State().Paused);
    EXPECT_EQ(host.title, "Trevanta's - Quorvel v2.0 - Script Paused");
    EXPECT_EQ(host.buttonCaption[Button::cmdPause], "&Resume");
    EXPECT_EQ(host.buttonCaption[Button::Button1], "&Minimize");

    host.Advance(20000);
    EXPECT_FALSE(host.terminated);
    EXPECT_EQ(host.countHistory.back(), "6");

    const std::size_t before = host.countHistory.size();
    const long long resumedAt = host.Clock();
    runner.cmdPauseClick();
    EXPECT_EQ(host.title, "Trevanta's - Quorvel v2.0 - Resumed");
    EXPECT_EQ(host.buttonCaption[Button::cmdPause], "&Pause");
    EXPECT_EQ(host.buttonCaption[Button::Button1], "&Next >>");
    ASSERT_TRUE(host.RunUntilEnded());
    const std::vector<std::string> after(host.countHistory.begin() + before,
                                         host.countHistory.end());
    EXPECT_EQ(after, (std::vector<std::string>{"5", "4", "3", "2", "1", "0"}));
    EXPECT_GE(host.Clock() - resumedAt, 5000);
    EXPECT_LE(host.Clock() - resumedAt, 6500);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
}

// Pause pressed at every tenth of a second of a countdown unit, whatever of the clock's timers is
// armed just then: nothing counts while paused, and after Resume the count goes on from where it
// stood.
TEST_F(RunnerTest, PauseAtAnyPhaseOfTheCountdownFreezesItUntilResume) {
    for (int phase = 0; phase < 1000; phase += 10) {
        SCOPED_TRACE(phase);
        FakeHost h;
        Runner r(h.Ports());
        h.Attach(r);
        h.AddScript(CommonPath, {"WAIT 4", "BOGUS"});
        r.FormCreate(std::nullopt);
        h.Advance(1500 + phase);
        r.cmdPauseClick();
        const std::vector<std::string> counted = h.countHistory;
        h.Advance(10000);
        EXPECT_EQ(h.countHistory, counted);
        EXPECT_EQ(h.title, "Trevanta's - Quorvel v2.0 - Script Paused");
        EXPECT_EQ(r.State().ErrorReport, "");

        const int shown = std::stoi(counted.back());
        const long long resumedAt = h.Clock();
        r.cmdPauseClick();
        ASSERT_TRUE(h.RunUntilEnded(6000));
        std::vector<std::string> expected(counted);
        for (int count = shown - 1; count >= 0; --count)
            expected.push_back(std::to_string(count));
        EXPECT_EQ(h.countHistory, expected);
        // A unit that was at its last tenth when paused ends a tenth after Resume.
        EXPECT_GE(h.Clock() - resumedAt, (shown - 1) * 1000LL - 100);
        EXPECT_LE(h.Clock() - resumedAt, shown * 1000LL + 200);
        EXPECT_EQ(r.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
    }
}

// F8's list and Resume during a wait that resumes the runner itself: the clock stays off and the
// next line runs only once the window has come or the program has closed, without a 207 entry.
struct OwnWait {
    const char* name;
    const char* line;
    std::function<void(FakeServices&)> begin;
    std::function<void(FakeServices&)> end;
};

const OwnWait OwnWaits[] = {
    {"window", "WAIT FOR WINDOW Setup", [](FakeServices&) {},
     [](FakeServices& s) { s.AddWindow("Product Setup"); }},
    {"program", "LOAD AND WAIT C:\\SETUP.EXE",
     [](FakeServices& s) { s.waitedProgramRunning = true; },
     [](FakeServices& s) { s.waitedProgramRunning = false; }},
};

enum class Interruption { F8List, PauseAndResume, EndsWhilePaused };

TEST_F(RunnerTest, F8AndResumeDuringAWindowOrProgramWaitLeaveItAsItWas) {
    for (const OwnWait& wait : OwnWaits) {
        for (const Interruption interruption :
             {Interruption::F8List, Interruption::PauseAndResume, Interruption::EndsWhilePaused}) {
            SCOPED_TRACE(std::string(wait.name) + " " + std::to_string(int(interruption)));
            FakeHost h;
            FakeServices s(h);
            Runner r(h.Ports(), s.Ports());
            h.Attach(r);
            wait.begin(s);
            h.AddScript(CommonPath, {wait.line, "BOGUS"});
            r.FormCreate(std::nullopt);
            h.Advance(1000);
            long long endsAt = 5000;
            switch (interruption) {
            case Interruption::F8List:
                h.promptAnswers = {std::vector<bool>{true}};
                r.FormKeyDown(Key::F8);
                break;
            case Interruption::PauseAndResume:
                r.cmdPauseClick();
                h.Advance(1000);
                r.cmdPauseClick();
                break;
            case Interruption::EndsWhilePaused:
                r.cmdPauseClick();
                endsAt = 2000;
                break;
            }
            EXPECT_FALSE(h.armed[Digits]);
            h.At(endsAt, [&] { wait.end(s); });
            h.Advance(4000 - h.Clock());
            EXPECT_FALSE(h.terminated);
            EXPECT_EQ(r.State().ErrorReport, "");
            if (interruption == Interruption::EndsWhilePaused) {
                h.Advance(2000);
                EXPECT_EQ(r.State().ErrorReport, "");
                r.cmdPauseClick();
            }
            const long long goesOnFrom = std::max(endsAt, h.Clock());
            ASSERT_TRUE(h.RunUntilEnded(2000));
            EXPECT_GE(h.Clock(), goesOnFrom);
            EXPECT_EQ(r.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
        }
    }
}

TEST_F(RunnerTest, PauseBetweenCommandsHoldsTheNextLineUntilResume) {
    StartWith({"BOGUS"});
    host.At(100, [&] { runner.cmdPauseClick(); });
    host.Advance(5000);
    EXPECT_FALSE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport, "");
    runner.cmdPauseClick();
    ASSERT_TRUE(host.RunUntilEnded(1500));
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 2, "BOGUS"));
}

TEST_F(RunnerTest, MinimizeWhilePausedHidesToTheTrayAndTheTrayIconBringsItBack) {
    StartWith({"WAIT 10"});
    host.Advance(1000);
    runner.cmdPauseClick();
    runner.Button1Click();
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(host.trayIcon);
    runner.TrayIcon1Click();
    EXPECT_TRUE(host.visible);
    EXPECT_FALSE(host.trayIcon);
    EXPECT_TRUE(runner.State().Paused);
}

TEST_F(RunnerTest, NextDuringACountdownResumesWithinASecond) {
    StartWith({"WAIT 100", "BOGUS"});
    host.Advance(3500);
    EXPECT_FALSE(host.terminated);
    runner.Button1Click();
    EXPECT_TRUE(runner.State().SkipRequested);
    ASSERT_TRUE(host.RunUntilEnded(1100));
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
}

TEST_F(RunnerTest, WaitZeroLastsUntilTheNextCountdownTick) {
    StartWith({"WAIT 0", "BOGUS"});
    host.Advance(500);
    EXPECT_FALSE(host.terminated);
    ASSERT_TRUE(host.RunUntilEnded(1100));
}

TEST_F(RunnerTest, PromptModeAsksForEachCommandAndPassesOverWaits) {
    StartWith({"PROMPT ON", "BOGUS1", "WAIT 5", "BOGUS2", "PROMPT OFF", "BOGUS3"});
    host.messageBoxAnswers = {IdYes, IdNo};
    host.Advance(500);
    ASSERT_TRUE(host.terminated);
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_EQ(host.messageBoxes[0].text, "Are you sure you wish to Execute\rBOGUS1");
    EXPECT_EQ(host.messageBoxes[0].title, "Quorvel");
    EXPECT_EQ(host.messageBoxes[0].flags, 0x1023u);
    EXPECT_EQ(host.messageBoxes[1].text, "Are you sure you wish to Execute\rBOGUS2");
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + Invalid(CommonPath, 3, "BOGUS1") +
                                     Invalid(CommonPath, 7, "BOGUS3"));
    EXPECT_FALSE(runner.State().PromptMode);
}

TEST_F(RunnerTest, CancelInPromptModeEndsWithoutTheErrorLog) {
    StartWith({"BOGUS0", "PROMPT ON", "BOGUS2", "BOGUS3"});
    host.messageBoxAnswers = {IdCancel};
    host.Advance(500);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_TRUE(host.errorLogs.empty());
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 2, "BOGUS0"));
}

TEST_F(RunnerTest, PromptMenuShowsTheRemainingLinesAndSwitchesPromptModeOff) {
    StartWith({"PROMPT ON", "PROMPT MENU", "A1", "A2", "A3"});
    host.messageBoxAnswers = {IdYes};
    host.promptAnswers = {std::vector<bool>{true, false, true}};
    host.Advance(500);
    ASSERT_TRUE(host.terminated);
    ASSERT_EQ(host.promptEntries.size(), 1u);
    EXPECT_EQ(host.promptEntries[0], (std::vector<std::string>{"A1", "A2", "A3"}));
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid(CommonPath, 4, "A1") + Invalid(CommonPath, 5, "A3"));
}

TEST_F(RunnerTest, CancelPressedWhileThePromptBoxIsOpenEndsTheRunOnce) {
    StartWith({"BOGUS0", "PROMPT ON", "BOGUS2", "BOGUS3"});
    host.messageBoxAnswers = {IdYes};
    host.onMessageBox = [&] { runner.CancelButClick(); };
    host.Advance(500);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 2, "BOGUS0"));
}

TEST_F(RunnerTest, NoTickStartsInsideAnotherWhileACommandPumpsMessages) {
    StartWith({"PROMPT OFF", "LOCATE TOP LEFT", "WAIT 5", "BOGUS"});
    host.onProcessMessages = [&] {
        host.onProcessMessages = nullptr;
        host.Advance(50);
    };
    host.Advance(500);
    EXPECT_EQ(runner.State().ErrorReport, "");
    EXPECT_EQ(runner.State().NextLine, 4);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_GE(host.Clock(), 500 + 4000);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 5, "BOGUS"));
}

TEST_F(RunnerTest, RunReturnsToTheLineAfterItWithReturningTo) {
    host.AddScript("C:\\S\\SUB.QVC", {"BOGUSSUB"});
    StartWith({"REM 1", "REM 2", "REM 3", "REM 4", "RUN C:\\S\\SUB.QVC", "BOGUS6"});
    host.Advance(500);
    EXPECT_TRUE(StatusSeen("Running A New script\rC:\\S\\SUB.QVC"));
    EXPECT_EQ(host.status, std::string("Returning to\r") + CommonPath);
    EXPECT_EQ(runner.State().ErrorReport, Invalid("C:\\S\\SUB.QVC", 2, "BOGUSSUB"));
    EXPECT_EQ(runner.State().CurrentScript, CommonPath);
    EXPECT_EQ(runner.State().NextLine, 6);
    EXPECT_TRUE(runner.State().ScriptStack.empty());
    EXPECT_TRUE(runner.State().LineStack.empty());
    host.Advance(499);
    EXPECT_FALSE(host.terminated);
    host.Advance(1);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid("C:\\S\\SUB.QVC", 2, "BOGUSSUB") + Invalid(CommonPath, 7, "BOGUS6"));
}

TEST_F(RunnerTest, RunOfAMissingScriptRecordsEntry201AndGoesOn) {
    StartWith({"RUN C:\\NOPE.QVC", "BOGUS"});
    host.Advance(500);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Run Failed (201) In Script File : ", CommonPath, 2, "RUN C:\\NOPE.QVC") +
                  Invalid(CommonPath, 3, "BOGUS"));
}

// A folder, a file that is no compiled script and an empty file: the run must not end there.
class RunOfNoScript : public RunnerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunOfNoScript, RecordsEntry201AndGoesOnWithTheCallersLines) {
    host.AddFolder("C:\\SCRIPTS");
    host.AddFile("C:\\SCRIPTS\\NOTES.TXT", "not a compiled script");
    host.AddFile("C:\\SCRIPTS\\EMPTY.QVC", "");
    const std::string line = std::string("RUN ") + GetParam();
    StartWith({"BOGUS1", line, "BOGUS3"});
    ASSERT_TRUE(host.RunUntilEnded(2000));
    EXPECT_TRUE(runner.State().ScriptStack.empty());
    EXPECT_EQ(runner.State().CurrentScript, CommonPath);
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid(CommonPath, 2, "BOGUS1") +
                  Entry("Run Failed (201) In Script File : ", CommonPath, 3, line) +
                  Invalid(CommonPath, 4, "BOGUS3"));
    ASSERT_EQ(host.errorLogs.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Paths, RunOfNoScript,
                         ::testing::Values("C:\\SCRIPTS", "C:\\SCRIPTS\\", "C:\\SCRIPTS\\NOTES.TXT",
                                           "C:\\SCRIPTS\\EMPTY.QVC"));

TEST_F(RunnerTest, AScriptThatRunsItselfStillEnds) {
    StartWith({std::string("RUN ") + CommonPath, "BOGUS"});
    ASSERT_TRUE(host.RunUntilEnded(200000));
    EXPECT_NE(runner.State().ErrorReport.find("Run Failed (201)"), std::string::npos);
}

TEST_F(RunnerTest, F8RemovesTheLinesLeftUncheckedAndRestartsTheClock) {
    StartWith({"WAIT FOR LOAD 10", "A1", "A2", "A3"});
    host.Advance(700);
    host.promptAnswers = {std::vector<bool>{true, false, true}};
    runner.FormKeyDown(Key::F8);
    ASSERT_EQ(host.promptEntries.size(), 1u);
    EXPECT_EQ(host.promptEntries[0], (std::vector<std::string>{"A1", "A2", "A3"}));
    EXPECT_TRUE(host.armed[Digits]);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid(CommonPath, 3, "A1") + Invalid(CommonPath, 4, "A3"));
}

TEST_F(RunnerTest, F8CancelledLeavesTheScriptAsItWas) {
    StartWith({"WAIT FOR LOAD 10", "A1", "A1"});
    host.Advance(700);
    host.promptAnswers = {std::nullopt};
    runner.FormKeyDown(Key::F8);
    EXPECT_EQ(runner.State().ScriptLines.size(), 5u);
    EXPECT_TRUE(host.armed[Digits]);
}

TEST_F(RunnerTest, NoF8SwitchesTheF8KeyOff) {
    StartWith({"NO F8", "WAIT 10"});
    host.Advance(700);
    runner.FormKeyDown(Key::F8);
    EXPECT_TRUE(host.promptEntries.empty());
}

TEST_F(RunnerTest, CancelAndF5EndTheRunShowingTheReport) {
    for (bool useKey : {false, true}) {
        SCOPED_TRACE(useKey ? "F5" : "Cancel");
        FakeHost h;
        Runner r(h.Ports());
        h.Attach(r);
        h.AddScript(CommonPath, {"BOGUS0", "WAIT 10", "BOGUS2"});
        r.FormCreate(std::nullopt);
        h.Advance(2000);
        if (useKey)
            r.FormKeyDown(Key::F5);
        else
            r.CancelButClick();
        EXPECT_TRUE(h.terminated);
        EXPECT_TRUE(r.State().StopRequested);
        ASSERT_EQ(h.errorLogs.size(), 1u);
        EXPECT_EQ(h.errorLogs[0], ErrorLogHeading + Invalid(CommonPath, 2, "BOGUS0"));
        EXPECT_EQ(h.callsAfterTerminate, 0);
    }
}

TEST_F(RunnerTest, CancelLockRefusesCancelF5AndTheCloseRequest) {
    StartWith({"NO F5", "WAIT 10"});
    host.Advance(700);
    runner.CancelButClick();
    runner.FormKeyDown(Key::F5);
    EXPECT_FALSE(host.terminated);
    EXPECT_FALSE(runner.FormCloseQuery());
    EXPECT_EQ(host.buttonEnabled[Button::CancelBut], false);
}

TEST_F(RunnerTest, CloseIsAllowedWithoutTheLock) {
    StartWith({"WAIT 10"});
    host.Advance(700);
    EXPECT_TRUE(runner.FormCloseQuery());
}

// Windows asks before it ends the session, and another program may still refuse: the run then
// goes on, and the scripts it loads afterwards must still decipher.
TEST_F(RunnerTest, AnEndOfSessionThatIsCancelledLeavesTheRunWhole) {
    host.AddScript("C:\\EXTRA.QVC", {"BOGUS2"});
    StartWith({"WAIT 2", "RUN C:\\EXTRA.QVC", "BOGUS4"});
    host.Advance(700);
    EXPECT_TRUE(runner.QueryEndSession());
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport,
              Invalid("C:\\EXTRA.QVC", 2, "BOGUS2") + Invalid(CommonPath, 4, "BOGUS4"));
}

TEST_F(RunnerTest, TheKeyIsWipedWhenTheSessionReallyEnds) {
    host.AddScript("C:\\EXTRA.QVC", {"BOGUS2"});
    StartWith({"WAIT 2", "RUN C:\\EXTRA.QVC"});
    host.Advance(700);
    runner.EndSession();
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Run Failed (201) In Script File : ", CommonPath, 3, "RUN C:\\EXTRA.QVC"));
}

TEST_F(RunnerTest, TheCancelLockRefusesTheEndOfTheSessionToo) {
    StartWith({"NO F5", "WAIT 10"});
    host.Advance(700);
    EXPECT_FALSE(runner.QueryEndSession());
}

// A host built before the command families' ports gets services that find nothing and fail.
TEST_F(RunnerTest, AHostWithoutServicesNeverLeavesTheRunSuspended) {
    for (const char* line : {"WAIT FOR WINDOW Notepad", "LOAD AND WAIT C:\\X.EXE", "WAIT abc",
                             "MENU SHOW", "COPY C:\\A > D:\\B", "SENDKEYS \"x\",\"y\""}) {
        SCOPED_TRACE(line);
        FakeHost h;
        Runner r(h.Ports());
        h.Attach(r);
        h.AddScript(CommonPath, {line, "ERROR ON"});
        r.FormCreate(std::nullopt);
        EXPECT_TRUE(h.RunUntilEnded(15000));
    }
}

} // namespace
} // namespace qv::interp::testing
