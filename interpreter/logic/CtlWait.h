#pragma once
// WAIT n and WAIT FOR LOAD n: the number rule, the countdown units and the status texts.
//
// n is read as the system's float conversion reads it: blanks around, an optional sign, digits
// with an optional "." fraction ("5", "2.5", ".5", "5."), an optional exponent; nothing else
// (no "," fraction, no hex, no "inf"). A line whose n is not such a number starts no countdown:
// the handler records "Invalid Command (200) In Script File : " while ErrorsOn and restarts the
// runner at once, so the run is never left suspended.
#include <optional>
#include <string>
#include <string_view>

namespace qv::logic {

inline constexpr std::string_view WaitForLoadHint =
    "Press F5 to Skip or F8 to Prompt\rfor each Startup Command";
// Counts beyond this are cut to it, so that counting down never overflows.
inline constexpr int MaximumCountdownUnits = 1000000000;

// The seconds of a WAIT argument; nothing when it is not a number.
std::optional<double> ParseWaitSeconds(std::string_view text);

// Countdown units for a number of seconds: rounded to the nearest whole number, halves away
// from zero (2.5 counts 3), within plus or minus MaximumCountdownUnits.
int CountdownUnits(double seconds);

// CR, "Waiting ", n as written, " second", and "s" unless n is 1.
std::string WaitingText(std::string_view secondsAsWritten, double seconds);

struct WaitPlan {
    std::string secondsText;       // n as written
    std::optional<int> count;      // nothing: not a number, no countdown
    bool replacesStatus = false;   // WAIT FOR LOAD first replaces LoadingAppName by the hint
    std::string statusReplacement; // the hint, when replacesStatus
    std::string statusAppend;      // appended to LoadingAppName after that
};

// The plan of a trimmed "WAIT " line. WAIT 0 still counts down (0 units): it lasts until the
// next countdown tick.
WaitPlan PlanWait(std::string_view trimmedLine);

// The plan of a trimmed "WAIT FOR LOAD " line.
WaitPlan PlanWaitForLoad(std::string_view trimmedLine);

} // namespace qv::logic
