#include "editor/win32/TipFrm.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

TEST(Tips, OneTipPerLineWithoutBlankLines) {
    struct Case {
        const char* tag;
        const char* text;
        std::vector<std::string> tips;
    } cases[] = {
        {"CR LF", "First tip.\r\nSecond tip.\r\n", {"First tip.", "Second tip."}},
        {"no final line end", "Only tip.", {"Only tip."}},
        {"blank lines", "\r\nA\r\n   \r\n\r\nB", {"A", "B"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTips(c.text), c.tips) << c.tag;
    }
}

} // namespace
} // namespace qv::win32
