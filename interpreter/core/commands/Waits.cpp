#include "interpreter/core/Session.h"
#include "interpreter/core/commands/Commands.h"
#include "language/Text.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace qv::interp {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as the system's float conversion takes it: optional sign, digits with an
// optional "." fraction, an optional exponent, blanks around. Nothing else (no "inf", no hex).
std::optional<double> ParseSeconds(const std::string& text) {
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
    const double value = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// Halves away from zero; kept far from the counter's limits so that decrements never overflow.
int CountFor(double seconds) {
    constexpr double Limit = 1e9;
    const double rounded = std::round(seconds);
    if (rounded > Limit)
        return static_cast<int>(Limit);
    if (rounded < -Limit)
        return static_cast<int>(-Limit);
    return static_cast<int>(rounded);
}

void StartCountdown(Session& session, const std::string& line, const std::string& seconds,
                    const std::string* hint) {
    session.SetTimerEnabled(TimerId::WaitTimer, false);
    const std::optional<double> value = ParseSeconds(seconds);
    if (!value) {
        // No countdown can start; the run must not be left suspended.
        session.AddReportedError(InvalidCommandMessage, line);
        ResumeRunnerAtOnce(session);
        return;
    }
    const int count = CountFor(*value);
    session.Timer(TimerId::CountDownTimer).Counter = count;
    session.host.view.SetCountText(std::to_string(count));
    session.host.view.SetCountVisible(true);
    session.host.view.SetClockVisible(true);
    session.SetTimerEnabled(TimerId::Digits, true);
    if (hint)
        session.SetStatus(*hint);
    session.AppendStatus("\rWaiting " + seconds + " second" + (*value == 1.0 ? "" : "s"));
}

} // namespace

Dispatched WaitCommand(Session& session, const std::string& line, const std::string&) {
    StartCountdown(session, line, line.substr(std::string_view("WAIT ").size()), nullptr);
    return Dispatched::Done;
}

Dispatched WaitForLoadCommand(Session& session, const std::string& line, const std::string&) {
    static const std::string hint = "Press F5 to Skip or F8 to Prompt\rfor each Startup Command";
    StartCountdown(session, line, line.substr(std::string_view("WAIT FOR LOAD ").size()), &hint);
    return Dispatched::Done;
}

// Window polling needs the window-list port, which is not there yet.
Dispatched WaitForWindowCommand(Session& session, const std::string&, const std::string&) {
    ResumeRunnerAtOnce(session);
    return Dispatched::Done;
}

void WaitForWindowTimer(Session& session) {
    session.SetTimerEnabled(TimerId::WaitForWindow, false);
    ResumeRunnerAtOnce(session);
}

void ResumeRunnerAtOnce(Session& session) {
    session.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
    session.SetTimerEnabled(TimerId::WaitTimer, true);
}

} // namespace qv::interp
