#include "tools/qvtool/Commands.h"

#include "language/CompiledScript.h"
#include "language/Diamond.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qv {
namespace {

namespace fs = std::filesystem;

class QvTool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qvtool-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunQvTool(args, out, err);
    }

    fs::path dir;
    std::ostringstream out, err;
};

TEST_F(QvTool, CompileThenDecompileGivesTheSourceLines) {
    const std::string src = Write(
        "office.qvs", "WAIT 5\r\nSwitches : 1\r\n\r\nLOAD c:\\tools\\app.exe [min]\r\n; end\r\n");
    ASSERT_EQ(Run({"compile", src}), ExitOk) << err.str();
    const std::string qvc = (dir / "office.qvc").string();
    const std::string file = Read(qvc);
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file.substr(file.size() - 3), ".\r\n");
    EXPECT_EQ(file.find('\n'), file.size() - 1);

    ASSERT_EQ(Run({"decompile", qvc}), ExitOk) << err.str();
    EXPECT_EQ(out.str(), "WAIT 5\n\nLOAD c:\\tools\\app.exe [min]\n; end\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(QvTool, CompileWritesToTheGivenOutputAndReplacesIt) {
    const std::string src = Write("a.qvs", "RUN x.qvc");
    const std::string target = Write("target.qvc", "old contents");
    ASSERT_EQ(Run({"compile", src, "-o", target}), ExitOk);
    ASSERT_EQ(Run({"decompile", target}), ExitOk);
    EXPECT_EQ(out.str(), "RUN x.qvc\n");
    EXPECT_FALSE(fs::exists(dir / "a.qvc"));
}

TEST_F(QvTool, DecompileReadsTheOlderScrambledForm) {
    // Key character 1: every character is one code higher, last character first.
    std::string plain = " - 0~;~Dev2378~;~Ver@0001~;~~:~WAIT 2~:~";
    std::string line = "\x01";
    for (auto c = plain.rbegin(); c != plain.rend(); ++c)
        line += static_cast<char>(*c + 1);
    ASSERT_EQ(Run({"decompile", Write("old.qvc", line + "\r\n")}), ExitOk) << err.str();
    EXPECT_EQ(out.str(), "WAIT 2\n");
}

TEST_F(QvTool, DecompileRejectsDamagedAndNewerFiles) {
    EXPECT_EQ(Run({"decompile", Write("empty.qvc", "")}), ExitInvalidFile);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("not a valid compiled script"), std::string::npos);
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1);

    EXPECT_EQ(Run({"decompile", Write("junk.qvc", "Pbcd.\r\nmore\r\n")}), ExitInvalidFile);

    const TDiamond cipher(ScriptKey);
    const std::string newer =
        EncodeText(cipher.EncryptString(" - 0~;~Dev2378~;~Ver@0003~;~~:~WAIT 1~:~", 0));
    EXPECT_EQ(Run({"decompile", Write("newer.qvc", newer + "\r\n")}), ExitNewerVersion);
    EXPECT_EQ(err.str(), std::string(NewerVersionMessage) + "\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(QvTool, CheckReportsInvalidCommandsWithSourceLineNumbers) {
    const std::string src = Write("s.qvs", "WAIT 5\n   ;not a comment\nREMOVE.BAT\n   \nFROB x\n"
                                           "LOCATE SOMEWHERE\nLOCATE top right\nSwitches : 1\n"
                                           "wait for window Notepad\n");
    EXPECT_EQ(Run({"check", src}), ExitProblems);
    EXPECT_EQ(out.str(), src + ":2: Invalid Command (200): ';not a comment'\n" + src +
                             ":5: Invalid Command (200): 'FROB x'\n" + src +
                             ":6: Invalid Command (200): 'LOCATE SOMEWHERE'\n");
    EXPECT_EQ(
        Run({"check", Write("ok.qvs", "WAIT 5\r\nSHUTDOWNNOW\r\nMENU ITEM 3 Mail,m.qvc\r\n")}),
        ExitOk);
    EXPECT_EQ(out.str(), "");
}

TEST_F(QvTool, CheckReportsArgumentErrorsOfCommands) {
    const std::string src =
        Write("args.qvs", "WAIT soon\nMENU ITEM 0 Mail,m.qvc\nMENU DEFAULT 2.5\n"
                          "DATE 31/02/2026\nLOCATE LEFTISH\nWAIT FOR LOAD 10\n"
                          "LOAD c:\\a.exe (0900x700)\nCOPY a.txt b.txt\n"
                          "RENAME a.txt\nCONNECT [\\\\srv\\share]\n"
                          "SENDKEYS Notepad,{NOSUCHKEY}\n");
    EXPECT_EQ(Run({"check", src}), ExitProblems);
    std::vector<std::string> lines;
    std::istringstream text(out.str());
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 10u) << out.str();
    const char* expectedEnds[] = {"'WAIT soon'",
                                  "'MENU ITEM 0 Mail,m.qvc'",
                                  "'MENU DEFAULT 2.5'",
                                  "'DATE 31/02/2026'",
                                  "'LOCATE LEFTISH'",
                                  "",
                                  "'LOAD c:\\a.exe (0900x700)'",
                                  "'COPY a.txt b.txt'",
                                  "'RENAME a.txt'",
                                  "'CONNECT [\\\\srv\\share]'",
                                  "'SENDKEYS Notepad,{NOSUCHKEY}'"};
    // The good WAIT FOR LOAD line (6) is not reported; the argument errors of the first five
    // are invalid commands to the interpreter, but for the MENU ITEM (2), which defines nothing.
    for (std::size_t i = 0, sourceLine = 1; i < lines.size(); ++i, ++sourceLine) {
        if (sourceLine == 6)
            ++sourceLine;
        const std::string prefix = src + ":" + std::to_string(sourceLine) + ": ";
        EXPECT_EQ(lines[i].rfind(prefix, 0), 0u) << lines[i];
        if (sourceLine < 6 && sourceLine != 2) {
            EXPECT_EQ(lines[i].rfind(prefix + "Invalid Command (200)", 0), 0u) << lines[i];
        }
        EXPECT_NE(lines[i].find(expectedEnds[sourceLine - 1]), std::string::npos) << lines[i];
    }
}

TEST_F(QvTool, BadCallsGiveAClearMessageAndNoCrash) {
    struct Case {
        std::vector<std::string> args;
        int code;
    };
    const std::string missing = (dir / "missing.qvs").string();
    const Case cases[] = {
        {{}, ExitUsage},
        {{"frobnicate"}, ExitUsage},
        {{"compile"}, ExitUsage},
        {{"compile", "a.qvs", "-o"}, ExitUsage},
        {{"compile", "a.qvs", "--fast"}, ExitUsage},
        {{"compile", "a.qvs", "b.qvs"}, ExitUsage},
        {{"decompile"}, ExitUsage},
        {{"decompile", "a", "b"}, ExitUsage},
        {{"check", "-x"}, ExitUsage},
        {{"compile", missing}, ExitNoInput},
        {{"decompile", missing}, ExitNoInput},
        {{"check", missing}, ExitNoInput},
        {{"compile", Write("a.qvs", "WAIT 1"), "-o", (dir / "no/such/dir/a.qvc").string()},
         ExitCannotWrite},
        {{"decompile", dir.string()}, ExitNoInput},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.code) << ::testing::PrintToString(c.args);
        EXPECT_FALSE(err.str().empty()) << ::testing::PrintToString(c.args);
    }
}

} // namespace
} // namespace qv
