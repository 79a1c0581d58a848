#include "interpreter/logic/CtlSet.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(SetLine, SplitsAtTheFirstEqualsSignKeepingTheText) {
    struct Case {
        const char* line;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"SET TEMP=C:\\TMP", "TEMP", "C:\\TMP"},
        {"set Path=C:\\A;C:\\B", "Path", "C:\\A;C:\\B"},
        {"SET A=B=C", "A", "B=C"},
        {"SET NAME = value ", "NAME ", " value "},
        {"SET EMPTY=", "EMPTY", ""},
        // Without "=" the name is empty and the system call fails quietly.
        {"SET JUSTTEXT", "", "JUSTTEXT"},
    };
    for (const Case& c : cases) {
        const SetRequest request = ReadSetLine(c.line);
        EXPECT_EQ(request.name, c.name) << c.line;
        EXPECT_EQ(request.value, c.value) << c.line;
    }
}

TEST(SetLine, StatusTextShowsTheArgumentAsWritten) {
    EXPECT_EQ(ReadSetLine("SET TEMP=c:\\tmp").statusText,
              "Setting Environment Variable TEMP=c:\\tmp\rFunction Not Fully Tested!");
}

} // namespace
} // namespace qv::logic
