#include "interpreter/logic/CtlDate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qv::logic {
namespace {

std::string Show(const DateAndTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d w%d", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, t.millisecond, t.dayOfWeek);
    return text;
}

DateAndTime At(int year, int month, int day, int hour, int minute, int second = 0,
               int millisecond = 0) {
    DateAndTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.millisecond = millisecond;
    t.dayOfWeek = CivilDayOfWeek({year, month, day});
    return t;
}

struct ParseCase {
    const char* text;
    const char* format;
    std::optional<CivilDate> expected;
};

class ShortDate : public testing::TestWithParam<ParseCase> {};

TEST_P(ShortDate, ReadsInTheFormatsOrder) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseShortDate(c.text, c.format, 2026), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ShortDate,
    testing::Values(ParseCase{"01/02/1998", "dd/MM/yyyy", CivilDate{1998, 2, 1}},
                    ParseCase{"01/02/1998", "M/d/yyyy", CivilDate{1998, 1, 2}},
                    ParseCase{"1998-02-01", "yyyy-MM-dd", CivilDate{1998, 2, 1}},
                    ParseCase{"1.2.1998", "d.M.yyyy", CivilDate{1998, 2, 1}},
                    ParseCase{" 1 / 2 / 1998 ", "dd/MM/yyyy", CivilDate{1998, 2, 1}},
                    ParseCase{"2026. 03. 09.", "yyyy. MM. dd.", CivilDate{2026, 3, 9}},
                    // Two-digit years fall within 50 years of the reference year 2026.
                    ParseCase{"01/01/98", "dd/MM/yy", CivilDate{1998, 1, 1}},
                    ParseCase{"01/01/75", "dd/MM/yy", CivilDate{2075, 1, 1}},
                    ParseCase{"01/01/76", "dd/MM/yy", CivilDate{1976, 1, 1}},
                    ParseCase{"29/02/2000", "dd/MM/yyyy", CivilDate{2000, 2, 29}},
                    ParseCase{"31/12/9999", "dd/MM/yyyy", CivilDate{9999, 12, 31}},
                    // Not dates.
                    ParseCase{"29/02/1900", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"31/04/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"13/13/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"00/01/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01/13/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01/01/1600", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01/01/10000", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01/01", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01/01/2026/5", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01-01-2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"1/Jan/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"+1/01/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"001/01/2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"01//2026", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"", "dd/MM/yyyy", std::nullopt},
                    ParseCase{"TOMORROW", "dd/MM/yyyy", std::nullopt},
                    // A format that lacks the year cannot read a whole date.
                    ParseCase{"01/02", "dd/MM", std::nullopt}));

TEST(DateLine, TodayIsTheStartMomentsDateInAnyCase) {
    const DateAndTime start = At(2026, 12, 9, 23, 50);
    for (const char* line : {"DATE TODAY", "date today", "DATE Today"})
        EXPECT_EQ(DateLineTarget(line, "dd/MM/yyyy", start), (CivilDate{2026, 12, 9})) << line;
    EXPECT_EQ(DateLineTarget("DATE  TODAY", "dd/MM/yyyy", start), std::nullopt);
    EXPECT_EQ(DateLineTarget("DATE TODAY!", "dd/MM/yyyy", start), std::nullopt);
}

TEST(DateLine, ReadsTheArgumentInTheSystemsFormat) {
    const DateAndTime start = At(2026, 12, 9, 8, 0);
    EXPECT_EQ(DateLineTarget("DATE 01/01/1998", "dd/MM/yyyy", start), (CivilDate{1998, 1, 1}));
    EXPECT_EQ(DateLineTarget("DATE 12/31/1998", "M/d/yyyy", start), (CivilDate{1998, 12, 31}));
    EXPECT_EQ(DateLineTarget("DATE 12/31/1998", "dd/MM/yyyy", start), std::nullopt);
}

// A zone one hour east of Greenwich with daylight time from the last Sunday of March at 2:00
// to the last Sunday of October at 3:00.
TimeZoneInformation CentralEurope() {
    TimeZoneInformation zone;
    zone.bias = -60;
    zone.daylightBias = -60;
    zone.daylightDate = {0, 3, 5, 0, 0, 2, 0};
    zone.standardDate = {0, 10, 5, 0, 0, 3, 0};
    return zone;
}

// Five hours west, daylight time from the second Sunday of March to the first of November.
TimeZoneInformation EasternAmerica() {
    TimeZoneInformation zone;
    zone.bias = 300;
    zone.daylightBias = -60;
    zone.daylightDate = {0, 3, 2, 0, 0, 2, 0};
    zone.standardDate = {0, 11, 1, 0, 0, 2, 0};
    return zone;
}

// Ten hours east, daylight time from the first Sunday of October to the first of April.
TimeZoneInformation EasternAustralia() {
    TimeZoneInformation zone;
    zone.bias = -600;
    zone.daylightBias = -60;
    zone.daylightDate = {0, 10, 1, 0, 0, 2, 0};
    zone.standardDate = {0, 4, 1, 0, 0, 3, 0};
    return zone;
}

// Daylight time from the first Sunday of April to the last Sunday of November.
TimeZoneInformation LateAutumnEnd() {
    TimeZoneInformation zone;
    zone.daylightBias = -60;
    zone.daylightDate = {0, 4, 1, 0, 0, 2, 0};
    zone.standardDate = {0, 11, 5, 0, 0, 2, 0};
    return zone;
}

TEST(DaylightTime, FollowsTheZonesRules) {
    struct Case {
        TimeZoneInformation zone;
        DateAndTime local;
        bool inForce;
    };
    const Case cases[] = {
        // 2026: last Sunday of March the 29th, of October the 25th.
        {CentralEurope(), At(2026, 3, 29, 1, 59, 59, 999), false},
        {CentralEurope(), At(2026, 3, 29, 2, 0), true},
        {CentralEurope(), At(2026, 7, 1, 12, 0), true},
        {CentralEurope(), At(2026, 10, 25, 2, 59), true},
        {CentralEurope(), At(2026, 10, 25, 3, 0), false},
        {CentralEurope(), At(2026, 1, 1, 0, 0), false},
        // Second Sunday of March 2026 is the 8th, first of November the 1st.
        {EasternAmerica(), At(2026, 3, 8, 1, 59), false},
        {EasternAmerica(), At(2026, 3, 8, 2, 0), true},
        {EasternAmerica(), At(2026, 11, 1, 1, 59), true},
        // South of the equator it spans the turn of the year.
        {EasternAustralia(), At(2026, 1, 15, 12, 0), true},
        {EasternAustralia(), At(2026, 6, 15, 12, 0), false},
        {EasternAustralia(), At(2026, 12, 31, 23, 59), true},
        // The last Sunday of November 2024 is the 24th, though the 1st fell on a Friday.
        {LateAutumnEnd(), At(2024, 11, 24, 1, 59), true},
        {LateAutumnEnd(), At(2024, 11, 28, 12, 0), false},
        // No rules: never.
        {TimeZoneInformation{}, At(2026, 7, 1, 12, 0), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DaylightInForce(c.zone, c.local), c.inForce) << Show(c.local);
}

TEST(DaylightTime, AFixedDayRuleAppliesEveryYear) {
    TimeZoneInformation zone;
    zone.bias = 0;
    zone.daylightBias = -60;
    zone.daylightDate = {2000, 4, 0, 0, 1, 0, 0};
    zone.standardDate = {2000, 9, 0, 0, 30, 0, 0};
    EXPECT_FALSE(DaylightInForce(zone, At(2026, 3, 31, 23, 0)));
    EXPECT_TRUE(DaylightInForce(zone, At(2026, 4, 1, 0, 0)));
    EXPECT_FALSE(DaylightInForce(zone, At(2026, 9, 30, 0, 0)));
}

struct ConversionCase {
    const char* what;
    TimeZoneInformation zone;
    DateAndTime localNow;
    CivilDate date;
    DateAndTime universal;
};

class SystemTimeForDate : public testing::TestWithParam<ConversionCase> {};

TEST_P(SystemTimeForDate, KeepsTheLocalTimeOfDay) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(Show(UniversalTimeForDate(c.localNow, c.date, c.zone)), Show(c.universal)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Zones, SystemTimeForDate,
    testing::Values(ConversionCase{"summer day to a winter date",
                                   CentralEurope(),
                                   At(2026, 7, 15, 10, 30, 15, 250),
                                   {1998, 1, 1},
                                   At(1998, 1, 1, 9, 30, 15, 250)},
                    ConversionCase{"winter day to a summer date",
                                   CentralEurope(),
                                   At(2026, 1, 15, 10, 30),
                                   {2026, 7, 1},
                                   At(2026, 7, 1, 8, 30)},
                    ConversionCase{"back to a summer start day",
                                   CentralEurope(),
                                   At(1998, 1, 1, 10, 30),
                                   {2026, 7, 15},
                                   At(2026, 7, 15, 8, 30)},
                    ConversionCase{"just after midnight, east of Greenwich",
                                   CentralEurope(),
                                   At(2026, 6, 15, 0, 30),
                                   {2026, 7, 1},
                                   At(2026, 6, 30, 22, 30)},
                    ConversionCase{"just before midnight, west of Greenwich, into a new year",
                                   EasternAmerica(),
                                   At(2026, 6, 1, 23, 30),
                                   {1998, 12, 31},
                                   At(1999, 1, 1, 4, 30)},
                    ConversionCase{"midnight before a leap day",
                                   EasternAmerica(),
                                   At(2026, 6, 1, 0, 0),
                                   {2000, 2, 28},
                                   At(2000, 2, 28, 5, 0)},
                    ConversionCase{"late evening into the leap day",
                                   EasternAmerica(),
                                   At(2026, 6, 1, 22, 0),
                                   {2000, 2, 28},
                                   At(2000, 2, 29, 3, 0)},
                    ConversionCase{"southern summer",
                                   EasternAustralia(),
                                   At(2026, 6, 1, 9, 0),
                                   {2026, 1, 1},
                                   At(2025, 12, 31, 22, 0)}));

class FakeClock : public DateClockPort {
  public:
    DateAndTime now;
    TimeZoneInformation zone;
    int asked = 0;
    DateAndTime LocalNow() override {
        ++asked;
        return now;
    }
    TimeZoneInformation TimeZone() override { return zone; }
};

TEST(DateLineSystemTime, DateThenTodayRestoresTheStartDateWithTheTimeRunningOn) {
    FakeClock clock;
    clock.zone = CentralEurope();
    const DateAndTime start = At(2026, 7, 15, 8, 0);
    clock.now = At(2026, 7, 15, 8, 0, 5);
    const std::optional<DateAndTime> back =
        DateLineSystemTime("DATE 01/01/1998", "dd/MM/yyyy", start, clock);
    ASSERT_TRUE(back);
    EXPECT_EQ(Show(*back), Show(At(1998, 1, 1, 7, 0, 5)));
    // The program started meanwhile sees 1 January 1998; the clock has run on by a minute.
    clock.now = At(1998, 1, 1, 8, 1, 5);
    const std::optional<DateAndTime> today =
        DateLineSystemTime("DATE TODAY", "dd/MM/yyyy", start, clock);
    ASSERT_TRUE(today);
    EXPECT_EQ(Show(*today), Show(At(2026, 7, 15, 6, 1, 5)));
}

TEST(DateLineSystemTime, ANonDateLeavesTheClockAlone) {
    FakeClock clock;
    EXPECT_EQ(DateLineSystemTime("DATE 31/02/2026", "dd/MM/yyyy", At(2026, 1, 1, 0, 0), clock),
              std::nullopt);
    EXPECT_EQ(clock.asked, 0);
}

} // namespace
} // namespace qv::logic
