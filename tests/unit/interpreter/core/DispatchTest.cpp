#include "RunnerFixture.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

// Lines dispatched straight after start-up, before the first tick.
class DispatchTest : public RunnerTest {
  protected:
    void SetUp() override { StartWith({}); }
};

TEST_F(DispatchTest, IgnoredLinesAndInvalidCommands) {
    FakeHost h;
    Runner r(h.Ports());
    h.Attach(r);
    h.AddScript(CommonPath, {"ERROR ON", "; comment", "REMOVE.BAT", "rem x", "   ", "   ;comment",
                             "LOCATE SOMEWHERE", "\tfrobnicate \t"});
    r.FormCreate(std::nullopt);
    ASSERT_TRUE(h.RunUntilEnded());
    EXPECT_EQ(r.State().ErrorReport, Invalid(CommonPath, 7, ";comment") +
                                         Invalid(CommonPath, 8, "LOCATE SOMEWHERE") +
                                         Invalid(CommonPath, 9, "frobnicate"));
}

TEST_F(DispatchTest, KeywordsMatchInAnyCase) {
    for (const char* line : {"wait 5", "Wait 5", "WAIT 5"}) {
        SCOPED_TRACE(line);
        runner.ProcessLine(line);
        EXPECT_EQ(runner.State().ErrorReport, "");
        EXPECT_EQ(runner.Controls().Timers[static_cast<int>(TimerId::CountDownTimer)].Counter, 5);
    }
}

TEST_F(DispatchTest, WaitShowsItsTextAndRoundsTheCount) {
    struct Case {
        const char* line;
        const char* statusEnd;
        const char* count;
    };
    for (const Case& c :
         {Case{"WAIT 1", "\rWaiting 1 second", "1"}, Case{"WAIT 2", "\rWaiting 2 seconds", "2"},
          Case{"WAIT 2.5", "\rWaiting 2.5 seconds", "3"},
          Case{"WAIT 0.4", "\rWaiting 0.4 seconds", "0"}}) {
        SCOPED_TRACE(c.line);
        runner.ProcessLine(c.line);
        const std::string end = c.statusEnd;
        ASSERT_GE(host.status.size(), end.size());
        EXPECT_EQ(host.status.substr(host.status.size() - end.size()), end);
        EXPECT_EQ(host.countHistory.back(), c.count);
    }
}

TEST_F(DispatchTest, WaitForLoadShowsTheKeyHint) {
    runner.ProcessLine("WAIT FOR LOAD 20");
    EXPECT_EQ(host.status,
              "Press F5 to Skip or F8 to Prompt\rfor each Startup Command\rWaiting 20 seconds");
    EXPECT_EQ(host.countHistory.back(), "20");
}

TEST_F(DispatchTest, AWaitWithoutANumberIsReportedAndResumesTheRunner) {
    runner.ProcessLine("WAIT soon");
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 1, "WAIT soon"));
    EXPECT_TRUE(host.armed[static_cast<int>(TimerId::WaitTimer)]);
    EXPECT_FALSE(host.armed[static_cast<int>(TimerId::Digits)]);
}

TEST_F(DispatchTest, PromptAndErrorSwitchOnlyOnExactlyOn) {
    struct Case {
        const char* line;
        bool prompt;
        bool errors;
    };
    for (const Case& c : {Case{"PROMPT on", true, true}, Case{"PROMPT OFF", false, true},
                          Case{"PROMPT ON", true, true}, Case{"PROMPT MENU", false, true},
                          Case{"ERROR ONCE", false, false}, Case{"error on", false, true},
                          Case{"ERROR OFF", false, false}}) {
        SCOPED_TRACE(c.line);
        host.promptAnswers = {std::nullopt};
        runner.ProcessLine(c.line);
        EXPECT_EQ(runner.State().PromptMode, c.prompt);
        EXPECT_EQ(runner.State().ErrorsOn, c.errors);
    }
}

TEST_F(DispatchTest, ErrorOffSuppressesEntries) {
    runner.ProcessLine("ERROR OFF");
    runner.ProcessLine("BOGUS");
    runner.ProcessLine("RUN C:\\NOPE.QVC");
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(DispatchTest, LockLinesSwitchKeysAndButtons) {
    struct Step {
        const char* line;
        int cancelTag;
        bool cancelEnabled;
        bool nextEnabled;
    };
    for (const Step& s :
         {Step{"NO F5 F8", 1, false, true}, Step{"ENABLE F8", 0, false, true},
          Step{"DISABLE QUIT", 1, false, false}, Step{"ENABLE QUIT", 0, true, false}}) {
        SCOPED_TRACE(s.line);
        runner.ProcessLine(s.line);
        EXPECT_EQ(runner.Controls().CancelTag, s.cancelTag);
        EXPECT_EQ(runner.Controls().CancelEnabled, s.cancelEnabled);
        EXPECT_EQ(runner.Controls().NextEnabled, s.nextEnabled);
    }
}

TEST_F(DispatchTest, LocatePlacesTheWindow) {
    struct Case {
        const char* line;
        std::pair<int, int> place;
    };
    for (const Case& c :
         {Case{"LOCATE TOP RIGHT", {409, 0}}, Case{"LOCATE CENTRE", {204, 244}},
          Case{"LOCATE CENTER LEFT", {0, 244}}, Case{"locate bottom centre", {204, 489}},
          Case{"LOCATE BOTTOM LEFT", {0, 489}}}) {
        SCOPED_TRACE(c.line);
        runner.ProcessLine(c.line);
        EXPECT_EQ(host.movedTo, c.place);
    }
    runner.ProcessLine("LOCATE HIDE");
    EXPECT_FALSE(host.visible);
    runner.ProcessLine("LOCATE SHOW");
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(DispatchTest, NothingRunsAfterAStopRequest) {
    runner.CancelButClick();
    runner.ProcessLine("BOGUS");
    EXPECT_EQ(runner.State().ErrorReport, "");
}

} // namespace
} // namespace qv::interp::testing
