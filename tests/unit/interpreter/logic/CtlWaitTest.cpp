#include "interpreter/logic/CtlWait.h"
#include "language/Messages.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(WaitSeconds, NumberRule) {
    struct Case {
        const char* text;
        std::optional<double> seconds;
    };
    const Case cases[] = {
        {"5", 5.0},
        {"2.5", 2.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"60.0", 60.0},
        {" 3 ", 3.0},
        {"+2", 2.0},
        {"-1", -1.0},
        {"1e1", 10.0},
        {"0", 0.0},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"5s", std::nullopt},
        {"2,5", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"5 5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseWaitSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

TEST(WaitSeconds, RoundsHalvesAwayFromZeroForTheCount) {
    EXPECT_EQ(CountdownUnits(2.5), 3);
    EXPECT_EQ(CountdownUnits(2.4), 2);
    EXPECT_EQ(CountdownUnits(0.5), 1);
    EXPECT_EQ(CountdownUnits(0.4), 0);
    EXPECT_EQ(CountdownUnits(-2.5), -3);
    EXPECT_EQ(CountdownUnits(1e300), MaximumCountdownUnits);
    EXPECT_EQ(CountdownUnits(-1e300), -MaximumCountdownUnits);
}

TEST(WaitLine, PlansTheCountdownAndItsText) {
    struct Case {
        const char* line;
        int count;
        const char* text;
    };
    const Case cases[] = {
        {"WAIT 1", 1, "\rWaiting 1 second"},
        {"WAIT 2", 2, "\rWaiting 2 seconds"},
        {"WAIT 2.5", 3, "\rWaiting 2.5 seconds"},
        {"wait 1.0", 1, "\rWaiting 1.0 second"},
        {"WAIT .5", 1, "\rWaiting .5 seconds"},
        // WAIT 0 still waits for the next countdown tick.
        {"WAIT 0", 0, "\rWaiting 0 seconds"},
    };
    for (const Case& c : cases) {
        const WaitPlan plan = PlanWait(c.line);
        ASSERT_TRUE(plan.count) << c.line;
        EXPECT_EQ(*plan.count, c.count) << c.line;
        EXPECT_FALSE(plan.replacesStatus);
        EXPECT_EQ(plan.statusAppend, c.text) << c.line;
    }
}

TEST(WaitLine, ForLoadFirstShowsTheHint) {
    const WaitPlan plan = PlanWaitForLoad("WAIT FOR LOAD 20");
    EXPECT_EQ(plan.count, 20);
    EXPECT_TRUE(plan.replacesStatus);
    EXPECT_EQ(plan.statusReplacement, "Press F5 to Skip or F8 to Prompt\rfor each Startup Command");
    EXPECT_EQ(plan.statusAppend, "\rWaiting 20 seconds");
}

TEST(WaitLine, ANonNumberStartsNoCountdown) {
    for (const WaitPlan& plan :
         {PlanWait("WAIT soon"), PlanWait("WAIT FOR WINDOW"), PlanWaitForLoad("WAIT FOR LOAD x")}) {
        EXPECT_EQ(plan.count, std::nullopt) << plan.secondsText;
        EXPECT_FALSE(plan.replacesStatus);
        EXPECT_EQ(plan.statusAppend, "");
    }
    EXPECT_EQ(InvalidCommandMessage, "Invalid Command (200) In Script File : ");
}

} // namespace
} // namespace qv::logic
