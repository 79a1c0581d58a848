#include "RunnerFixture.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

using logic::ReplaceAnswer;

// A tree C:\SRC holding a.txt and sub\b.txt, both dated 5; the test says what the destination
// holds already.
class FilesTest : public RunnerTest {
  protected:
    void SetUp() override {
        services.AddFile("C:\\SRC\\a.txt", "new a", 5);
        services.AddFile("C:\\SRC\\sub\\b.txt", "new b", 5);
        StartWith({});
    }
    std::string Bytes(const std::string& path) const {
        const FakeServices::FakeFile* file = services.File(path);
        return file ? file->bytes : "<none>";
    }
};

TEST_F(FilesTest, SwitchCombinationsDecideFileByFile) {
    struct Case {
        const char* line;
        int existingTime; // of D:\DST\a.txt, which holds "old a"; 0: absent
        bool readOnly;
        std::vector<ReplaceAnswer> answers;
        const char* a;
        const char* b;
    };
    const Case cases[] = {
        {"COPY C:\\SRC\\ > D:\\DST", 0, false, {}, "new a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /DNCS", 0, false, {}, "new a", "<none>"},
        {"COPY C:\\SRC\\ > D:\\DST /DNO", 3, false, {}, "old a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /ON", 9, false, {}, "old a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /ON", 1, false, {}, "new a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /CIE", 3, false, {ReplaceAnswer::No}, "old a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /CIE", 3, false, {ReplaceAnswer::Yes}, "new a", "new b"},
        // /DNO has already decided to skip: Yes leaves that decision, Yes to All overrides it.
        {"COPY C:\\SRC\\ > D:\\DST /DNO /CIE", 3, false, {ReplaceAnswer::Yes}, "old a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /DNO /CIE",
         3,
         false,
         {ReplaceAnswer::YesToAll},
         "new a",
         "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /CIE /DNCS", 3, false, {ReplaceAnswer::Yes}, "new a", "<none>"},
        {"COPY C:\\SRC\\ > D:\\DST /ORO", 3, true, {}, "new a", "new b"},
        {"COPY C:\\SRC\\ > D:\\DST /ORO /DNO", 3, true, {}, "old a", "new b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        FakeHost h;
        FakeServices s(h);
        Runner r(h.Ports(), s.Ports());
        h.Attach(r);
        s.AddFile("C:\\SRC\\a.txt", "new a", 5);
        s.AddFile("C:\\SRC\\sub\\b.txt", "new b", 5);
        s.AddFolder("D:\\DST");
        if (c.existingTime) {
            s.AddFile("D:\\DST\\a.txt", "old a", c.existingTime);
            if (c.readOnly)
                s.SetReadOnly("D:\\DST\\a.txt");
        }
        s.replaceAnswers.assign(c.answers.begin(), c.answers.end());
        h.AddScript(CommonPath, {c.line});
        r.FormCreate(std::nullopt);
        ASSERT_TRUE(h.RunUntilEnded());
        const FakeServices::FakeFile* a = s.File("D:\\DST\\a.txt");
        const FakeServices::FakeFile* b = s.File("D:\\DST\\sub\\b.txt");
        EXPECT_EQ(a ? a->bytes : "<none>", c.a);
        EXPECT_EQ(b ? b->bytes : "<none>", c.b);
        EXPECT_TRUE(s.replaceAnswers.empty());
        EXPECT_EQ(r.State().ErrorReport, "");
        EXPECT_EQ(h.copyLayoutHistory, (std::vector<bool>{true, false}));
    }
}

TEST_F(FilesTest, AFolderWithoutTrailingBackslashIsCopiedIntoTheDestination) {
    runner.ProcessLine("COPY C:\\SRC > D:\\DST");
    EXPECT_EQ(Bytes("D:\\DST\\SRC\\a.txt"), "new a");
    EXPECT_EQ(Bytes("D:\\DST\\SRC\\sub\\b.txt"), "new b");
    EXPECT_EQ(Bytes("D:\\DST\\a.txt"), "<none>");
}

TEST_F(FilesTest, TheReplaceQuestionNamesTheRelativePathAndBothFolders) {
    services.AddFile("D:\\DST\\sub\\b.txt", "old b", 1);
    services.replaceAnswers = {ReplaceAnswer::NoToAll};
    runner.ProcessLine("COPY C:\\SRC\\ > D:\\DST\\ /CIE");
    ASSERT_EQ(services.replaceQuestions.size(), 1u);
    const logic::ReplaceQuestion& q = services.replaceQuestions[0];
    EXPECT_EQ(q.sourceName, "sub\\b.txt");
    EXPECT_EQ(q.targetName, "sub\\b.txt");
    EXPECT_EQ(q.sourceFolder, "C:\\SRC\\");
    EXPECT_EQ(q.targetFolder, "D:\\DST\\");
    EXPECT_EQ(Bytes("D:\\DST\\sub\\b.txt"), "old b");
}

TEST_F(FilesTest, CancelInTheReplaceQuestionEndsTheCommandAndTheRunGoesOn) {
    services.AddFile("D:\\DST\\a.txt", "old a", 1);
    services.replaceAnswers = {ReplaceAnswer::Cancel};
    runner.ProcessLine("COPY C:\\SRC\\ > D:\\DST /CIE");
    EXPECT_EQ(Bytes("D:\\DST\\sub\\b.txt"), "<none>");
    EXPECT_EQ(host.copyLayoutHistory, (std::vector<bool>{true, false}));
    EXPECT_FALSE(host.terminated);
}

TEST_F(FilesTest, LowerCaseSwitchesAreNoSwitchesAndStayInTheDestination) {
    runner.ProcessLine("COPY C:\\SRC\\a.txt > D:\\X /dno");
    EXPECT_EQ(Bytes("D:\\X /dno"), "new a");
}

TEST_F(FilesTest, FailuresAreReportedInTheirTwoLayouts) {
    services.AddFile("D:\\DST\\a.txt", "locked", 1);
    services.SetReadOnly("D:\\DST\\a.txt");
    runner.ProcessLine("COPY C:\\SRC\\ > D:\\DST");
    runner.ProcessLine("COPY C:\\NOPE.TXT > D:\\DST\\ /ON");
    runner.ProcessLine("COPY C:\\SRC\\a.txt D:\\DST");
    EXPECT_EQ(runner.State().ErrorReport,
              "Copy Failed (202) In Script File : " + std::string(CommonPath) +
                  "\r\n Line : 1 - COPY C:\\SRC\\ > D:\\DST\r\n"
                  " '5 - C:\\SRC\\a.txt > D:\\DST\\a.txt'\r\n"
                  "Copy Failed (202) In Script File : " +
                  CommonPath +
                  "\r\nLine : 1 'COPY C:\\NOPE.TXT > D:\\DST\\ /ON'\r\n"
                  "2 - C:\\NOPE.TXT to D:\\DST\\NOPE.TXT\r\n"
                  "Copy Failed (202) In Script File : " +
                  CommonPath + "\r\nLine : 1 'COPY C:\\SRC\\a.txt D:\\DST'\r\n2 -  to \r\n");
    runner.ProcessLine("ERROR OFF");
    const std::string before = runner.State().ErrorReport;
    runner.ProcessLine("COPY C:\\NOPE.TXT > D:\\DST\\");
    EXPECT_EQ(runner.State().ErrorReport, before);
}

class FolderCopyButtonsTest : public RunnerTest {
  protected:
    void SetUp() override {
        for (const char* name : {"1.txt", "2.txt", "3.txt"})
            services.AddFile(std::string("C:\\SRC\\") + name, name);
        StartWith({"COPY C:\\SRC\\ > D:\\DST", "BOGUS"});
    }
    int Copied() const {
        int count = 0;
        for (const char* name : {"1.txt", "2.txt", "3.txt"})
            count += services.File(std::string("D:\\DST\\") + name) != nullptr;
        return count;
    }
};

TEST_F(FolderCopyButtonsTest, NextStopsAfterTheCurrentFileAndTheNextLineRuns) {
    services.onCopyFile = [this](const std::string&, const std::string&) { runner.Button1Click(); };
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(Copied(), 1);
    EXPECT_FALSE(runner.State().SkipRequested);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 3, "BOGUS"));
    EXPECT_EQ(host.copyLayoutHistory, (std::vector<bool>{true, false}));
}

TEST_F(FolderCopyButtonsTest, CancelStopsAfterTheCurrentFileAndEndsTheRun) {
    services.onCopyFile = [this](const std::string&, const std::string&) {
        runner.CancelButClick();
    };
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(Copied(), 1);
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(FolderCopyButtonsTest, PauseHoldsTheCopyBeforeTheNextFileUntilResume) {
    int pumpsWhilePaused = 0;
    services.onCopyFile = [this](const std::string& source, const std::string&) {
        if (source == "C:\\SRC\\1.txt")
            runner.cmdPauseClick();
    };
    host.onProcessMessages = [&] {
        if (!runner.State().Paused)
            return;
        EXPECT_EQ(Copied(), 1);
        if (++pumpsWhilePaused == 3)
            runner.cmdPauseClick();
    };
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(pumpsWhilePaused, 3);
    EXPECT_GT(services.idleWaits, 0);
    EXPECT_EQ(Copied(), 3);
    // The window keeps its copy layout while paused; only the animation stops and restarts.
    EXPECT_EQ(host.copyLayoutHistory, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.copyAnimationHistory, (std::vector<bool>{false, true}));
}

TEST_F(RunnerTest, AFolderCopyUpdatesItsTextAFewTimesASecondAndShowsTheLastOne) {
    for (int i = 0; i < 50; ++i)
        services.AddFile("C:\\MANY\\f" + std::to_string(100 + i) + ".txt");
    // Each copy takes 20 ms of the clock.
    services.onCopyFile = [this](const std::string&, const std::string&) { host.Advance(20); };
    StartWith({"COPY C:\\MANY\\ > D:\\OUT"});
    const std::size_t before = host.statusHistory.size();
    host.Advance(500);
    EXPECT_EQ(services.FilePaths().size(), 100u);
    const std::size_t shown = host.statusHistory.size() - before;
    EXPECT_GE(shown, 3u);
    EXPECT_LE(shown, 8u);
    std::string lastCopyText;
    for (const std::string& text : host.statusHistory)
        if (text.rfind("Copying File", 0) == 0)
            lastCopyText = text;
    EXPECT_EQ(lastCopyText, "Copying File : \r\nC:\\MANY\\f149.txt\r\nTo : \rD:\\OUT\\f149.txt");
}

TEST_F(FilesTest, RenameMovesTheFileOrRecordsEntry203) {
    runner.ProcessLine("RENAME C:\\SRC\\a.txt>C:\\SRC\\c.txt");
    EXPECT_EQ(Bytes("C:\\SRC\\c.txt"), "new a");
    for (const char* line : {"RENAME C:\\SRC\\c.txt>C:\\SRC\\sub\\b.txt",
                             "RENAME C:\\SRC\\c.txt C:\\SRC\\d.txt", "RENAME C:\\GONE>C:\\X"})
        runner.ProcessLine(line);
    const std::string message = "Rename Failed (203) In Script File : ";
    EXPECT_EQ(runner.State().ErrorReport,
              Entry(message, CommonPath, 1, "RENAME C:\\SRC\\c.txt>C:\\SRC\\sub\\b.txt") +
                  Entry(message, CommonPath, 1, "RENAME C:\\SRC\\c.txt C:\\SRC\\d.txt") +
                  Entry(message, CommonPath, 1, "RENAME C:\\GONE>C:\\X"));
}

// The shell shows no dialog at logon, so a file it could not delete is recorded as an entry.
TEST_F(FilesTest, ADeleteTheShellRefusesIsEntry204WhileErrorsOn) {
    services.recycleResult = 5; // ERROR_ACCESS_DENIED
    runner.ProcessLine("DEL c:\\SRC\\a.txt");
    runner.ProcessLine("ERROR OFF");
    runner.ProcessLine("DEL c:\\SRC\\sub\\b.txt");
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Delete Failed (204) In Script File : ", CommonPath, 1, "DEL c:\\SRC\\a.txt"));
}

TEST_F(FilesTest, DelSendsEveryPathToTheRecycleBinAndRecordsNothing) {
    runner.ProcessLine("DEL c:\\temp\\*.tmp; c:\\SRC\\a.txt");
    EXPECT_EQ(services.recycled, (std::vector<std::string>{"c:\\temp\\*.tmp", "c:\\SRC\\a.txt"}));
    EXPECT_EQ(host.status, "Deleting : \r\nc:\\temp\\*.tmp; c:\\SRC\\a.txt");
    EXPECT_EQ(Bytes("C:\\SRC\\a.txt"), "<none>");
    EXPECT_EQ(runner.State().ErrorReport, "");
}

} // namespace
} // namespace qv::interp::testing
