#pragma once

namespace qv::logic {

// A local date and time as the interpreter reads its clock, with the week day numbered as
// scripts number it (LOAD's day list).
struct LocalMoment {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 1; // 1 Monday ... 7 Sunday
};

} // namespace qv::logic
