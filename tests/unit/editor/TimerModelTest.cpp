#include "editor/core/TimerModel.h"
#include "DocumentFixture.h"

namespace qv::editor::testing {
namespace {

TEST(TimerModel, WritesSecondsWithOneDecimalAndNoLeadingZero) {
    struct Case {
        const char* tag;
        double value;
        const char* line;
    };
    const Case cases[] = {
        {"half a second", 0.5, "WAIT .5"},      {"the default", 1.0, "WAIT 1.0"},
        {"a half", 12.5, "WAIT 12.5"},          {"the most", 60.0, "WAIT 60.0"},
        {"below the range", 0.1, "WAIT .5"},    {"above the range", 90, "WAIT 60.0"},
        {"rounded to a half", 2.3, "WAIT 2.5"}, {"rounded down", 2.2, "WAIT 2.0"},
    };
    for (const Case& c : cases) {
        TimerModel model;
        model.SetValue(c.value);
        EXPECT_EQ(model.BuildLine(), c.line) << c.tag;
    }
    TimerModel model;
    EXPECT_EQ(model.BuildLine(), "WAIT 1.0");
    model.Down();
    model.Down();
    EXPECT_EQ(model.SecondsText(), ".5") << "the spin box stops at 0.5";
    model.SetValue(59.5);
    model.Up();
    model.Up();
    EXPECT_EQ(model.SecondsText(), "60.0") << "and at 60.0";
}

TEST(TimerModel, ReadsTheSecondsOfAWaitLine) {
    struct Case {
        const char* tag;
        const char* line;
        const char* seconds;
    };
    const Case cases[] = {
        {"wait", "WAIT 5", "5.0"},
        {"half", "WAIT .5", ".5"},
        {"wait for load", "WAIT FOR LOAD 12.5", "12.5"},
        {"lower case", "wait for load 3", "3.0"},
        {"not a number keeps the default", "WAIT soon", "1.0"},
        {"too long is held to the range", "WAIT 600", "60.0"},
        {"an exponent", "WAIT 1e1", "10.0"},
        {"a number beyond reading keeps the default", "WAIT 1e999", "1.0"},
    };
    for (const Case& c : cases) {
        TimerModel model;
        model.FromLine(c.line);
        EXPECT_EQ(model.SecondsText(), c.seconds) << c.tag;
    }
}

class TimerDocument : public DocumentFixture {};

TEST_F(TimerDocument, EditRestoresWaitForLoadWhereItBelongs) {
    Load({"WAIT FOR LOAD 5", "LOGOFF", "WAIT 3"});
    doc.RefreshLines();
    Select({0}, 0);
    TimerModel first;
    first.FromLine(doc.Rows()[0].Command);
    first.SetValue(7.5);
    first.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands()[0], "WAIT FOR LOAD 7.5");
    EXPECT_EQ(Titles()[0], "Wait For Load 7.5 sec(s)");

    Select({2}, 2);
    TimerModel later;
    later.FromLine(doc.Rows()[2].Command);
    later.SetValue(.5);
    later.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands()[2], "WAIT .5");
    EXPECT_EQ(Titles()[2], "Wait .5 sec(s)");
    EXPECT_TRUE(doc.State().Modified);

    Select({EndRow()}, EndRow());
    TimerModel add;
    add.SetValue(60);
    add.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(Commands().back(), "WAIT 60.0");
}

} // namespace
} // namespace qv::editor::testing
