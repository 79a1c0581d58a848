#include "editor/core/ScriptInsight.h"
#include "DocumentFixture.h"
#include "tools/qvtool/Commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qv::editor::testing {
namespace {

// Checks while editing: the interpreter's own rules on every row, by line text.
class ScriptCheckerTest : public DocumentFixture {
  protected:
    ScriptChecker checker;

    std::vector<std::string> Listed() const {
        std::vector<std::string> out;
        for (const ScriptProblem& problem : checker.Problems(doc))
            out.push_back(ProblemListText(problem));
        return out;
    }
};

TEST_F(ScriptCheckerTest, ListsOneFaultOfEachKindWithItsLineAndRow) {
    Load({"ERROR ON", "bogus line", "WAIT soon", "COPY C:\\A.TXT C:\\B.TXT",
          "LOAD C:\\A.EXE (0800-1700)", "LOGOFF ~:~ now", "   ;indented", "REM fine",
          "LOCATE TOP"});
    const std::vector<std::string> before = Commands();
    EXPECT_TRUE(checker.Check(doc));
    EXPECT_EQ(Listed(),
              (std::vector<std::string>{
                  "Line 2: Invalid Command (200): 'bogus line'",
                  "Line 3: Invalid Command (200): WAIT needs a number of seconds: 'WAIT soon'",
                  "Line 4: COPY needs \">\" between its source and destination: "
                  "'COPY C:\\A.TXT C:\\B.TXT'",
                  "Line 5: \"(0800-1700)\" is not a time window (eight digits HHMMHHMM): it is "
                  "read as part of the path: 'LOAD C:\\A.EXE (0800-1700)'",
                  "Line 6: contains \"~:~\", which splits the compiled line in two: "
                  "'LOGOFF ~:~ now'",
                  // Not a placement the interpreter can read, nor a LOAD: no command at all.
                  "Line 9: Invalid Command (200): 'LOCATE TOP'",
              }));
    // A row's command is trimmed, so the indented comment is saved, and run, as a comment.
    EXPECT_EQ(checker.ProblemCount(), 6u);
    ASSERT_NE(checker.RowProblem(1), nullptr);
    EXPECT_EQ(*checker.RowProblem(1), "Invalid Command (200)");
    EXPECT_EQ(checker.RowProblem(0), nullptr);
    EXPECT_EQ(checker.RowProblem(static_cast<std::size_t>(EndRow())), nullptr);
    EXPECT_EQ(checker.RowProblem(1000), nullptr);
    // Checking changes nothing of the document.
    EXPECT_EQ(Commands(), before);
    EXPECT_FALSE(doc.State().Modified);
}

TEST_F(ScriptCheckerTest, FollowsEditsAndCountsTheMenuBlockInLineNumbers) {
    Load({"MENU START", "MENU ITEM 1 Games,c:\\games.qvc", "MENU DEFAULT 10", "ERROR ON",
          "MENU SHOW"});
    checker.Check(doc);
    EXPECT_EQ(checker.ProblemCount(), 0u);
    // Added above the focused row: the first command.
    Select({0}, 0);
    doc.AddLine("bogus");
    EXPECT_TRUE(checker.Check(doc));
    const std::vector<ScriptProblem> problems = checker.Problems(doc);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 4); // after MENU START, MENU ITEM 1 and MENU DEFAULT
    EXPECT_EQ(problems[0].row, 0);
    EXPECT_EQ(doc.TextAsSaved()[3], "bogus");
    // Nothing changed since: the same verdicts.
    EXPECT_FALSE(checker.Check(doc));
    Select({0}, 0);
    doc.Delete();
    EXPECT_TRUE(checker.Check(doc));
    EXPECT_EQ(checker.ProblemCount(), 0u);
}

TEST_F(ScriptCheckerTest, AMenuCaptionThatSplitsTheCompiledLineIsALineWithoutARow) {
    Load({"ERROR ON"});
    MenuDialogValues values = doc.MenuDialogOpening();
    values.captions[0] = "Odd~:~Name";
    values.scripts[0] = "C:\\odd.qvs";
    doc.ApplyMenuDialog(values);
    checker.Check(doc);
    const std::vector<ScriptProblem> problems = checker.Problems(doc);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[0].row, -1);
}

TEST_F(ScriptCheckerTest, AScriptOfManyRowsIsCheckedAgainOnlyWhereItChanged) {
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i)
        lines.push_back(i % 2 == 0 ? "LOAD C:\\P" + std::to_string(i) + ".EXE (08001230)"
                                   : "bogus " + std::to_string(i));
    Load(lines);
    checker.Check(doc);
    EXPECT_EQ(checker.ProblemCount(), 1500u);
    Select({0}, 0);
    doc.Delete();
    checker.Check(doc);
    EXPECT_EQ(checker.ProblemCount(), 1500u);
    ASSERT_NE(checker.RowProblem(0), nullptr);
    EXPECT_EQ(checker.RowProblem(1), nullptr);
}

// "What if...": the real interpreter core on the document as it stands.
class WhatIfTest : public DocumentFixture {
  protected:
    WhatIfFields At(const std::string& moment) {
        WhatIfFields fields = WhatIfDefaults({}, "alice", "PC01");
        fields.moment = moment;
        return fields;
    }
};

TEST_F(WhatIfTest, ATimeWindowStartsItsProgramOnlyInsideIt) {
    // The window's ends are outside it: at 08:00 the first window is over, the second open.
    Load({"LOAD C:\\EARLY.EXE (06000800)", "LOAD C:\\LATE.EXE (08001230)"});
    // Unsaved changes count: the run is of the script as it is in the editor.
    doc.AddLine("LOGOFF");
    const std::vector<std::string> before = Commands();

    const std::string early = WhatIfReport(doc, At("2026-03-02 07:59"));
    EXPECT_EQ(early, "C:\\WINDOWS\\test.qvc:\n"
                     "  1  LOAD C:\\EARLY.EXE (06000800)  ->  would start C:\\EARLY.EXE\n"
                     "  2  LOAD C:\\LATE.EXE (08001230)  ->  skipped: outside 08:00 to 12:30\n"
                     "  3  LOGOFF  ->  would log the user off\n");
    const std::string late = WhatIfReport(doc, At("2026-03-02 08:00"));
    EXPECT_NE(late.find("LOAD C:\\EARLY.EXE (06000800)  ->  skipped: outside 06:00 to 08:00\n"),
              std::string::npos)
        << late;
    EXPECT_NE(late.find("LOAD C:\\LATE.EXE (08001230)  ->  would start C:\\LATE.EXE\n"),
              std::string::npos)
        << late;

    EXPECT_EQ(Commands(), before);
    EXPECT_TRUE(doc.State().Modified);
    EXPECT_TRUE(host.compiled.empty());
}

TEST_F(WhatIfTest, EndsWithTheErrorReportAndFollowsTheAnswerToPrompts) {
    Load({"PROMPT ON", "LOGOFF", "PROMPT OFF", "bogus"});
    WhatIfFields fields = At("2026-03-02 09:00");
    fields.answer = 1; // No
    const std::string report = WhatIfReport(doc, fields);
    EXPECT_NE(report.find("answered No: skipped"), std::string::npos) << report;
    EXPECT_EQ(report.find("would log the user off"), std::string::npos) << report;
    EXPECT_NE(report.find("Invalid Command (200) In Script File : C:\\WINDOWS\\test.qvc"),
              std::string::npos)
        << report;
    EXPECT_FALSE(doc.State().Modified);
}

TEST(WhatIfFieldsTest, RejectsWhatCannotRun) {
    const WhatIfFields good = WhatIfDefaults({2026, 12, 10, 7, 5, 9}, "alice", "PC01");
    EXPECT_EQ(good.moment, "2026-12-10 07:05");
    EXPECT_EQ(CheckWhatIfFields(good), std::nullopt);
    struct Case {
        const char* tag;
        std::string moment;
        int answer;
        int menu;
    } cases[] = {
        {"no time", "2026-12-10", 0, 0},
        {"no such day", "2026-02-30 08:00", 0, 0},
        {"hour 24", "2026-12-10 24:00", 0, 0},
        {"words", "tomorrow", 0, 0},
        {"trailing text", "2026-12-10 08:00x", 0, 0},
        {"answer", "2026-12-10 08:00", 3, 0},
        {"menu", "2026-12-10 08:00", 0, 10},
    };
    for (const Case& c : cases) {
        WhatIfFields fields = good;
        fields.moment = c.moment;
        fields.answer = c.answer;
        fields.menuEntry = c.menu;
        EXPECT_NE(CheckWhatIfFields(fields), std::nullopt) << c.tag;
    }
}

// The editor's report is qvtool run's on the saved and compiled file, line for line.
TEST_F(WhatIfTest, EqualsQvtoolRunOnTheSavedFile) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "qv-editor-whatif";
    fs::create_directories(dir);
    const std::string source = (dir / "logon.qvs").string();
    const std::string called = (dir / "called.qvc").string();
    {
        std::ofstream file(dir / "called.qvs", std::ios::binary);
        file << "LOAD C:\\CALLED.EXE (08001230)\r\nbogus in called\r\n";
    }
    std::ostringstream out, err;
    ASSERT_EQ(RunQvTool({"compile", (dir / "called.qvs").string()}, out, err), 0) << err.str();

    Load({"ERROR ON", "LOAD C:\\TOOLS\\SYNC.EXE {/QUIET} [min] (08001230) <R135>", "RUN " + called,
          "PROMPT ON", "WAIT 5", "DEL C:\\NOWHERE\\X.TMP", "bogus"},
         source);
    {
        std::ofstream file(source, std::ios::binary);
        for (const std::string& line : doc.TextAsSaved())
            file << line << "\r\n";
    }
    ASSERT_EQ(RunQvTool({"compile", source}, out, err), 0) << err.str();
    for (const char* moment : {"2026-03-02 07:59", "2026-03-02 08:00"}) {
        std::ostringstream run, runErr;
        RunQvTool({"run", (dir / "logon.qvc").string(), "--at", moment, "--user", "alice",
                   "--computer", "PC01", "--answer", "yes"},
                  run, runErr);
        EXPECT_EQ(WhatIfReport(doc, At(moment)), run.str()) << moment;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace qv::editor::testing
