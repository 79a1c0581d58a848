#include "interpreter/logic/CtlWait.h"

#include "language/Grammar.h"
#include "language/Text.h"

#include <cmath>
#include <cstdlib>

namespace qv::logic {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

WaitPlan Plan(std::string_view secondsText, bool forLoad) {
    WaitPlan plan;
    plan.secondsText = std::string(secondsText);
    const std::optional<double> seconds = ParseWaitSeconds(secondsText);
    if (!seconds)
        return plan;
    plan.count = CountdownUnits(*seconds);
    if (forLoad) {
        plan.replacesStatus = true;
        plan.statusReplacement = std::string(WaitForLoadHint);
    }
    plan.statusAppend = WaitingText(secondsText, *seconds);
    return plan;
}

} // namespace

std::optional<double> ParseWaitSeconds(std::string_view text) {
    const std::string t = Trim(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j >= t.size() || !IsDigit(t[j]))
            return std::nullopt;
        while (j < t.size() && IsDigit(t[j]))
            ++j;
        i = j;
    }
    if (i != t.size())
        return std::nullopt;
    // strtod follows the C locale, whose fraction mark is "." whatever the system's.
    const double value = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

int CountdownUnits(double seconds) {
    const double rounded = std::round(seconds);
    if (!(rounded < MaximumCountdownUnits))
        return MaximumCountdownUnits;
    if (!(rounded > -MaximumCountdownUnits))
        return -MaximumCountdownUnits;
    return static_cast<int>(rounded);
}

std::string WaitingText(std::string_view secondsAsWritten, double seconds) {
    return "\rWaiting " + std::string(secondsAsWritten) + " second" + (seconds == 1.0 ? "" : "s");
}

WaitPlan PlanWait(std::string_view trimmedLine) {
    return Plan(ArgumentOf(trimmedLine, Keyword::Wait), false);
}

WaitPlan PlanWaitForLoad(std::string_view trimmedLine) {
    return Plan(ArgumentOf(trimmedLine, Keyword::WaitForLoad), true);
}

} // namespace qv::logic
