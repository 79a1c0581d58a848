#include "language/Text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Text, CaseMappingIsAsciiOnly) {
    EXPECT_EQ(UpperCase("wait 5 \xe9\xe0"), "WAIT 5 \xe9\xe0");
    EXPECT_EQ(LowerCase("LOAD C:\\\xC9"), "load c:\\\xC9");
}

TEST(Text, TrimRemovesBlanksAndControlsButNotHighCharacters) {
    EXPECT_EQ(Trim(" \t\r\x01WAIT 5\x1f \n"), "WAIT 5");
    EXPECT_EQ(Trim("\xa0X\xa0"), "\xa0X\xa0");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
}

TEST(Text, SplitLinesTakesEveryLineEnd) {
    using L = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (L{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (L{"a"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (L{"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), L{});
    EXPECT_EQ(SplitLines("\r\n"), (L{""}));
}

} // namespace
} // namespace qv
