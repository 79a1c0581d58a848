#include "RunnerFixture.h"
#include "interpreter/core/WindowsList.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

constexpr int WaitForWindow = static_cast<int>(TimerId::WaitForWindow);
constexpr int WaitTimer = static_cast<int>(TimerId::WaitTimer);

std::string WaitWindowEntry(int line, const std::string& title) {
    return "Unable to Find Wait Window (207) In Script File : " + std::string(CommonPath) +
           "\r\n\t Line : " + std::to_string(line) + " 'WAIT FOR WINDOW " + title + "'\r\n";
}

TEST_F(RunnerTest, WaitForWindowFindsAVisibleWindowAtTheFirstPoll) {
    services.AddWindow("Untitled - Notepad");
    StartWith({"WAIT FOR WINDOW notepad", "BOGUS"});
    host.Advance(500);
    EXPECT_EQ(host.status, "Waiting for Window called ...\rnotepad");
    EXPECT_EQ(runner.Controls().CheckWind, "notepad");
    EXPECT_TRUE(host.armed[WaitForWindow]);
    EXPECT_FALSE(host.armed[WaitTimer]);
    host.Advance(100);
    EXPECT_FALSE(host.armed[WaitForWindow]);
    EXPECT_TRUE(host.armed[WaitTimer]);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
}

TEST_F(RunnerTest, WaitForWindowKeepsPollingUntilTheWindowIsShown) {
    const std::uintptr_t hidden = services.AddWindow("Setup Wizard", false);
    StartWith({"WAIT FOR WINDOW Wizard", "BOGUS"});
    host.At(3000, [&] { services.windows[0].visible = true; });
    host.Advance(2990);
    EXPECT_EQ(runner.State().ErrorReport, "");
    EXPECT_TRUE(host.armed[WaitForWindow]);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
    EXPECT_LT(host.Clock(), 3700);
    EXPECT_NE(hidden, 0u);
}

TEST_F(RunnerTest, WaitForWindowTimesOutAfter120TicksWithEntry207EvenUnderErrorOff) {
    StartWith({"ERROR OFF", "WAIT FOR WINDOW Never", "BOGUS"});
    host.Advance(500 + 119 * 100);
    EXPECT_TRUE(host.armed[WaitForWindow]);
    EXPECT_EQ(runner.State().ErrorReport, "");
    host.Advance(100);
    EXPECT_FALSE(host.armed[WaitForWindow]);
    EXPECT_EQ(runner.State().ErrorReport, WaitWindowEntry(3, "Never"));
    ASSERT_TRUE(host.RunUntilEnded());
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + WaitWindowEntry(3, "Never"));
}

TEST_F(RunnerTest, PauseAndNextDoNotEndAWindowWaitEarly) {
    StartWith({"WAIT FOR WINDOW Never"});
    host.Advance(1000);
    runner.Button1Click();
    host.Advance(1000);
    EXPECT_TRUE(host.armed[WaitForWindow]);
    EXPECT_FALSE(host.terminated);
}

TEST_F(RunnerTest, CloseAndMinimizePostToTheFirstMatchingWindowHiddenOnesIncluded) {
    StartWith({});
    services.AddWindow("");
    const std::uintptr_t mail = services.AddWindow("Inbox - Mail");
    const std::uintptr_t hiddenPad = services.AddWindow("Untitled - Notepad", false);
    services.AddWindow("Notepad Help");
    runner.ProcessLine("CLOSE notepad");
    runner.ProcessLine("MINIMIZE MAIL");
    runner.ProcessLine("CLOSE Calculator");
    EXPECT_EQ(services.posted, (std::vector<std::pair<std::uintptr_t, std::uint32_t>>{
                                   {hiddenPad, 0xF060}, {mail, 0xF020}}));
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST(TWindowsListTest, ListsTitledWindowsTopmostFirstWithTheirHandles) {
    FakeHost host;
    FakeServices services(host);
    const std::uintptr_t first = services.AddWindow("First");
    services.AddWindow("");
    services.AddWindow("Hidden", false);
    const std::uintptr_t last = services.AddWindow(std::string(300, 'L'));
    TWindowsList list(services);
    list.Refresh();
    ASSERT_EQ(list.WindowList,
              (std::vector<std::string>{"First", "Hidden", std::string(255, 'L')}));
    EXPECT_EQ(list.Handles(0), first);
    EXPECT_EQ(list.Handles(2), last);
    EXPECT_EQ(list.Handles(3), 0u);
    list.RefreshVisible();
    EXPECT_EQ(list.WindowList, (std::vector<std::string>{"First", std::string(255, 'L')}));
    list.AcceptEmptyNames = true;
    list.RefreshVisible();
    EXPECT_EQ(list.WindowList.size(), 3u);
}

TEST_F(RunnerTest, LocateMiniMinimisesAndAnUnknownWordIsInvalid) {
    StartWith({});
    runner.ProcessLine("LOCATE MINIMIZE");
    runner.ProcessLine("LOCATE ELSEWHERE");
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 1, "LOCATE ELSEWHERE"));
}

} // namespace
} // namespace qv::interp::testing
