#include "interpreter/logic/CtlCheck.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(CheckControlLine, FindsTheArgumentErrors) {
    struct Case {
        const char* line;
        const char* message; // nullptr: no problem
    };
    const Case cases[] = {
        {"WAIT 5", nullptr},
        {"WAIT .5", nullptr},
        {"wait five", "Invalid Command (200): WAIT needs a number of seconds"},
        {"WAIT FOR LOAD 20", nullptr},
        {"WAIT FOR LOAD 2,5", "Invalid Command (200): WAIT FOR LOAD needs a number of seconds"},
        {"WAIT FOR WINDOW Notepad", nullptr},
        {"WAIT FOR WINDOW", "Invalid Command (200): WAIT needs a number of seconds"},
        {"LOCATE TOP RIGHT", nullptr},
        {"LOCATE MINIMIZE", nullptr},
        {"LOCATE SOMEWHERE", "Invalid Command (200): LOCATE needs a position word (TOP LEFT, TOP "
                             "CENTER, CENTER, CENTER LEFT, BOTTOM RIGHT, ...) or MINI, HIDE or "
                             "SHOW"},
        {"MENU ITEM 3 Accounts,c:\\acct.qvc", nullptr},
        {"MENU ITEM 0 Zero,z.qvc", "MENU ITEM needs an item number from 1 to 9: the line defines "
                                   "no menu entry"},
        {"MENU ITEM 10 Ten,t.qvc", "MENU ITEM needs an item number from 1 to 9: the line defines "
                                   "no menu entry"},
        {"MENU DEFAULT 10", nullptr},
        {"MENU DEFAULT 1.5", "Invalid Command (200): MENU DEFAULT needs a whole number of seconds"},
        {"DATE TODAY", nullptr},
        {"DATE 31/12/1998", nullptr},
        {"DATE 12/31/1998", nullptr},
        {"DATE 31.12.1998", nullptr},
        {"DATE 1998-12-31", nullptr},
        {"DATE 31/31/1998", "Invalid Command (200): DATE needs TODAY or a date in the short date "
                            "format"},
        {"DATE yesterday", "Invalid Command (200): DATE needs TODAY or a date in the short date "
                           "format"},
        // Other commands and unknown lines are not this check's business.
        {"LOAD C:\\WINDOWS\\NOTEPAD.EXE", nullptr},
        {"NO F5", nullptr},
        {"BOGUS", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> problem = CheckControlLine(c.line);
        if (c.message)
            EXPECT_EQ(problem, std::string(c.message)) << c.line;
        else
            EXPECT_EQ(problem, std::nullopt) << c.line;
    }
}

TEST(CheckControlLine, DatesFollowTheGivenFormats) {
    ControlCheckOptions options;
    options.shortDateFormats = {"M/d/yyyy"};
    EXPECT_EQ(CheckControlLine("DATE 12/31/1998", options), std::nullopt);
    EXPECT_NE(CheckControlLine("DATE 31/12/1998", options), std::nullopt);
}

} // namespace
} // namespace qv::logic
