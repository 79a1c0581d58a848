#include "interpreter/core/RunLog.h"
#include "RunnerFixture.h"

#include <sstream>

namespace qv::interp::testing {
namespace {

class MemorySink : public LogSink {
  public:
    void Append(const std::string& lines) override { text += lines; }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
            if (!line.empty())
                line.pop_back();
            // Without the time stamp ("2026-12-09 08:00:00.500 ").
            lines.push_back(line.size() > 24 ? line.substr(24) : line);
        }
        return lines;
    }
    std::string text;
};

class RunLogTest : public RunnerTest {
  protected:
    RunLogTest() : log(sink, host) { runner.SetObserver(&log); }
    MemorySink sink;
    RunLog log;
};

TEST_F(RunLogTest, HoldsScriptsCommandsOutcomesDurationsAndEntries) {
    services.addConnectionResult = 1222; // ERROR_NO_NETWORK
    log.RunStarted("");
    StartWith({"NO F5", "WAIT 1", "FROB", "CONNECT {x:} [\\\\srv\\share]",
               "LOAD C:\\APPS\\A.EXE (00000001)", "LOAD C:\\APPS\\B.EXE -q"});
    ASSERT_TRUE(host.RunUntilEnded());
    const std::vector<std::string> lines = sink.Lines();
    const std::string script = CommonPath;
    const std::vector<std::string> expected = {
        "run started at logon",
        "script " + script,
        // The leading configuration line runs at start-up, before the first tick.
        script + " line 1: NO F5 (0 ms)",
        script + " line 2: WAIT 1 (0 ms)",
        script + " line 3: FROB (0 ms)",
        "error entry: Invalid Command (200) In Script File : " + script + " Line : 4 'FROB'",
        script + " line 4: CONNECT {x:} [\\\\srv\\share] -> failed: code 1222: " +
            logic::ErrorText(1222) + " (0 ms)",
        "error entry: Unable to Connect (201) In Script File : " + script +
            " Line : 5 'CONNECT {x:} [\\\\srv\\share]'",
        script +
            " line 5: LOAD C:\\APPS\\A.EXE (00000001) -> skipped: outside 00:00 to 00:01 (0 ms)",
        script + " line 6: LOAD C:\\APPS\\B.EXE -q -> outcome: opened (0 ms)",
        "run ended; the Error Log was shown",
    };
    EXPECT_EQ(lines, expected) << sink.text;
}

// Keys are where passwords are typed: the log names the window and counts the keys, in the line
// and in the entry of a faulty key text alike. The Error Log quotes the line as written.
TEST_F(RunLogTest, SendKeysLinesShowTheWindowAndTheNumberOfKeysNeverTheKeys) {
    services.AddWindow("Bank Logon");
    const std::string typed = "SENDKEYS \"Bank\",\"S3cr3t~x{ENTER}\"";
    const std::string faulty = "SENDKEYS \"bank\",\"hunter2{ENTERX}\"";
    StartWith({typed, faulty});
    ASSERT_TRUE(host.RunUntilEnded());
    const std::string script = CommonPath;
    const std::vector<std::string> expected = {
        "script " + script,
        script + " line 1: SENDKEYS \"Bank\", 8 keys (0 ms)",
        script + " line 2: SENDKEYS \"bank\", 7 keys (0 ms)",
        "error entry: Invalid token In Script File : " + script +
            " Line : 3 'SENDKEYS \"bank\", 7 keys'",
        "run ended; the Error Log was shown",
    };
    EXPECT_EQ(sink.Lines(), expected) << sink.text;
    for (const char* secret : {"S3cr3t", "hunter2"})
        EXPECT_EQ(sink.text.find(secret), std::string::npos) << sink.text;
    ASSERT_EQ(host.errorLogs.size(), 1u);
    EXPECT_NE(host.errorLogs[0].find(faulty), std::string::npos);
}

// A record that does not stick would start the program at every logon: the log says so.
TEST_F(RunLogTest, ARunOnceRecordThatCannotBeWrittenIsSaid) {
    services.iniWritable = false;
    StartWith({"LOAD C:\\DAILY.EXE <R>"});
    ASSERT_TRUE(host.RunUntilEnded());
    EXPECT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(sink.Lines()[1],
              std::string(CommonPath) +
                  " line 1: LOAD C:\\DAILY.EXE <R> -> failed: the run-once record could not be "
                  "written to C:\\USERS\\ALICE\\APPDATA\\LOCAL\\QUORVEL\\QVRUN.INI: the "
                  "program will start again at the next logon; outcome: started (0 ms)");
    EXPECT_TRUE(host.errorLogs.empty());
}

// A date or shutdown refused for lack of the privilege, or by Windows, is said in the run log;
// the Error Log stays silent.
TEST_F(RunLogTest, ADateOrShutdownThatWindowsRefusesIsSaidInTheLogOnly) {
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held);
        FakeHost h;
        FakeServices s(h);
        Runner r(h.Ports(), s.Ports());
        h.Attach(r);
        MemorySink lines;
        RunLog runLog(lines, h);
        r.SetObserver(&runLog);
        s.privilegesHeld = held;
        s.systemRefuses = true;
        h.AddScript(CommonPath, {"DATE 01/01/2027", "SHUTDOWN"});
        r.FormCreate(std::nullopt);
        ASSERT_TRUE(h.RunUntilEnded());
        const std::string script = CommonPath;
        const std::vector<std::string> expected = {
            "script " + script,
            script + " line 1: DATE 01/01/2027 -> failed: " +
                (held ? "Windows refused to set the date"
                      : "the user does not hold SeSystemtimePrivilege to set the date") +
                " (0 ms)",
            script + " line 2: SHUTDOWN -> failed: " +
                (held ? "Windows refused to end the session"
                      : "the user does not hold SeShutdownPrivilege to end the session") +
                " (0 ms)",
            "run ended",
        };
        EXPECT_EQ(lines.Lines(), expected) << lines.text;
        EXPECT_TRUE(h.errorLogs.empty());
        r.SetObserver(nullptr);
    }
}

TEST_F(RunLogTest, LinesStayWholeWhateverTheScriptHolds) {
    StartWith({"FROB\tWITH TAB", "SET A=1"});
    ASSERT_TRUE(host.RunUntilEnded());
    for (const std::string& line : sink.Lines())
        EXPECT_EQ(line.find_first_of("\t\n"), std::string::npos) << line;
}

} // namespace
} // namespace qv::interp::testing
