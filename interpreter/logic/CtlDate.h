#pragma once
// DATE: reading the date argument and the universal time to hand to the system clock.
//
// Reading a date: the short date format only says in which order day, month and year stand
// and which character separates them (its first character that is neither a letter nor a
// blank; "/" when it has none). The text must hold all three as plain numbers: day and month of
// one or two digits, the year of one to four. One- and two-digit years fall in the century that
// puts them within 50 years of a reference year (the year the run started). The date must exist
// in the Gregorian calendar between the years 1601 and 9999, the system clock's range. Anything
// else (month names, a missing year, extra text, 31/04, 29/02 of a common year) is not a date.
#include "interpreter/logic/Calendar.h"

#include <optional>
#include <string_view>

namespace qv::logic {

// A moment as the system clock takes it; dayOfWeek 0 Sunday to 6 Saturday.
struct DateAndTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 6;
};

inline constexpr int MinimumYear = 1601;
inline constexpr int MaximumYear = 9999;

// A Gregorian date between MinimumYear and MaximumYear.
bool IsValidCivilDate(const CivilDate& date);

// Reads `text` in the order and with the separator of `shortDateFormat` ("dd/MM/yyyy",
// "M/d/yyyy", "yyyy-MM-dd", "d.M.yy", ...); nothing when it is not a date.
std::optional<CivilDate> ParseShortDate(std::string_view text, std::string_view shortDateFormat,
                                        int referenceYear);

// The date a trimmed DATE line asks for: the start moment's date for "TODAY" in any case,
// else its argument read with ParseShortDate; nothing when it is not a date.
std::optional<CivilDate> DateLineTarget(std::string_view trimmedLine,
                                        std::string_view shortDateFormat,
                                        const DateAndTime& startMoment);

// When the clock changes between standard and daylight time, in the system's time-zone form:
// `month` 0 means the zone has no daylight time. With `year` 0 the change falls on the
// `week`-th (1 to 4, 5 the last) `dayOfWeek` (0 Sunday) of the month; otherwise on `day` of
// the month, every year.
struct ClockChange {
    int year = 0;
    int month = 0;
    int week = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// The system's time-zone information; universal time = local time + bias (minutes).
struct TimeZoneInformation {
    int bias = 0;
    int daylightBias = 0;
    ClockChange standardDate; // daylight time ends at this local (daylight) time
    ClockChange daylightDate; // daylight time starts at this local (standard) time
};

// True when daylight time is in force at that local moment.
bool DaylightInForce(const TimeZoneInformation& zone, const DateAndTime& local);

// The universal time of a local moment: the bias, plus the daylight bias when daylight time is
// in force at that moment, so the local time of day is kept across a daylight-saving change.
DateAndTime LocalToUniversal(const DateAndTime& local, const TimeZoneInformation& zone);

// What to hand to the system clock so that the local date becomes `date` while the local time
// of day (hours, minutes, seconds, milliseconds) of `localNow` stays.
DateAndTime UniversalTimeForDate(const DateAndTime& localNow, const CivilDate& date,
                                 const TimeZoneInformation& zone);

// The clock as the DATE command asks it.
class DateClockPort {
  public:
    virtual ~DateClockPort() = default;
    virtual DateAndTime LocalNow() = 0;
    virtual TimeZoneInformation TimeZone() = 0;
};

// The universal time a trimmed DATE line sets; nothing when its argument is not a date, and
// then the clock is not asked.
std::optional<DateAndTime> DateLineSystemTime(std::string_view trimmedLine,
                                              std::string_view shortDateFormat,
                                              const DateAndTime& startMoment, DateClockPort& clock);

} // namespace qv::logic
