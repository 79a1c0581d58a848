#include "interpreter/logic/CtlMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace qv::logic {
namespace {

TEST(MenuItemLine, TitleFromTheThirteenthCharacterCommandAfterTheFirstComma) {
    struct Case {
        const char* line;
        int number;
        const char* title;
        const char* command;
    };
    const Case cases[] = {
        {"MENU ITEM 3 Accounts,c:\\scripts\\acct.qvc", 3, "Accounts", "c:\\scripts\\acct.qvc"},
        {"menu item 9 Mail, News ,d:\\m.qvc", 9, "Mail", " News ,d:\\m.qvc"},
        {"MENU ITEM 1  Padded ,x.qvc", 1, " Padded ", "x.qvc"},
        {"MENU ITEM 2 ,x.qvc", 2, "", "x.qvc"},
        {"MENU ITEM 4,x.qvc", 4, "", "x.qvc"},
        {"MENU ITEM 5 No script", 5, "No script", ""},
    };
    for (const Case& c : cases) {
        const std::optional<MenuItemLine> item = ReadMenuItemLine(c.line);
        ASSERT_TRUE(item) << c.line;
        EXPECT_EQ(item->number, c.number) << c.line;
        EXPECT_EQ(item->title, c.title) << c.line;
        EXPECT_EQ(item->command, c.command) << c.line;
    }
}

TEST(MenuItemLine, NumbersOutsideOneToNineDefineNothing) {
    for (const char* line : {"MENU ITEM 0 Zero,z.qvc", "MENU ITEM 10 Ten,t.qvc",
                             "MENU ITEM X Ex,x.qvc", "MENU ITEM  3 Blank,b.qvc",
                             "MENU ITEM 3Accounts,a.qvc", "MENU ITEM -1 M,m.qvc", "MENU ITEM "}) {
        EXPECT_EQ(MenuItemNumber(line), std::nullopt) << line;
        EXPECT_EQ(ReadMenuItemLine(line), std::nullopt) << line;
    }
}

TEST(MenuDefaultLine, WholeSecondsKeepingTheKeywordsBlank) {
    const MenuDefaultLine line = ReadMenuDefaultLine("MENU DEFAULT 10");
    EXPECT_EQ(line.secondsText, " 10");
    EXPECT_EQ(line.seconds, 10);
    struct Case {
        const char* text;
        std::optional<int> seconds;
    };
    const Case cases[] = {
        {" 10", 10},
        {" -3", -3},
        {" +7", 7},
        {" 0", 0},
        {"  5", 5},
        {" 10.5", std::nullopt},
        {" ten", std::nullopt},
        {" ", std::nullopt},
        {"", std::nullopt},
        {" 5 s", std::nullopt},
        {" 2147483647", 2147483647},
        {" 2147483648", std::nullopt},
        {" 99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseWholeSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

MenuModel MenuWith(std::initializer_list<const char*> lines) {
    MenuModel menu;
    for (const char* line : lines)
        menu.DefineItem(*ReadMenuItemLine(line));
    return menu;
}

TEST(MenuModel, TheLowestNumberedEntryIsTheDefault) {
    MenuModel menu = MenuWith({"MENU ITEM 5 Five,five.qvc", "MENU ITEM 2 Two,two.qvc"});
    EXPECT_EQ(menu.DefaultEntry(), 2);
    EXPECT_FALSE(menu.Entry(1));
    EXPECT_EQ(menu.BeginShow(), std::nullopt);
    EXPECT_EQ(menu.Choice(), "two.qvc");
    const MenuShowOutcome outcome = menu.Close(true);
    EXPECT_EQ(outcome.action, MenuShowOutcome::Action::RunScript);
    EXPECT_EQ(outcome.runLine, "RUN two.qvc");
    EXPECT_EQ(outcome.statusText, "Running A New script\r\ntwo.qvc");
}

TEST(MenuModel, ALaterLineForTheSameNumberReplacesTheEntry) {
    MenuModel menu = MenuWith({"MENU ITEM 1 Old,old.qvc", "MENU ITEM 1 New,new.qvc"});
    ASSERT_TRUE(menu.Entry(1));
    EXPECT_EQ(menu.Entry(1)->title, "New");
    EXPECT_EQ(menu.Entry(1)->command, "new.qvc");
}

TEST(MenuModel, ChoosingAnEntryRunsItsScriptAndQuitStopsTheRun) {
    MenuModel menu = MenuWith({"MENU ITEM 1 One,one.qvc", "MENU ITEM 3 Three,three.qvc"});
    menu.BeginShow();
    menu.ChooseEntry(3);
    menu.ChooseEntry(2); // not defined: the choice stays
    EXPECT_EQ(menu.Close(true).runLine, "RUN three.qvc");
    EXPECT_EQ(menu.Choice(), "");
    // The entries stay for a second MENU SHOW, whose choice starts at the default again.
    menu.BeginShow();
    EXPECT_EQ(menu.Choice(), "one.qvc");
    EXPECT_EQ(menu.Close(false).action, MenuShowOutcome::Action::QuitRun);
}

TEST(MenuModel, OkWithoutEntriesRunsNothing) {
    MenuModel menu;
    EXPECT_EQ(menu.BeginShow(), std::nullopt);
    EXPECT_EQ(menu.Close(true).action, MenuShowOutcome::Action::Nothing);
}

class MenuTimeOut : public testing::Test {
  protected:
    void SetUp() override {
        menu = MenuWith({"MENU ITEM 2 Two,two.qvc", "MENU ITEM 4 Four,four.qvc"});
    }
    MenuModel menu;
};

TEST_F(MenuTimeOut, CountsDownWithTheTextsAsWrittenAndClosesWithOk) {
    ASSERT_TRUE(menu.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT 3")));
    EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in :  3 Seconds");
    EXPECT_EQ(menu.BeginShow(), std::nullopt);
    EXPECT_FALSE(menu.Tick());
    EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in : 2 Seconds");
    EXPECT_FALSE(menu.Tick());
    EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in : 1 Second");
    EXPECT_TRUE(menu.Tick());
    EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in : 0 Seconds");
    EXPECT_FALSE(menu.TimerRunning());
    EXPECT_EQ(menu.Close(true).runLine, "RUN two.qvc");
}

TEST_F(MenuTimeOut, RunningOutBeforeMenuShowRunsTheDefaultAtOnce) {
    menu.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT 2"));
    EXPECT_FALSE(menu.Tick());
    EXPECT_FALSE(menu.Tick());
    EXPECT_FALSE(menu.TimerRunning());
    const std::optional<MenuShowOutcome> outcome = menu.BeginShow();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->action, MenuShowOutcome::Action::RunScript);
    EXPECT_EQ(outcome->runLine, "RUN two.qvc");
    EXPECT_FALSE(menu.Shown());
    // Once used, the run-out is forgotten: a second MENU SHOW waits for the user.
    EXPECT_EQ(menu.BeginShow(), std::nullopt);
}

TEST_F(MenuTimeOut, ZeroOrNegativeSecondsRunOutAtTheFirstTick) {
    for (const char* line : {"MENU DEFAULT 0", "MENU DEFAULT -5"}) {
        menu.StartTimeOut(ReadMenuDefaultLine(line));
        menu.BeginShow();
        EXPECT_TRUE(menu.Tick()) << line;
        EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in : 0 Seconds");
        menu.Close(true);
    }
}

TEST_F(MenuTimeOut, UserActionsStopTheCountdown) {
    struct Case {
        const char* what;
        void (*act)(MenuModel&);
        const char* text;
    };
    const Case cases[] = {
        {"choose", [](MenuModel& m) { m.ChooseEntry(4); }, "Timeout Has Been Deactivated"},
        {"key", [](MenuModel& m) { m.CharacterKey(); }, "Timeout Has Been Deactivated"},
        {"minimise", [](MenuModel& m) { m.Minimised(); }, "Timeout Has Been Deactivated"},
        {"F8 prompt on", [](MenuModel& m) { m.F8Pressed(true); }, "F8 Pressed Now in Prompt Mode"},
        {"F8 prompt off", [](MenuModel& m) { m.F8Pressed(false); },
         "F8 Pressed Prompt Mode Cancelled"},
    };
    for (const Case& c : cases) {
        menu.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT 10"));
        menu.BeginShow();
        menu.Tick();
        c.act(menu);
        EXPECT_FALSE(menu.TimerRunning()) << c.what;
        EXPECT_EQ(menu.TimeOutText(), c.text) << c.what;
        EXPECT_FALSE(menu.Tick()) << c.what;
        EXPECT_EQ(menu.TimeOutText(), c.text) << c.what;
        menu.Close(false);
    }
}

TEST_F(MenuTimeOut, KeysAndChoicesWithoutACountdownKeepTheLabel) {
    menu.BeginShow();
    menu.CharacterKey();
    menu.ChooseEntry(4);
    EXPECT_EQ(menu.TimeOutText(), "");
    menu.Minimised();
    EXPECT_EQ(menu.TimeOutText(), "Timeout Has Been Deactivated");
}

TEST_F(MenuTimeOut, ANonWholeNumberChangesNothing) {
    ASSERT_TRUE(menu.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT 5")));
    menu.Tick();
    EXPECT_FALSE(menu.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT 2.5")));
    EXPECT_TRUE(menu.TimerRunning());
    EXPECT_EQ(menu.Counter(), 4);
    EXPECT_EQ(menu.TimeOutText(), "Menu Default will Activate in : 4 Seconds");
    MenuModel fresh;
    EXPECT_FALSE(fresh.StartTimeOut(ReadMenuDefaultLine("MENU DEFAULT soon")));
    EXPECT_FALSE(fresh.TimerRunning());
    EXPECT_EQ(fresh.TimeOutText(), "");
}

TEST(MenuSession, MenuStartAbandonsTheOldMenuOtherLinesCreateOneWhenMissing) {
    MenuSession session;
    EXPECT_FALSE(session.MenuCreated());
    session.Current().DefineItem(*ReadMenuItemLine("MENU ITEM 1 A,a.qvc"));
    EXPECT_TRUE(session.MenuCreated());
    EXPECT_TRUE(session.Current().Entry(1));
    session.Start();
    EXPECT_TRUE(session.MenuCreated());
    EXPECT_FALSE(session.Current().Entry(1));
}

} // namespace
} // namespace qv::logic
