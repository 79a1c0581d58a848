#include "interpreter/logic/CtlDate.h"

#include "interpreter/logic/Calendar.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::logic {

namespace {

std::int64_t MillisecondsOf(const DateAndTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * MillisecondsPerDay +
           MillisecondsOfDay(t.hour, t.minute, t.second, t.millisecond);
}

DateAndTime FromMilliseconds(std::int64_t ms) {
    const LocalMoment m = MomentFromMilliseconds(ms);
    return {m.year, m.month, m.day, m.hour, m.minute, m.second, m.millisecond, m.dayOfWeek % 7};
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
    const std::string_view argument = ArgumentOf(trimmedLine, Keyword::Date);
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
