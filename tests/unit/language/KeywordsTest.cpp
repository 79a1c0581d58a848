#include "language/Keywords.h"

#include "language/Text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::optional<Keyword> Dispatch(std::string_view raw) {
    return MatchKeyword(UpperCase(NormaliseLine(raw)));
}

TEST(Keywords, TableIsInTestOrderAndIndexedByKeyword) {
    ASSERT_EQ(KeywordTable.size(), 33u);
    for (std::size_t i = 0; i < KeywordTable.size(); ++i)
        EXPECT_EQ(KeywordIndex(KeywordTable[i].keyword), i);
    EXPECT_EQ(KeywordTable.front().text, "NO ");
    EXPECT_EQ(KeywordTable.back().text, "LOAD AND WAIT");
}

struct Case {
    const char* line;
    std::optional<Keyword> expected;
};

class KeywordMatch : public ::testing::TestWithParam<Case> {};

TEST_P(KeywordMatch, FirstTestInTableOrderWins) {
    EXPECT_EQ(Dispatch(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Traps, KeywordMatch,
    ::testing::Values(
        Case{"wait 5", Keyword::Wait}, Case{"Wait 5", Keyword::Wait}, Case{"WAIT 5", Keyword::Wait},
        Case{"SHUTDOWNRESTART", Keyword::ShutdownRestart},
        Case{"shutdownforce", Keyword::ShutdownForce}, Case{"SHUTDOWN", Keyword::Shutdown},
        Case{"SHUTDOWNNOW", Keyword::Shutdown}, Case{"LOGOFFX", Keyword::Logoff},
        Case{"LOGOUT", Keyword::Logout}, Case{"WAIT FOR WINDOW Notepad", Keyword::WaitForWindow},
        Case{"WAIT FOR LOAD 20", Keyword::WaitForLoad}, Case{"PROMPT MENU", Keyword::PromptMenu},
        Case{"PROMPT ON", Keyword::Prompt}, Case{"PROMPTON", std::nullopt},
        Case{"  LOAD AND WAIT c:\\x.exe  ", Keyword::Load}, Case{"LOAD c:\\x.exe", Keyword::Load},
        Case{"LOCATE SOMEWHERE", Keyword::Locate}, Case{"MENU ITEM 1 A,b.qvc", Keyword::MenuItem},
        Case{"MENU SHOW", Keyword::MenuShow}, Case{"NO F5", Keyword::No}, Case{"NO", std::nullopt},
        Case{"RUN x.qvc", Keyword::Run}, Case{"RUNX", std::nullopt},
        Case{"   ;comment", std::nullopt}, Case{"COPY a > b /ON", Keyword::Copy},
        Case{"\tDEL c:\\x", Keyword::Del}));

TEST(Keywords, SearchFromAnIndexSkipsEarlierTests) {
    // PROMPT MENU goes on to the PROMPT test; LOCATE with an unknown word to the LOAD tests.
    EXPECT_EQ(MatchKeyword("PROMPT MENU", KeywordIndex(Keyword::Prompt)), Keyword::Prompt);
    EXPECT_EQ(MatchKeyword("LOCATE SOMEWHERE", KeywordIndex(Keyword::Load)), std::nullopt);
}

TEST(Keywords, IgnoredLinesAreJudgedOnTheRawLine) {
    EXPECT_TRUE(IsIgnoredLine(""));
    EXPECT_TRUE(IsIgnoredLine(";LOAD x"));
    EXPECT_TRUE(IsIgnoredLine("REM load"));
    EXPECT_TRUE(IsIgnoredLine("rem"));
    EXPECT_TRUE(IsIgnoredLine("REMOVE.BAT"));
    EXPECT_TRUE(IsIgnoredLine("ReMark"));
    EXPECT_FALSE(IsIgnoredLine("RE"));
    EXPECT_FALSE(IsIgnoredLine("   ;comment"));
    EXPECT_FALSE(IsIgnoredLine(" REM x"));
    EXPECT_FALSE(IsIgnoredLine("   ")); // reaches the dispatch, which passes over it silently
    EXPECT_EQ(NormaliseLine("   "), "");
}

} // namespace
} // namespace qv
