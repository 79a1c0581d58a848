#include "interpreter/logic/CtlSwitches.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(SwitchLines, OnlyExactlyOnInAnyCaseSwitchesOn) {
    struct Case {
        const char* line;
        bool on;
    };
    const Case cases[] = {
        {"ON", true},   {"on", true}, {"On", true},    {"OFF", false}, {"ONCE", false},
        {" ON", false}, {"", false},  {"MENU", false}, {"0N", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PromptModeAfter(std::string("PROMPT ") + c.line), c.on) << c.line;
        EXPECT_EQ(ErrorsOnAfter(std::string("ERROR ") + c.line), c.on) << c.line;
    }
}

TEST(SwitchLines, PromptMenuLeavesPromptModeOff) {
    EXPECT_FALSE(PromptModeAfter("PROMPT MENU"));
    EXPECT_FALSE(PromptModeAfter("prompt menu"));
}

TEST(SwitchLines, ALineWithoutArgumentSwitchesOff) {
    EXPECT_FALSE(PromptModeAfter("PROMPT"));
    EXPECT_FALSE(ErrorsOnAfter("ERROR"));
}

} // namespace
} // namespace qv::logic
