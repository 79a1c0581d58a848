#include "interpreter/logic/CtlShutdown.h"

#include "language/Keywords.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(ExitWindows, EachCommandPassesItsCode) {
    struct Case {
        Keyword keyword;
        unsigned flags;
        bool asks;
    };
    const Case cases[] = {
        {Keyword::ShutdownRestart, 2, true}, {Keyword::Logout, 0, true},
        {Keyword::Logoff, 0, true},          {Keyword::ShutdownForce, 4, false},
        {Keyword::Shutdown, 1, true},
    };
    for (const Case& c : cases) {
        const std::optional<ExitWindowsRequest> request = ExitWindowsFor(c.keyword);
        ASSERT_TRUE(request);
        EXPECT_EQ(request->flags, c.flags);
        EXPECT_EQ(request->asksRunningPrograms, c.asks);
        // Planned, for maintenance by an application: never an unplanned shutdown in the log.
        EXPECT_EQ(request->reason, 0x80040001u);
    }
}

TEST(ExitWindows, TheLongerKeywordsWinThroughTheDispatchOrder) {
    EXPECT_EQ(ExitWindowsFor(*MatchKeyword("SHUTDOWNRESTART"))->flags, 2u);
    EXPECT_EQ(ExitWindowsFor(*MatchKeyword("SHUTDOWNFORCE"))->flags, 4u);
    EXPECT_EQ(ExitWindowsFor(*MatchKeyword("SHUTDOWNNOW"))->flags, 1u);
    EXPECT_EQ(ExitWindowsFor(*MatchKeyword("LOGOFFX"))->flags, 0u);
}

TEST(ExitWindows, OtherKeywordsMakeNoCall) {
    EXPECT_EQ(ExitWindowsFor(Keyword::Wait), std::nullopt);
    EXPECT_EQ(ExitWindowsFor(Keyword::Desktop), std::nullopt);
}

} // namespace
} // namespace qv::logic
