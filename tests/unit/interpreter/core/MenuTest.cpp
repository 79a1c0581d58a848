#include "RunnerFixture.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

constexpr const char* OnePath = "C:\\S\\ONE.QVC";
constexpr const char* TwoPath = "C:\\S\\TWO.QVC";
constexpr const char* FivePath = "C:\\S\\FIVE.QVC";

// Each menu script reports one invalid line, so the report tells which one ran.
class MenuTest : public RunnerTest {
  protected:
    MenuTest() {
        host.AddScript(OnePath, {"FROM ONE"});
        host.AddScript(TwoPath, {"FROM TWO"});
        host.AddScript(FivePath, {"FROM FIVE"});
    }
    std::string Ran(const char* path, const char* line) { return Invalid(path, 2, line); }
};

TEST_F(MenuTest, TheLowestDefinedEntryIsTheDefaultWithEntries2And5Only) {
    services.onShowMenu = [](logic::MenuModel& menu, bool) {
        EXPECT_EQ(menu.Choice(), TwoPath);
        return true;
    };
    StartWith({"MENU START", "MENU ITEM 5 Five," + std::string(FivePath),
               "MENU ITEM 2 Two," + std::string(TwoPath), "MENU SHOW", "BOGUS"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.menusShown, 1);
    EXPECT_EQ(runner.State().ErrorReport,
              Ran(TwoPath, "FROM TWO") + Invalid(CommonPath, 6, "BOGUS"));
    EXPECT_TRUE(StatusSeen("Running A New script\r\n" + std::string(TwoPath)));
}

TEST_F(MenuTest, TheChosenEntryRunsAndTheProgressWindowIsPutBack) {
    std::vector<std::pair<int, int>> placesWhileShown;
    services.onShowMenu = [&](logic::MenuModel& menu, bool quitHidden) {
        placesWhileShown.push_back(*host.movedTo);
        EXPECT_FALSE(quitHidden);
        menu.ChooseEntry(5);
        return true;
    };
    StartWith({"MENU ITEM 2 Two," + std::string(TwoPath),
               "MENU ITEM 5 Five," + std::string(FivePath), "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(placesWhileShown, (std::vector<std::pair<int, int>>{{120 - 5000, 340}}));
    EXPECT_EQ(host.movedTo, std::make_pair(120, 340));
    EXPECT_EQ(runner.State().ErrorReport, Ran(FivePath, "FROM FIVE"));
}

TEST_F(MenuTest, TheTimeOutCountsDownFromMenuDefaultAndRunsTheDefault) {
    // Leading configuration lines: the count-down starts before the window shows.
    StartWith({"MENU ITEM 1 One," + std::string(OnePath), "MENU DEFAULT 3", "MENU SHOW"});
    EXPECT_TRUE(host.armed[FakeHost::MenuTimerSlot]);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.menuTexts,
              (std::vector<std::string>{"Menu Default will Activate in : 2 Seconds",
                                        "Menu Default will Activate in : 1 Second",
                                        "Menu Default will Activate in : 0 Seconds"}));
    EXPECT_EQ(runner.State().ErrorReport, Ran(OnePath, "FROM ONE"));
    // The menu closed at 3 s; the caller is reloaded half a second after the chosen script.
    EXPECT_EQ(host.Clock(), 3500);
}

TEST_F(MenuTest, ATimeOutThatRunsOutBeforeMenuShowRunsTheDefaultAtOnce) {
    StartWith({"MENU ITEM 1 One," + std::string(OnePath), "MENU DEFAULT 1", "WAIT 3", "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.menusShown, 0);
    EXPECT_EQ(runner.State().ErrorReport, Ran(OnePath, "FROM ONE"));
}

TEST_F(MenuTest, ChoosingAnEntryStopsTheCountDown) {
    services.onShowMenu = [&](logic::MenuModel& menu, bool) {
        host.Advance(1500);
        menu.ChooseEntry(1);
        EXPECT_EQ(menu.TimeOutText(), "Timeout Has Been Deactivated");
        host.Advance(10000);
        EXPECT_FALSE(services.menuCloseRequested);
        EXPECT_FALSE(host.armed[FakeHost::MenuTimerSlot]);
        return true;
    };
    StartWith({"MENU ITEM 1 One," + std::string(OnePath), "MENU DEFAULT 5", "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport, Ran(OnePath, "FROM ONE"));
}

TEST_F(MenuTest, F8InTheMenuStopsTheCountDownAndTellsThePromptMode) {
    services.onShowMenu = [&](logic::MenuModel& menu, bool) {
        menu.F8Pressed(services.promptModeSeen.back());
        EXPECT_EQ(menu.TimeOutText(), "F8 Pressed Now in Prompt Mode");
        host.Advance(10000);
        EXPECT_FALSE(services.menuCloseRequested);
        return true;
    };
    // MENU SHOW, then the chosen script's line, each confirmed.
    host.messageBoxAnswers = {IdYes, IdYes};
    StartWith(
        {"MENU ITEM 1 One," + std::string(OnePath), "MENU DEFAULT 5", "PROMPT ON", "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.promptModeSeen, std::vector<bool>{true});
    EXPECT_TRUE(runner.State().PromptMode);
}

TEST_F(MenuTest, QuitScriptEndsTheRunLikeCancel) {
    services.onShowMenu = [](logic::MenuModel&, bool) { return false; };
    StartWith({"BOGUS", "MENU ITEM 1 One," + std::string(OnePath), "MENU SHOW", "LATER"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_TRUE(runner.State().StopRequested);
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + Invalid(CommonPath, 2, "BOGUS"));
}

TEST_F(MenuTest, WithF5DisabledQuitScriptIsHiddenAndTheMenuCannotQuit) {
    services.onShowMenu = [](logic::MenuModel&, bool) { return false; };
    StartWith({"DISABLE F5", "MENU ITEM 1 One," + std::string(OnePath), "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.quitHiddenSeen, std::vector<bool>{true});
    EXPECT_EQ(runner.State().ErrorReport, Ran(OnePath, "FROM ONE"));
}

TEST_F(MenuTest, ArgumentsTheMenuCannotUseAreReported) {
    StartWith({});
    for (const char* line : {"MENU ITEM 0 Zero,X.QVC", "MENU ITEM 10 Ten,X.QVC", "MENU DEFAULT ten",
                             "MENU DEFAULT 2.5"})
        runner.ProcessLine(line);
    EXPECT_FALSE(host.armed[FakeHost::MenuTimerSlot]);
    // An item number outside 1 to 9 defines nothing, as its Part says, and records nothing.
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 1, "MENU DEFAULT ten") +
                                              Invalid(CommonPath, 1, "MENU DEFAULT 2.5"));
}

TEST_F(MenuTest, AnItemNumberedOutsideOneToNineLeavesACleanRunWithoutErrorLog) {
    services.onShowMenu = [](logic::MenuModel& menu, bool) {
        EXPECT_FALSE(menu.Entry(0).has_value());
        return true;
    };
    host.AddScript("C:\\S\\CLEAN.QVC", {"REM nothing to report"});
    StartWith({"MENU START", "MENU ITEM 0 Zero,X.QVC", "MENU ITEM 12 Twelve,Y.QVC",
               "MENU ITEM 1 Clean,C:\\S\\CLEAN.QVC", "MENU SHOW"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport, "");
    EXPECT_TRUE(host.errorLogs.empty());
}

TEST_F(MenuTest, AChosenScriptThatIsMissingIsEntry201AndTheCallerGoesOn) {
    services.onShowMenu = [](logic::MenuModel&, bool) { return true; };
    StartWith({"MENU ITEM 1 Gone,C:\\S\\GONE.QVC", "MENU SHOW", "BOGUS"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Run Failed (201) In Script File : ", CommonPath, 3, "RUN C:\\S\\GONE.QVC") +
                  Invalid(CommonPath, 4, "BOGUS"));
}

TEST_F(MenuTest, AChosenFolderIsEntry201AndTheCallerGoesOn) {
    services.onShowMenu = [](logic::MenuModel&, bool) { return true; };
    host.AddFolder("C:\\S");
    StartWith({"MENU ITEM 1 Folder,C:\\S", "MENU SHOW", "BOGUS"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Run Failed (201) In Script File : ", CommonPath, 3, "RUN C:\\S") +
                  Invalid(CommonPath, 4, "BOGUS"));
    EXPECT_EQ(host.errorLogs.size(), 1u);
}

TEST_F(MenuTest, LeadingLinesSetUpTheMenuAndKeepTheWindowHiddenWhileTheReportStillShows) {
    services.onShowMenu = [](logic::MenuModel&, bool) { return false; };
    StartWith({"MENU START", "MENU ITEM 1 One," + std::string(OnePath), "NO F5", "LOCATE HIDE",
               "MENU SHOW"});
    EXPECT_EQ(host.showCentredCalls, 0);
    EXPECT_FALSE(runner.Controls().CancelEnabled);
    EXPECT_EQ(runner.State().NextLine, 5);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(host.showCentredCalls, 0);
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + Ran(OnePath, "FROM ONE"));
}

TEST_F(RunnerTest, SelectPendingCommandsRemovesEveryLineMatchingAnUncheckedEntry) {
    StartWith({"PROMPT MENU", "A1", "B", "A1"});
    host.promptAnswers = {std::vector<bool>{false, true, true}};
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(host.promptEntries[0], (std::vector<std::string>{"A1", "B", "A1"}));
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "B"));
}

TEST_F(RunnerTest, SelectPendingCommandsWithNothingCheckedRemovesEveryRemainingLine) {
    StartWith({"PROMPT ON", "PROMPT MENU", "A1", "B"});
    host.messageBoxAnswers = {IdYes};
    host.promptAnswers = {std::vector<bool>{false, false}};
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_FALSE(runner.State().PromptMode);
    EXPECT_EQ(runner.State().ErrorReport, "");
    EXPECT_TRUE(host.errorLogs.empty());
}

TEST_F(RunnerTest, PromptMenuAsTheLastLineShowsAnEmptyList) {
    StartWith({"PROMPT MENU"});
    host.promptAnswers = {std::vector<bool>{}};
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(host.promptEntries, (std::vector<std::vector<std::string>>{{}}));
}

} // namespace
} // namespace qv::interp::testing
