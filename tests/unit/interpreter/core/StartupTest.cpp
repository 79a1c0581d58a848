#include "RunnerFixture.h"

#include "language/CompiledScript.h"
#include "language/Diamond.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

constexpr const char* CommonProgram = "C:\\QV\\Common.QVC";
constexpr const char* ComputerProgram = "C:\\QV\\PC1.QVC";
constexpr const char* ComputerWindows = "C:\\WINDOWS\\PC1.QVC";
constexpr const char* UserProgram = "C:\\QV\\alice.QVC";
constexpr const char* UserWindows = "C:\\WINDOWS\\alice.QVC";

// The scripts quoted in the report, in order: each test script holds one invalid line.
std::vector<std::string> ScriptsRun(const std::string& report) {
    std::vector<std::string> scripts;
    const std::string marker = "Invalid Command (200) In Script File : ";
    for (std::size_t at = report.find(marker); at != std::string::npos;
         at = report.find(marker, at + 1)) {
        const std::size_t start = at + marker.size();
        scripts.push_back(report.substr(start, report.find("\r\n", start) - start));
    }
    return scripts;
}

struct SelectionCase {
    const char* name;
    std::vector<std::string> present;
    std::vector<std::string> expectedRun;
};

class ScriptSelectionTest : public RunnerTest,
                            public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(ScriptSelectionTest, RunsTheScriptsThatApplyInOrder) {
    for (const std::string& path : GetParam().present)
        host.AddScript(path, {"BOGUS"});
    runner.FormCreate(std::nullopt);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(ScriptsRun(runner.State().ErrorReport), GetParam().expectedRun);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, ScriptSelectionTest,
    ::testing::Values(
        SelectionCase{"CommonComputerUser",
                      {CommonPath, ComputerProgram, UserWindows},
                      {CommonPath, ComputerProgram, UserWindows}},
        SelectionCase{
            "ProgramFolderComputerWins", {ComputerWindows, ComputerProgram}, {ComputerProgram}},
        SelectionCase{"WindowsFolderCommonFirst", {CommonProgram, CommonPath}, {CommonPath}},
        SelectionCase{
            "ProgramFolderCommon", {CommonProgram, UserProgram}, {CommonProgram, UserProgram}},
        SelectionCase{"ComputerThenUser",
                      {ComputerWindows, UserProgram, UserWindows},
                      {ComputerWindows, UserProgram}},
        SelectionCase{"UserOnlyRunsOnce", {UserProgram}, {UserProgram}}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

TEST_F(RunnerTest, NextScriptStepShowsItsTexts) {
    host.AddScript(CommonPath, {"ERROR ON"});
    host.AddScript(ComputerProgram, {"ERROR ON"});
    runner.FormCreate(std::nullopt);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_TRUE(StatusSeen("Checking for a File for\rComputer Name : PC1"));
    EXPECT_TRUE(StatusSeen("File Found for PC1\rRunning Script Now..."));
    EXPECT_TRUE(StatusSeen("Checking for a File for\rUser Name : alice"));
    EXPECT_FALSE(StatusSeen("File Found for alice\rRunning Script Now..."));
    EXPECT_TRUE(host.errorLogs.empty());
}

TEST_F(RunnerTest, NextScriptStartsHalfASecondAfterTheStep) {
    host.AddScript(CommonPath, {"ERROR ON"});
    host.AddScript(ComputerProgram, {"BOGUS"});
    runner.FormCreate(std::nullopt);
    host.Advance(500);
    EXPECT_EQ(runner.State().CurrentScript, ComputerProgram);
    EXPECT_EQ(runner.State().ErrorReport, "");
    host.Advance(500);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(ComputerProgram, 2, "BOGUS"));
}

TEST_F(RunnerTest, ACommandLineScriptRunsAlone) {
    host.AddScript(CommonPath, {"BOGUS"});
    host.AddScript(ComputerProgram, {"BOGUS"});
    host.AddScript("D:\\ONE.QVC", {"BOGUS"});
    runner.FormCreate(std::string("D:\\ONE.QVC"));
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(ScriptsRun(runner.State().ErrorReport), std::vector<std::string>{"D:\\ONE.QVC"});
    EXPECT_FALSE(StatusSeen("Checking for a File for\rComputer Name : PC1"));
}

TEST_F(RunnerTest, AMissingCommandLineScriptIsReportedAndEndsTheApplication) {
    host.AddScript(CommonPath, {"BOGUS"});
    host.messageBoxAnswers = {IdOk};
    runner.FormCreate(std::string("D:\\GONE.QVC"));
    EXPECT_TRUE(host.terminated);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "The Script you tried to run doesn't Exist");
    EXPECT_EQ(host.messageBoxes[0].title, "Quorvel");
    EXPECT_EQ(host.messageBoxes[0].flags, 0x1010u);
    EXPECT_EQ(host.showCentredCalls, 0);
}

TEST_F(RunnerTest, AFolderNamedOnTheCommandLineIsNoScript) {
    host.AddFolder("D:\\SCRIPTS.QVC");
    host.messageBoxAnswers = {IdOk};
    runner.FormCreate(std::string("D:\\SCRIPTS.QVC"));
    EXPECT_TRUE(host.terminated);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "The Script you tried to run doesn't Exist");
}

TEST_F(RunnerTest, AFolderNamedLikeAScriptDoesNotHideTheRealOne) {
    host.AddFolder(CommonPath);
    host.AddFolder(ComputerProgram);
    host.AddScript(CommonProgram, {"BOGUS"});
    host.AddScript(ComputerWindows, {"BOGUS"});
    runner.FormCreate(std::nullopt);
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(ScriptsRun(runner.State().ErrorReport),
              (std::vector<std::string>{CommonProgram, ComputerWindows}));
}

TEST_F(RunnerTest, NoScriptAtAllEndsSilently) {
    runner.FormCreate(std::nullopt);
    EXPECT_TRUE(host.terminated);
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(host.showCentredCalls, 0);
}

TEST_F(RunnerTest, HeaderOnlyScriptShowsTheWindowAndEndsAtTheFirstTick) {
    StartWith({});
    EXPECT_EQ(host.showCentredCalls, 1);
    EXPECT_TRUE(host.armed[static_cast<int>(TimerId::WaitTimer)]);
    host.Advance(499);
    EXPECT_FALSE(host.terminated);
    host.Advance(1);
    EXPECT_TRUE(host.terminated);
    EXPECT_TRUE(host.errorLogs.empty());
}

TEST_F(RunnerTest, LeadingConfigurationLinesActBeforeTheWindowCouldShow) {
    StartWith({"NO F5", "LOCATE HIDE", "BOGUS"});
    EXPECT_EQ(host.showCentredCalls, 0);
    EXPECT_FALSE(host.visible);
    EXPECT_FALSE(runner.Controls().CancelEnabled);
    EXPECT_EQ(runner.State().NextLine, 3);
    ASSERT_TRUE(host.RunUntilEnded());
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_EQ(host.errorLogs[0], ErrorLogHeading + Invalid(CommonPath, 4, "BOGUS"));
}

TEST_F(RunnerTest, ANewerScriptVersionIsRefusedWithAMessage) {
    const TDiamond cipher(ScriptKey);
    const std::string plain = " - 0~;~Dev2378~;~Ver@0003~;~~:~BOGUS~:~";
    host.AddFile(CommonPath, EncodeText(cipher.EncryptString(plain)) + "\r\n");
    host.messageBoxAnswers = {IdOk};
    runner.FormCreate(std::nullopt);
    EXPECT_TRUE(host.terminated);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, NewerVersionMessage);
    EXPECT_EQ(host.messageBoxes[0].title, "Quorvel");
    EXPECT_EQ(host.messageBoxes[0].flags, 0x10u);
    EXPECT_EQ(host.showCentredCalls, 0);
}

TEST_F(RunnerTest, DamagedScriptsEndTheApplicationSilently) {
    const TDiamond cipher(ScriptKey);
    std::string compiled = CompileScriptText({"BOGUS", "ERROR ON"}, cipher);
    std::string flipped = compiled;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] == 'A' ? 'B' : 'A';
    const std::vector<std::string> damaged = {"",
                                              "garbage",
                                              compiled.substr(0, compiled.size() / 2),
                                              flipped,
                                              std::string(4096, '\0'),
                                              "Dev2378~:~BOGUS"};
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(bytes.substr(0, 40));
        FakeHost h;
        Runner r(h.Ports());
        h.Attach(r);
        h.AddFile(CommonPath, bytes);
        r.FormCreate(std::nullopt);
        h.RunUntilEnded(5000);
        EXPECT_TRUE(h.terminated);
        EXPECT_TRUE(h.messageBoxes.empty());
        EXPECT_TRUE(h.errorLogs.empty());
        EXPECT_EQ(h.callsAfterTerminate, 0);
    }
}

TEST_F(RunnerTest, AHundredThousandLinesRunInOneTick) {
    std::vector<std::string> lines(100000, "ERROR ON");
    lines.push_back("BOGUS");
    StartWith(lines);
    host.Advance(500);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport, Invalid(CommonPath, 100002, "BOGUS"));
}

TEST_F(RunnerTest, AOneMegabyteLineIsReportedLikeAnyOther) {
    const std::string longLine = "BOGUS" + std::string(1 << 20, 'x');
    StartWith({longLine, "LOCATE " + std::string(1 << 20, 'y')});
    host.Advance(500);
    EXPECT_TRUE(host.terminated);
    EXPECT_EQ(runner.State().ErrorReport.substr(0, Invalid(CommonPath, 2, longLine).size()),
              Invalid(CommonPath, 2, longLine));
}

} // namespace
} // namespace qv::interp::testing
