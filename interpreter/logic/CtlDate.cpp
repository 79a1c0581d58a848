#include "interpreter/logic/CtlDate.h"

#include "language/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::logic {

namespace {

constexpr std::int64_t MinutesPerDay = 24 * 60;
constexpr std::int64_t MillisecondsPerDay = MinutesPerDay * 60 * 1000;

// Days since 1970-01-01 of a Gregorian date (valid for any year).
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

std::int64_t MillisecondsOf(const DateAndTime& t) {
    const std::int64_t ofDay =
        ((static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 +
        t.millisecond;
    return DaysFromCivil(t.year, t.month, t.day) * MillisecondsPerDay + ofDay;
}

DateAndTime FromMilliseconds(std::int64_t ms) {
    std::int64_t days = ms / MillisecondsPerDay;
    std::int64_t rest = ms % MillisecondsPerDay;
    if (rest < 0) {
        rest += MillisecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    DateAndTime t;
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.millisecond = static_cast<int>(rest % 1000);
    rest /= 1000;
    t.second = static_cast<int>(rest % 60);
    rest /= 60;
    t.minute = static_cast<int>(rest % 60);
    t.hour = static_cast<int>(rest / 60);
    t.dayOfWeek = CivilDayOfWeek(date);
    return t;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

enum class Field { Day, Month, Year };

// The order of day, month and year in the format, and its separator.
struct DateLayout {
    std::array<Field, 3> order{};
    char separator = '/';
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<DateLayout> LayoutOf(std::string_view format) {
    DateLayout layout;
    std::size_t found = 0;
    bool seen[3] = {false, false, false};
    bool separatorFound = false;
    for (char c : format) {
        const char u = UpperChar(c);
        std::optional<Field> field;
        if (u == 'D')
            field = Field::Day;
        else if (u == 'M')
            field = Field::Month;
        else if (u == 'Y')
            field = Field::Year;
        if (field) {
            const int index = static_cast<int>(*field);
            if (!seen[index]) {
                seen[index] = true;
                layout.order[found++] = *field;
            }
        } else if (!separatorFound && !IsLetter(c) && c != ' ') {
            layout.separator = c;
            separatorFound = true;
        }
    }
    if (found != 3)
        return std::nullopt;
    return layout;
}

bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int ExpandTwoDigitYear(int year, int referenceYear) {
    int candidate = (referenceYear / 100) * 100 + year;
    if (candidate > referenceYear + 49)
        candidate -= 100;
    else if (candidate < referenceYear - 50)
        candidate += 100;
    return candidate;
}

std::int64_t ChangeMoment(const ClockChange& change, int year) {
    int day = change.day;
    if (change.year == 0) {
        const int first = CivilDayOfWeek({year, change.month, 1});
        day = 1 + (change.dayOfWeek - first + 7) % 7 + 7 * (change.week - 1);
        while (day > DaysInMonth(year, change.month))
            day -= 7;
    }
    DateAndTime t;
    t.year = year;
    t.month = change.month;
    t.day = day;
    t.hour = change.hour;
    t.minute = change.minute;
    return MillisecondsOf(t);
}

bool IsUsableChange(const ClockChange& change) {
    if (change.month < 1 || change.month > 12)
        return false;
    if (change.year == 0)
        return change.week >= 1 && change.week <= 5 && change.dayOfWeek >= 0 &&
               change.dayOfWeek <= 6;
    return change.day >= 1 && change.day <= 31;
}

} // namespace

bool IsValidCivilDate(const CivilDate& date) {
    return date.year >= MinimumYear && date.year <= MaximumYear && date.month >= 1 &&
           date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

int CivilDayOfWeek(const CivilDate& date) {
    // 1970-01-01 was a Thursday.
    const std::int64_t days = DaysFromCivil(date.year, date.month, date.day);
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

std::optional<CivilDate> ParseShortDate(std::string_view text, std::string_view shortDateFormat,
                                        int referenceYear) {
    const std::optional<DateLayout> layout = LayoutOf(shortDateFormat);
    if (!layout)
        return std::nullopt;
    std::vector<std::string> parts;
    std::string part;
    for (char c : Trim(text)) {
        if (c == layout->separator) {
            parts.push_back(Trim(part));
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(Trim(part));
    // A format like "yyyy.MM.dd." ends with its separator.
    if (parts.size() == 4 && parts.back().empty())
        parts.pop_back();
    if (parts.size() != 3)
        return std::nullopt;
    CivilDate date;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& digits = parts[i];
        const std::size_t longest = layout->order[i] == Field::Year ? 4 : 2;
        if (!AllDigits(digits) || digits.size() > longest)
            return std::nullopt;
        const int value = std::stoi(digits);
        switch (layout->order[i]) {
        case Field::Day:
            date.day = value;
            break;
        case Field::Month:
            date.month = value;
            break;
        case Field::Year:
            date.year = digits.size() <= 2 ? ExpandTwoDigitYear(value, referenceYear) : value;
            break;
        }
    }
    if (!IsValidCivilDate(date))
        return std::nullopt;
    return date;
}

std::optional<CivilDate> DateLineTarget(std::string_view trimmedLine,
                                        std::string_view shortDateFormat,
                                        const DateAndTime& startMoment) {
    constexpr std::string_view keyword = "DATE ";
    const std::string_view argument =
        trimmedLine.size() > keyword.size() ? trimmedLine.substr(keyword.size()) : "";
    if (UpperCase(argument) == "TODAY")
        return CivilDate{startMoment.year, startMoment.month, startMoment.day};
    return ParseShortDate(argument, shortDateFormat, startMoment.year);
}

bool DaylightInForce(const TimeZoneInformation& zone, const DateAndTime& local) {
    if (!IsUsableChange(zone.daylightDate) || !IsUsableChange(zone.standardDate))
        return false;
    const std::int64_t now = MillisecondsOf(local);
    const std::int64_t start = ChangeMoment(zone.daylightDate, local.year);
    const std::int64_t end = ChangeMoment(zone.standardDate, local.year);
    // South of the equator daylight time spans the turn of the year.
    if (start < end)
        return now >= start && now < end;
    return now >= start || now < end;
}

DateAndTime LocalToUniversal(const DateAndTime& local, const TimeZoneInformation& zone) {
    std::int64_t biasMinutes = zone.bias;
    if (DaylightInForce(zone, local))
        biasMinutes += zone.daylightBias;
    return FromMilliseconds(MillisecondsOf(local) + biasMinutes * 60 * 1000);
}

DateAndTime UniversalTimeForDate(const DateAndTime& localNow, const CivilDate& date,
                                 const TimeZoneInformation& zone) {
    DateAndTime local = localNow;
    local.year = date.year;
    local.month = date.month;
    local.day = date.day;
    return LocalToUniversal(local, zone);
}

std::optional<DateAndTime> DateLineSystemTime(std::string_view trimmedLine,
                                              std::string_view shortDateFormat,
                                              const DateAndTime& startMoment,
                                              DateClockPort& clock) {
    const std::optional<CivilDate> date = DateLineTarget(trimmedLine, shortDateFormat, startMoment);
    if (!date)
        return std::nullopt;
    return UniversalTimeForDate(clock.LocalNow(), *date, clock.TimeZone());
}

} // namespace qv::logic
