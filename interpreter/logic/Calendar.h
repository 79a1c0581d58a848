#pragma once
// The one proleptic Gregorian calendar of the interpreter, its what-if runs and qvtool: civil
// dates to day numbers and back, week days, and moments as milliseconds.
#include "interpreter/logic/LocalMoment.h"

#include <cstdint>

namespace qv::logic {

struct CivilDate {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31

    bool operator==(const CivilDate&) const = default;
};

inline constexpr std::int64_t MillisecondsPerDay = 24LL * 60 * 60 * 1000;

bool IsLeapYear(int year);
// 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// Days since 1970-01-01 (any year), and back.
std::int64_t DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);
// 0 Sunday to 6 Saturday, as the system clock numbers them.
int CivilDayOfWeek(const CivilDate& date);
// 1 Monday to 7 Sunday, as scripts number them (LOAD's day list).
int ScriptDayOfWeek(const CivilDate& date);

// Milliseconds since midnight of a time of day.
std::int64_t MillisecondsOfDay(int hour, int minute, int second, int millisecond);
std::int64_t MillisecondsOfDay(const LocalMoment& moment);
// Milliseconds since 1970-01-01 00:00 of a local moment, and back (week day filled in).
std::int64_t MomentMilliseconds(const LocalMoment& moment);
LocalMoment MomentFromMilliseconds(std::int64_t milliseconds);

} // namespace qv::logic
