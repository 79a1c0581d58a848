#include "editor/core/DateModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"
#include "interpreter/logic/CtlDate.h"

namespace qv::editor::testing {
namespace {

using logic::CivilDate;

TEST(DateModel, WritesTheDateInTheMachinesShortFormat) {
    struct Case {
        const char* tag;
        const char* format;
        CivilDate date;
        const char* text;
    };
    const Case cases[] = {
        {"day first", "dd/MM/yyyy", {2026, 3, 7}, "07/03/2026"},
        {"month first without zeros", "M/d/yyyy", {2026, 3, 7}, "3/7/2026"},
        {"dots", "dd.MM.yyyy", {1999, 12, 31}, "31.12.1999"},
        {"year first", "yyyy-MM-dd", {2026, 12, 10}, "2026-12-10"},
        {"two-digit year", "d/M/yy", {2005, 1, 2}, "2/1/05"},
        {"a month name is written as its number", "dd-MMM-yyyy", {2026, 3, 7}, "07-03-2026"},
    };
    for (const Case& c : cases) {
        const std::string text = FormatShortDate(c.date, c.format);
        EXPECT_EQ(text, c.text) << c.tag;
        EXPECT_EQ(logic::ParseShortDate(text, c.format, 2026), c.date)
            << c.tag << ": the interpreter reads it back";
    }
}

TEST(DateModel, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        const char* format;
        const char* line;
        bool today;
        CivilDate date;
        const char* rebuilt;
    };
    const Case cases[] = {
        {"today", "dd/MM/yyyy", "DATE TODAY", true, {2026, 12, 10}, "DATE TODAY"},
        {"today in lower case", "dd/MM/yyyy", "date today", true, {2026, 12, 10}, "DATE TODAY"},
        {"day first", "dd/MM/yyyy", "DATE 07/03/2026", false, {2026, 3, 7}, "DATE 07/03/2026"},
        {"month first", "M/d/yyyy", "DATE 3/7/2026", false, {2026, 3, 7}, "DATE 3/7/2026"},
        {"one digit read in a two-digit format",
         "dd/MM/yyyy",
         "DATE 7/3/2026",
         false,
         {2026, 3, 7},
         "DATE 07/03/2026"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        host.shortDateFormat = c.format;
        DateModel model(host);
        EXPECT_FALSE(model.FromLine(c.line)) << c.tag;
        EXPECT_EQ(model.chkToday, c.today) << c.tag;
        EXPECT_EQ(model.Calendar1, c.date) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.rebuilt) << c.tag;
    }
}

TEST(DateModel, ALineThatIsNoDateCannotBeOpened) {
    FakeDialogHost host;
    for (const char* line : {"DATE 31/04/2026", "DATE tomorrow", "DATE ", "DATE 2026-12-10"}) {
        DateModel model(host);
        const std::optional<std::string> message = model.FromLine(line);
        ASSERT_TRUE(message) << line;
        EXPECT_NE(message->find("is not a valid date"), std::string::npos) << line;
    }
}

TEST(DateModel, ButtonsMoveTheCalendarAndWrap) {
    FakeDialogHost host;
    host.today = {2026, 1, 31};
    DateModel model(host);
    EXPECT_EQ(model.Label1(), "January 2026");
    model.chkTodayClick(true);
    model.cmdMonDnClick();
    EXPECT_EQ(model.Calendar1, (CivilDate{2025, 12, 31}));
    EXPECT_EQ(model.Label1(), "December 2025");
    EXPECT_FALSE(model.chkToday) << "a change of the calendar unchecks Goto Today";
    model.cmdMonUpClick();
    model.cmdMonUpClick();
    EXPECT_EQ(model.Calendar1, (CivilDate{2026, 2, 28})) << "the day is held to the month";
    model.cmdYearDnClick();
    EXPECT_EQ(model.Label1(), "February 2025");
    model.cmdYearUpClick();
    model.cmdYearUpClick();
    EXPECT_EQ(model.Calendar1, (CivilDate{2027, 2, 28}));
    model.Calendar1Change({2024, 2, 29});
    model.cmdYearUpClick();
    EXPECT_EQ(model.Calendar1, (CivilDate{2025, 2, 28}));
    model.Calendar1Change({9999, 12, 1});
    model.cmdMonUpClick();
    EXPECT_EQ(model.Calendar1.year, 9999) << "the system clock's last year";
}

class DateDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(DateDocument, EditWritesTheTitle) {
    Load({"DATE TODAY"});
    Select({0}, 0);
    DateModel model(dialogHost);
    ASSERT_FALSE(model.FromLine(doc.Rows()[0].Command));
    model.Calendar1Change({2026, 3, 7});
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"DATE 07/03/2026"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Date 07/03/2026"}));
    model.chkTodayClick(true);
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"DATE TODAY"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Date Today"}));
}

} // namespace
} // namespace qv::editor::testing
