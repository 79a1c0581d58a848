#include "interpreter/logic/Calendar.h"

#include <array>

namespace qv::logic {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

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

int CivilDayOfWeek(const CivilDate& date) {
    // 1970-01-01 was a Thursday.
    const std::int64_t days = DaysFromCivil(date.year, date.month, date.day);
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

int ScriptDayOfWeek(const CivilDate& date) {
    const int sundayFirst = CivilDayOfWeek(date);
    return sundayFirst == 0 ? 7 : sundayFirst;
}

std::int64_t MillisecondsOfDay(int hour, int minute, int second, int millisecond) {
    return ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
}

std::int64_t MillisecondsOfDay(const LocalMoment& moment) {
    return MillisecondsOfDay(moment.hour, moment.minute, moment.second, moment.millisecond);
}

std::int64_t MomentMilliseconds(const LocalMoment& moment) {
    return DaysFromCivil(moment.year, moment.month, moment.day) * MillisecondsPerDay +
           MillisecondsOfDay(moment);
}

LocalMoment MomentFromMilliseconds(std::int64_t milliseconds) {
    std::int64_t days = milliseconds / MillisecondsPerDay;
    std::int64_t rest = milliseconds % MillisecondsPerDay;
    if (rest < 0) {
        rest += MillisecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    LocalMoment moment;
    moment.year = date.year;
    moment.month = date.month;
    moment.day = date.day;
    moment.hour = static_cast<int>(rest / 3600000);
    moment.minute = static_cast<int>(rest / 60000 % 60);
    moment.second = static_cast<int>(rest / 1000 % 60);
    moment.millisecond = static_cast<int>(rest % 1000);
    moment.dayOfWeek = ScriptDayOfWeek(date);
    return moment;
}

} // namespace qv::logic
