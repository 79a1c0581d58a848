#include "interpreter/logic/CtlWindows.h"
#include "language/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qv::logic {
namespace {

TEST(WindowTitles, MatchByCaseInsensitiveContainment) {
    EXPECT_TRUE(TitleMatches("Untitled - Notepad", "notepad"));
    EXPECT_TRUE(TitleMatches("Untitled - Notepad", "TITLED - NOTE"));
    EXPECT_TRUE(TitleMatches("Calculator", ""));
    EXPECT_FALSE(TitleMatches("Notepad", "Notepad2"));
    EXPECT_FALSE(TitleMatches("Note pad", "notepad"));
}

TEST(WindowTitles, TheFirstMatchInListOrderIsTaken) {
    const std::vector<std::string> titles = {"Inbox - Mail", "Setup Wizard", "Setup"};
    EXPECT_EQ(FirstMatchingWindow(titles, "setup"), 1u);
    EXPECT_EQ(FirstMatchingWindow(titles, "Mail"), 0u);
    EXPECT_EQ(FirstMatchingWindow(titles, "Paint"), std::nullopt);
    EXPECT_EQ(FirstMatchingWindow({}, "x"), std::nullopt);
}

TEST(WindowCommands, CloseAndMinimizeTakeTheUpperCasedTitle) {
    const std::optional<WindowCommand> close = ReadWindowCommand("close Untitled - Notepad");
    ASSERT_TRUE(close);
    EXPECT_EQ(close->title, "UNTITLED - NOTEPAD");
    EXPECT_EQ(close->sysCommand, 0xF060u);
    const std::optional<WindowCommand> minimize = ReadWindowCommand("MINIMIZE Mail");
    ASSERT_TRUE(minimize);
    EXPECT_EQ(minimize->title, "MAIL");
    EXPECT_EQ(minimize->sysCommand, 0xF020u);
    EXPECT_EQ(ReadWindowCommand("CLOSEALL x"), std::nullopt);
}

TEST(WaitForWindowLine, TitleAsWrittenAndItsStatusText) {
    EXPECT_EQ(WaitForWindowTitle("wait for window Untitled - Notepad"), "Untitled - Notepad");
    EXPECT_EQ(WaitForWindowStatusText("Calculator"), "Waiting for Window called ...\rCalculator");
}

using Refreshes = std::vector<std::vector<std::string>>;

// Answers the poll with the titles of a scripted list of refreshes.
class Screen {
  public:
    explicit Screen(Refreshes refreshes) : refreshes(std::move(refreshes)) {}
    VisibleTitles Lister() {
        return [this] {
            ++looks;
            const std::size_t i = std::min<std::size_t>(looks - 1, refreshes.size() - 1);
            return refreshes[i];
        };
    }
    int looks = 0;

  private:
    Refreshes refreshes;
};

TEST(WaitForWindowPoll, FoundAtTheFirstTick) {
    Screen screen(Refreshes{{"Program Manager", "Untitled - Notepad"}});
    WaitForWindowPoll poll("notepad");
    EXPECT_EQ(poll.Tick(screen.Lister()), WaitForWindowPoll::Step::Found);
    EXPECT_EQ(poll.Counter(), 1);
}

TEST(WaitForWindowPoll, FoundWhenTheWindowAppearsLater) {
    Screen screen(Refreshes{{"Program Manager"},
                            {"Program Manager"},
                            {"Program Manager"},
                            {"Calculator", "Program Manager"}});
    WaitForWindowPoll poll("CALC");
    const VisibleTitles lister = screen.Lister();
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::KeepWaiting);
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::KeepWaiting);
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::KeepWaiting);
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::Found);
    EXPECT_EQ(screen.looks, 4);
}

TEST(WaitForWindowPoll, TimesOutAtTheHundredAndTwentiethTickWithoutLooking) {
    Screen screen(Refreshes{{"Program Manager"}});
    WaitForWindowPoll poll("Setup");
    const VisibleTitles lister = screen.Lister();
    for (int tick = 1; tick < 120; ++tick)
        ASSERT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::KeepWaiting) << tick;
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::TimedOut);
    EXPECT_EQ(poll.Counter(), 120);
    EXPECT_EQ(screen.looks, 119);
    // A tick that still arrives before the timer is off changes nothing.
    EXPECT_EQ(poll.Tick(lister), WaitForWindowPoll::Step::TimedOut);
    EXPECT_EQ(poll.Counter(), 120);
}

TEST(WaitForWindowPoll, TheWindowOnTheLastTickIsTooLate) {
    Refreshes refreshes(119, std::vector<std::string>{"Other"});
    refreshes.push_back({"Setup"});
    Screen screen(refreshes);
    WaitForWindowPoll poll("Setup");
    const VisibleTitles lister = screen.Lister();
    WaitForWindowPoll::Step step = WaitForWindowPoll::Step::KeepWaiting;
    for (int tick = 1; tick <= 120; ++tick)
        step = poll.Tick(lister);
    EXPECT_EQ(step, WaitForWindowPoll::Step::TimedOut);
}

TEST(WaitForWindowPoll, TheTimeoutEntryNamesTheCommandAndTitle) {
    WaitForWindowPoll poll("Untitled - Notepad");
    EXPECT_EQ(poll.EntryLineText(), "WAIT FOR WINDOW Untitled - Notepad");
    EXPECT_EQ(WaitWindowMissingMessage, "Unable to Find Wait Window (207) In Script File : ");
}

} // namespace
} // namespace qv::logic
