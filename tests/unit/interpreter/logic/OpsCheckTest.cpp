#include "interpreter/logic/OpsCheck.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(OpsCheck, ReportsTheArgumentErrorsOfItsFamilies) {
    struct Case {
        const char* line;
        const char* message; // nullptr: no problem
    };
    const Case cases[] = {
        {"LOAD C:\\A.EXE (08001700) <R>", nullptr},
        {"LOAD C:\\A.EXE (08002500)",
         "time window (08002500) is not two times of day (HHMMHHMM): the program is never started"},
        {"LOAD C:\\A.EXE (0800170)",
         "\"(0800170)\" is not a time window (eight digits HHMMHHMM): it is read as part of the "
         "path"},
        {"load and wait c:\\a.exe (0800-1700)",
         "\"(0800-1700)\" is not a time window (eight digits HHMMHHMM): it is read as part of the "
         "path"},
        {"LOAD C:\\A.EXE [MINIMIZED]",
         "\"[MINIMIZED]\" is not a window state ([MIN], [MAX] or [HIDE]): it is read as part of "
         "the path"},
        {"LOAD C:\\A.EXE <MON>", "\"<MON>\" are not conditions (R and week days 1 to 7): they are "
                                 "read as part of the path"},
        {"LOAD C:\\A.EXE [MIN] (8:00)",
         "\"(\" after the path opens no time window (eight digits HHMMHHMM) and is ignored"},
        {"LOAD C:\\A.EXE {/q", "\"{\" has no closing \"}\": the program gets no parameters"},
        {"LOAD C:\\PROGRAM FILES (X86)\\A.EXE", nullptr},
        {"LOAD \"C:\\ODD (NAME)\" [MAX]", nullptr},
        {"SENDKEYS \"Setup\",\"y{ENTER}\"", nullptr},
        {"SENDKEYS \"Setup\",\"{ENTERX}\"", "Invalid token"},
        {"sendkeys \"Setup\",\"{ENTER\"", "No Closing brackets"},
        {"COPY c:\\a>d:\\b /ON", nullptr},
        {"COPY c:\\a d:\\b", "COPY needs \">\" between its source and destination"},
        {"RENAME a.txt b.txt", "RENAME needs \">\" between its source and destination"},
        {"CONNECT {F:} [\\\\server\\data]", nullptr},
        {"CONNECT F: \\\\server\\data", "CONNECT needs its local name between { and }"},
        {"CAPTURE {LPT1}", "CAPTURE needs its network name between [ and ]"},
        {"CAPTURE }LPT1{ [\\\\s\\p]", "CAPTURE needs its local name between { and }"},
        {"DEL c:\\temp\\*.tmp", nullptr},
        {"WAIT X", nullptr},
        {"NONSENSE", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> message = CheckOpsLine(c.line);
        if (c.message)
            EXPECT_EQ(message, c.message) << c.line;
        else
            EXPECT_FALSE(message) << c.line << ": " << *message;
    }
}

} // namespace
} // namespace qv::logic
