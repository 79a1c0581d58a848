#include "tools/qvtool/Commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qv {
namespace {

namespace fs = std::filesystem;

// qvtool run: the real interpreter core with a host that changes nothing.
class WhatIf : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qvtool-run-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Compiles `source` to NAME.qvc and returns its path.
    std::string Script(const std::string& name, const std::string& source) {
        const std::string src = (dir / (name + ".qvs")).string();
        std::ofstream(src, std::ios::binary) << source;
        const std::string qvc = (dir / (name + ".qvc")).string();
        std::ostringstream out, err;
        EXPECT_EQ(RunQvTool({"compile", src, "-o", qvc}, out, err), ExitOk) << err.str();
        return qvc;
    }
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), "run");
        return RunQvTool(args, out, err);
    }
    // The printed line of script line `number`.
    std::string LineOf(int number) {
        std::istringstream text(out.str());
        const std::string prefix = "  " + std::to_string(number) + "  ";
        for (std::string line; std::getline(text, line);)
            if (line.rfind(prefix, 0) == 0)
                return line;
        return "(line " + std::to_string(number) + " not printed)";
    }

    fs::path dir;
    std::ostringstream out, err;
};

TEST_F(WhatIf, LoadReportsStartOrSkipOnBothSidesOfEachBoundary) {
    // 2026-12-07 is a Monday; the window runs from 08:00 to 12:30.
    const std::string qvc = Script("load", "LOAD C:\\APPS\\MAIL.EXE {-q} [min] (08001230)\r\n"
                                           "LOAD C:\\APPS\\WEEKLY.EXE <1>\r\n");
    struct Case {
        const char* at;
        const char* windowLine;
        const char* weeklyLine;
    };
    const Case cases[] = {
        {"2026-12-07 07:59", "skipped: outside 08:00 to 12:30", "would start C:\\APPS\\WEEKLY.EXE"},
        // The first line runs half a second after start: just past the window's opening.
        {"2026-12-07 08:00", "would start C:\\APPS\\MAIL.EXE", "would start"},
        {"2026-12-07 08:01", "would start C:\\APPS\\MAIL.EXE minimised with -q", "would start"},
        {"2026-12-07 12:29", "would start C:\\APPS\\MAIL.EXE minimised with -q", "would start"},
        {"2026-12-07 12:30", "skipped: outside 08:00 to 12:30", "would start"},
        {"2026-12-06 10:00", "would start", "skipped: not on Sunday"},
        {"2026-12-08 10:00", "would start", "skipped: not on Tuesday"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run({qvc, "--dry-run", "--at", c.at}), ExitOk) << err.str();
        EXPECT_NE(LineOf(1).find(c.windowLine), std::string::npos) << c.at << "\n" << out.str();
        EXPECT_NE(LineOf(2).find(c.weeklyLine), std::string::npos) << c.at << "\n" << out.str();
    }
}

TEST_F(WhatIf, LoadAndWaitNamesItsProgramAndParametersNotTheRestOfTheLine) {
    const std::string qvc = Script(
        "wait", "LOAD AND WAIT C:\\Z.EXE {/S} [min] (09001700)\r\nLOAD AND WAIT C:\\Y.EXE\r\n");
    EXPECT_EQ(Run({qvc, "--at", "2026-12-07 10:00"}), ExitOk);
    EXPECT_NE(LineOf(1).find("would start C:\\Z.EXE with /S and wait until it closes"),
              std::string::npos)
        << out.str();
    // The time window shows in the script line only, not in the note.
    EXPECT_EQ(LineOf(1).find("(09001700)"), LineOf(1).rfind("(09001700)")) << out.str();
    EXPECT_NE(LineOf(2).find("would start C:\\Y.EXE and wait until it closes"), std::string::npos)
        << out.str();
}

TEST_F(WhatIf, RunOnceRecordIsReadFromTheIniAndNeverWritten) {
    const std::string qvc = Script("once", "LOAD C:\\APPS\\ONCE.EXE <R>\r\n");
    const std::string ini = (dir / "QVRUN.INI").string();
    std::ofstream(ini, std::ios::binary)
        << "[Run Once A Day]\r\nC:\\APPS\\ONCE.EXE=\"20261209\"\r\n";
    EXPECT_EQ(Run({qvc, "--at", "2026-12-09 09:00", "--ini", ini}), ExitOk);
    EXPECT_NE(LineOf(1).find("skipped: already run today"), std::string::npos) << out.str();
    EXPECT_EQ(Run({qvc, "--at", "2026-12-10 09:00", "--ini", ini}), ExitOk);
    EXPECT_NE(LineOf(1).find("would start C:\\APPS\\ONCE.EXE"), std::string::npos) << out.str();
    EXPECT_EQ(Run({qvc, "--at", "2026-12-09 09:00"}), ExitOk);
    EXPECT_NE(LineOf(1).find("would start"), std::string::npos) << out.str();
    std::ifstream in(ini, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "[Run Once A Day]\r\nC:\\APPS\\ONCE.EXE=\"20261209\"\r\n");
}

void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
#endif
}

// Without --ini the records are read where the interpreter keeps them: the user's QVRUN.INI
// beside its run log, then the Windows folder's; what the run records counts for later lines.
TEST_F(WhatIf, RunOnceRecordIsReadWhereTheInterpreterKeepsIt) {
    const std::string qvc =
        Script("once", "LOAD C:\\MINE.EXE <R>\r\nLOAD C:\\OLD.EXE <R>\r\nLOAD C:\\NEW.EXE <R>\r\n"
                       "LOAD C:\\NEW.EXE <R>\r\n");
    fs::create_directories(dir / "Quorvel");
    const std::string user = dir.string() + "\\Quorvel\\QVRUN.INI";
    const std::string windows = dir.string() + "\\QVRUN.INI";
    std::ofstream(user, std::ios::binary) << "[Run Once A Day]\r\nC:\\MINE.EXE=\"20261209\"\r\n";
    std::ofstream(windows, std::ios::binary) << "[Run Once A Day]\r\nC:\\OLD.EXE=\"20261209\"\r\n";
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string local = variable("LOCALAPPDATA"), root = variable("SystemRoot");
    SetEnvironment("LOCALAPPDATA", dir.string());
    SetEnvironment("SystemRoot", dir.string());
    EXPECT_EQ(Run({qvc, "--at", "2026-12-09 09:00"}), ExitOk);
    SetEnvironment("LOCALAPPDATA", local);
    SetEnvironment("SystemRoot", root);
    std::remove(user.c_str());
    std::remove(windows.c_str());
    EXPECT_NE(LineOf(1).find("skipped: already run today"), std::string::npos) << out.str();
    EXPECT_NE(LineOf(2).find("skipped: already run today"), std::string::npos) << out.str();
    EXPECT_NE(LineOf(3).find("would start C:\\NEW.EXE"), std::string::npos) << out.str();
    EXPECT_NE(LineOf(4).find("skipped: already run today"), std::string::npos) << out.str();
}

TEST_F(WhatIf, EndsWithTheErrorReportAsTheDialogShowsIt) {
    const std::string qvc = Script("errors", "WAIT 3\r\nFROB\r\nRUN C:\\NO\\SUCH.QVC\r\n");
    EXPECT_EQ(Run({qvc}), ExitProblems);
    const std::string report =
        "An Error Has Occurred Whilst Processing the Script(s)\r\n"
        "Invalid Command (200) In Script File : " +
        qvc + "\r\n\t Line : 3 'FROB'\r\nRun Failed (201) In Script File : " + qvc +
        "\r\n\t Line : 4 'RUN C:\\NO\\SUCH.QVC'\r\n";
    ASSERT_GE(out.str().size(), report.size());
    EXPECT_EQ(out.str().substr(out.str().size() - report.size()), report);
    EXPECT_NE(LineOf(1).find("would wait 3 seconds"), std::string::npos) << out.str();

    EXPECT_EQ(Run({Script("clean", "WAIT 1\r\n")}), ExitOk);
    EXPECT_EQ(out.str().find("An Error Has Occurred"), std::string::npos);
}

TEST_F(WhatIf, PromptAnswersDecideWhatRuns) {
    const std::string qvc = Script("prompt", "PROMPT ON\r\nFROB\r\nWAIT 5\r\nSET A=1\r\n");
    EXPECT_EQ(Run({qvc, "--answer", "yes"}), ExitProblems);
    EXPECT_NE(LineOf(2).find("answered Yes; error: Invalid Command (200)"), std::string::npos)
        << out.str();
    EXPECT_NE(LineOf(4).find("would set A to 1"), std::string::npos) << out.str();

    EXPECT_EQ(Run({qvc, "--answer", "no"}), ExitOk);
    EXPECT_NE(LineOf(2).find("answered No: skipped"), std::string::npos) << out.str();

    // Cancel ends the run at once, without the error report.
    EXPECT_EQ(Run({qvc, "--answer", "cancel"}), ExitOk);
    EXPECT_NE(LineOf(2).find("answered Cancel"), std::string::npos) << out.str();
    EXPECT_EQ(LineOf(4), "(line 4 not printed)");
}

TEST_F(WhatIf, RunAndMenuEntriesFollowTheCalledScripts) {
    const std::string a = Script("a", "SET FROM=A\r\n");
    const std::string b = Script("b", "SET FROM=B\r\nFROB\r\n");
    const std::string menu =
        Script("menu", "MENU START\r\nMENU ITEM 1 First," + a + "\r\nMENU ITEM 2 Second," + b +
                           "\r\nMENU SHOW\r\nRUN " + a + "\r\n");
    EXPECT_EQ(Run({menu, "--menu", "2"}), ExitProblems);
    EXPECT_NE(out.str().find("would set FROM to B"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Invalid Command (200) In Script File : " + b), std::string::npos);
    EXPECT_NE(out.str().find("would run " + a + ", then return"), std::string::npos);

    EXPECT_EQ(Run({menu}), ExitOk);
    EXPECT_NE(out.str().find("would set FROM to A"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("would set FROM to B"), std::string::npos) << out.str();
}

TEST_F(WhatIf, BadCallsAreRefused) {
    const std::string qvc = Script("x", "WAIT 1\r\n");
    const std::vector<std::vector<std::string>> calls = {
        {},
        {qvc, "--at", "2026-13-01 10:00"},
        {qvc, "--at", "2026-02-29 10:00"},
        {qvc, "--at", "yesterday"},
        {qvc, "--answer", "maybe"},
        {qvc, "--menu", "0"},
        {qvc, "--user"},
        {qvc, "--frob"},
        {qvc, qvc},
    };
    for (const auto& call : calls) {
        EXPECT_EQ(Run(call), ExitUsage) << ::testing::PrintToString(call);
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(Run({(dir / "missing.qvc").string()}), ExitNoInput);
}

TEST_F(WhatIf, CommandsWithoutArgumentsRunThrough) {
    // Each keyword alone, as a damaged or half-written script may hold it.
    const std::string qvc =
        Script("bare", "LOAD AND WAIT\r\nLOAD \r\nRUN \r\nCOPY \r\nRENAME \r\nDEL \r\n"
                       "CONNECT \r\nCAPTURE \r\nSENDKEYS \r\nWAIT \r\nWAIT FOR WINDOW \r\n"
                       "DATE \r\nMENU ITEM \r\nMENU DEFAULT \r\nMENU SHOW\r\nSET \r\n"
                       "DESKTOP \r\nLOCATE \r\nCLOSE \r\nMINIMIZE \r\nPROMPT \r\nERROR \r\n");
    EXPECT_EQ(Run({qvc}), ExitProblems) << err.str();
    EXPECT_NE(out.str().find("An Error Has Occurred"), std::string::npos);
}

TEST_F(WhatIf, DamagedScriptEndsQuietly) {
    const std::string path = (dir / "bad.qvc").string();
    std::ofstream(path, std::ios::binary) << "not a script";
    EXPECT_EQ(Run({path}), ExitOk);
}

} // namespace
} // namespace qv
