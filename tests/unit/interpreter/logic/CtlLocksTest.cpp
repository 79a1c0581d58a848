#include "interpreter/logic/CtlLocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::logic {
namespace {

struct LockCase {
    std::vector<std::string> lines;
    bool cancelEnabled;
    int cancelTag;
    bool nextEnabled;
};

class LockSequence : public testing::TestWithParam<LockCase> {};

TEST_P(LockSequence, EndsInTheExpectedState) {
    const LockCase& c = GetParam();
    LockState state;
    for (const std::string& line : c.lines)
        state = ApplyLockLine(state, line);
    EXPECT_EQ(state.CancelEnabled, c.cancelEnabled);
    EXPECT_EQ(state.CancelTag, c.cancelTag);
    EXPECT_EQ(state.NextEnabled, c.nextEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    ControlLines, LockSequence,
    testing::Values(
        // Each word of the table under each keyword.
        LockCase{{"NO F8"}, true, 1, true}, LockCase{{"NO F5"}, false, 0, true},
        LockCase{{"NO QUIT"}, false, 1, true}, LockCase{{"DISABLE F8"}, true, 1, true},
        LockCase{{"DISABLE F5"}, false, 0, true}, LockCase{{"DISABLE QUIT"}, false, 1, false},
        LockCase{{"NO F5 F8", "ENABLE F8"}, false, 0, true},
        LockCase{{"NO F5 F8", "ENABLE F5"}, true, 1, true},
        LockCase{{"DISABLE QUIT", "ENABLE QUIT"}, true, 0, false},
        LockCase{{"DISABLE F5, F8", "ENABLE F5, F8"}, true, 0, true},
        // The words stand anywhere, in any case and with any separators.
        LockCase{{"disable f8,quit"}, false, 1, false}, LockCase{{"No keys: F5"}, false, 0, true},
        // A bare word and a line of other words change nothing.
        LockCase{{"DISABLE F5", "ENABLE "}, false, 0, true},
        LockCase{{"NO F5", "ENABLE F6 F7"}, false, 0, true},
        // Lines of other commands leave the state alone.
        LockCase{{"NO F5", "LOAD C:\\F8.EXE"}, false, 0, true}));

TEST(LockLineKind, RequiresTheKeywordWithItsBlankAtTheStart) {
    EXPECT_EQ(LockLineKind("NO F5"), LockLine::No);
    EXPECT_EQ(LockLineKind("ENABLE F5"), LockLine::Enable);
    EXPECT_EQ(LockLineKind("DISABLE F5"), LockLine::Disable);
    EXPECT_EQ(LockLineKind("NOTE F5"), std::nullopt);
    EXPECT_EQ(LockLineKind("ENABLED F5"), std::nullopt);
}

TEST(LockQueries, FollowTheButtonStates) {
    LockState state;
    EXPECT_TRUE(F8Works(state));
    EXPECT_FALSE(CloseRefused(state));
    EXPECT_FALSE(MenuQuitHidden(state));
    state = ApplyLockLine(state, "NO F8");
    EXPECT_FALSE(F8Works(state));
    EXPECT_FALSE(CloseRefused(state));
    state = ApplyLockLine(state, "NO F5");
    EXPECT_TRUE(CloseRefused(state));
    EXPECT_TRUE(MenuQuitHidden(state));
}

} // namespace
} // namespace qv::logic
