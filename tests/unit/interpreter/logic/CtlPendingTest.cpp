#include "interpreter/logic/CtlPending.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::logic {
namespace {

using Lines = std::vector<std::string>;

// Header, five command lines, the empty end element; line 2 (PROMPT MENU) has just run.
Lines Script() {
    return {"header", "LOAD A.EXE", "PROMPT MENU", "LOAD B.EXE",
            "WAIT 5", "LOAD B.EXE", "LOAD C.EXE",  ""};
}

TEST(PendingEntries, TheLinesStillToRunInOrder) {
    EXPECT_EQ(PendingEntries(Script(), 3),
              (Lines{"LOAD B.EXE", "WAIT 5", "LOAD B.EXE", "LOAD C.EXE"}));
    EXPECT_EQ(PendingEntries(Script(), 7), Lines{});
    EXPECT_EQ(PendingEntries(Script(), 0), PendingEntries(Script(), 1));
    EXPECT_EQ(PendingEntries(Script(), 99), Lines{});
    EXPECT_EQ(PendingEntries(Lines{}, 1), Lines{});
    EXPECT_EQ(PendingEntries(Lines{"header"}, 1), Lines{});
}

struct AnswerCase {
    const char* what;
    std::optional<std::vector<bool>> checked;
    Lines after;
};

class PendingAnswer : public testing::TestWithParam<AnswerCase> {};

TEST_P(PendingAnswer, RemovesTheUncheckedLines) {
    const AnswerCase& c = GetParam();
    Lines lines = Script();
    const Lines entries = PendingEntries(lines, 3);
    RemoveUncheckedLines(lines, 3, entries, c.checked);
    EXPECT_EQ(lines, c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PendingAnswer,
    testing::Values(AnswerCase{"cancel", std::nullopt, Script()},
                    AnswerCase{"all checked", std::vector<bool>{true, true, true, true}, Script()},
                    AnswerCase{"one unchecked",
                               std::vector<bool>{true, false, true, true},
                               {"header", "LOAD A.EXE", "PROMPT MENU", "LOAD B.EXE", "LOAD B.EXE",
                                "LOAD C.EXE", ""}},
                    AnswerCase{"unchecking one of two identical lines removes both",
                               std::vector<bool>{true, true, false, true},
                               {"header", "LOAD A.EXE", "PROMPT MENU", "WAIT 5", "LOAD C.EXE", ""}},
                    AnswerCase{"nothing checked removes every remaining line",
                               std::vector<bool>{false, false, false, false},
                               {"header", "LOAD A.EXE", "PROMPT MENU", ""}},
                    AnswerCase{
                        "a short answer keeps the unanswered entries",
                        std::vector<bool>{false},
                        {"header", "LOAD A.EXE", "PROMPT MENU", "WAIT 5", "LOAD C.EXE", ""}}));

TEST(PendingAnswerMatching, IsExactAndNeverTouchesLinesAlreadyRun) {
    Lines lines = {"header", "LOAD B.EXE", "PROMPT MENU", "load b.exe", "LOAD B.EXE", ""};
    const Lines entries = PendingEntries(lines, 3);
    EXPECT_EQ(RemoveUncheckedLines(lines, 3, entries, std::vector<bool>{true, false}), 1);
    EXPECT_EQ(lines, (Lines{"header", "LOAD B.EXE", "PROMPT MENU", "load b.exe", ""}));
}

TEST(PendingAnswerMatching, AnEmptyListChangesNothing) {
    Lines lines = {"header", "LOAD A.EXE", "PROMPT MENU", ""};
    EXPECT_EQ(RemoveUncheckedLines(lines, 3, PendingEntries(lines, 3), std::vector<bool>{}), 0);
    EXPECT_EQ(lines.size(), 4u);
}

} // namespace
} // namespace qv::logic
