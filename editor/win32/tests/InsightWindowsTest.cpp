#include "common/win32/ApplicationWindow.h"
#include "common/win32/Controls.h"
#include "common/win32/Window.h"
#include "editor/win32/ControlIds.h"
#include "editor/win32/ProblemsFrm.h"
#include "editor/win32/RunLogFrm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::win32 {
namespace {

class InsightWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(app_.IsAlive()) << "no window station"; }

    MessageLoop loop_;
    ApplicationWindow app_{"Quorvel Developer", nullptr};
};

TEST_F(InsightWindowsTest, ProblemListShowsEachProblemWithItsLineAndOffersGoToOnlyWithOne) {
    const std::vector<editor::ScriptProblem> problems = {
        {2, 1, "Invalid Command (200)", "bogus line"},
        {5, 4, "WAIT needs a number of seconds", "WAIT soon"},
    };
    TfrmProblems dialog(loop_, app_.Handle(), problems);
    ASSERT_TRUE(dialog.IsAlive());
    EXPECT_EQ(dialog.Self().Text(), "Check Script");
    EXPECT_EQ(dialog.Self().Item(ids::ProblemSummary).Text(),
              "2 lines of this script would be reported by the interpreter:");
    const Window list = dialog.Self().Item(ids::ProblemList);
    ASSERT_EQ(list.Send(LB_GETCOUNT), 2);
    char first[128] = {};
    list.Send(LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "Line 2: Invalid Command (200): 'bogus line'");
    EXPECT_EQ(list.Send(LB_GETCURSEL), 0);
    EXPECT_TRUE(::IsWindowEnabled(dialog.Self().Item(ids::ProblemGoTo).Handle()));

    TfrmProblems none(loop_, app_.Handle(), {});
    ASSERT_TRUE(none.IsAlive());
    EXPECT_EQ(none.Self().Item(ids::ProblemSummary).Text(),
              "The interpreter would run or pass over every line of this script.");
    EXPECT_FALSE(::IsWindowEnabled(none.Self().Item(ids::ProblemGoTo).Handle()));
}

// The newest run is at the log's end: the view opens there, and a NUL left by a broken write
// does not cut the text short.
TEST_F(InsightWindowsTest, RunLogOpensAtItsEnd) {
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "run " + std::to_string(i) + "\r\n";
    text[5] = '\0';
    TfrmRunLog dialog(loop_, app_.Handle(), "C:\\users\\alice\\qvrun.log", text);
    ASSERT_TRUE(dialog.IsAlive());
    EXPECT_EQ(dialog.Self().Item(ids::RunLogPath).Text(), "C:\\users\\alice\\qvrun.log");
    const Window view = dialog.Self().Item(ids::RunLogText);
    EXPECT_EQ(view.Text().size(), text.size());
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(view.Handle(), SB_VERT, &info));
    EXPECT_GT(info.nMax, 1000);
    EXPECT_GE(info.nPos + static_cast<int>(info.nPage), info.nMax);
}

} // namespace
} // namespace qv::win32
