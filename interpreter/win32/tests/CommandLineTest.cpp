#include "interpreter/win32/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qv::win32 {
namespace {

struct Case {
    const char* commandLine;
    std::optional<std::string> expected;
};

class ScriptPathArgumentTest : public ::testing::TestWithParam<Case> {};

TEST_P(ScriptPathArgumentTest, ReadsTheFirstArgumentOnly) {
    const Case c = GetParam();
    EXPECT_EQ(ScriptPathArgument(c.commandLine), c.expected) << c.commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ScriptPathArgumentTest,
    ::testing::Values(Case{"qvrun.exe", std::nullopt}, Case{"qvrun.exe   ", std::nullopt},
                      Case{"", std::nullopt},
                      Case{"\"C:\\Program Files\\Quorvel\\qvrun.exe\"", std::nullopt},
                      Case{"qvrun.exe C:\\Scripts\\common.qvc", "C:\\Scripts\\common.qvc"},
                      Case{"\"C:\\Program Files\\Quorvel\\qvrun.exe\" \"C:\\My Scripts\\a b.qvc\"",
                           "C:\\My Scripts\\a b.qvc"},
                      Case{"qvrun.exe\t \"C:\\x.qvc\" second third", "C:\\x.qvc"},
                      // Unquoted blanks end the argument, as the association would never write it.
                      Case{"qvrun.exe C:\\My Scripts\\a.qvc", "C:\\My"},
                      Case{"qvrun.exe C:\\My\" \"Scripts\\a.qvc", "C:\\My Scripts\\a.qvc"},
                      Case{"qvrun.exe \"\"", ""},
                      Case{"qvrun.exe \"C:\\unterminated", "C:\\unterminated"}));

} // namespace
} // namespace qv::win32
