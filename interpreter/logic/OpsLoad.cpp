#include "interpreter/logic/OpsLoad.h"

#include "interpreter/logic/Calendar.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Grammar.h"
#include "language/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qv::logic {

namespace {

constexpr int LoadingPathWidth = 35;

WindowState StateOfWord(std::string_view word) {
    if (word == "MIN")
        return WindowState::Min;
    if (word == "MAX")
        return WindowState::Max;
    if (word == "HIDE")
        return WindowState::Hide;
    return WindowState::Normal;
}

std::optional<int> ClockMinutes(std::string_view fourDigits) {
    for (char c : fourDigits)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int hours = (fourDigits[0] - '0') * 10 + (fourDigits[1] - '0');
    const int minutes = (fourDigits[2] - '0') * 10 + (fourDigits[3] - '0');
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

} // namespace

int ShowCode(WindowState state) {
    switch (state) {
    case WindowState::Min:
        return 7;
    case WindowState::Max:
        return 3;
    case WindowState::Hide:
        return 0;
    case WindowState::Normal:
        break;
    }
    return 4;
}

LoadLine ParseLoadLine(std::string_view line) {
    const LoadFields fields = ParseLoad(line).fields;
    LoadLine result;
    result.wait = fields.wait;
    result.path = UpperCase(fields.path);
    result.parameters = fields.arguments;
    result.windowWord = UpperCase(fields.windowWord);
    result.windowState = StateOfWord(result.windowWord);
    result.timeWindow = fields.timeWindow;
    result.dayList = UpperCase(fields.conditions);
    return result;
}

std::optional<TimeWindow> ParseTimeWindow(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    const std::optional<int> start = ClockMinutes(text.substr(0, 4));
    const std::optional<int> end = ClockMinutes(text.substr(4, 4));
    if (!start || !end)
        return std::nullopt;
    return TimeWindow{*start, *end};
}

std::string RunOnceDate(const LoadMoment& moment) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d%02d%02d", moment.year % 10000,
                  moment.month % 100, moment.day % 100);
    return buffer.data();
}

namespace {
std::string ClockText(int minutes) {
    const int h = minutes / 60, m = minutes % 60;
    return std::string{char('0' + h / 10), char('0' + h % 10), ':', char('0' + m / 10),
                       char('0' + m % 10)};
}

constexpr std::array<std::string_view, 7> WeekDayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
} // namespace

LoadDecision DecideLoad(const LoadLine& line, const LoadMoment& now, RunOnceStore& store) {
    const auto notStarted = [&](std::string reason) {
        return LoadDecision{false, line.wait, std::move(reason)};
    };
    const bool runOnce = Contains(line.dayList, "R");
    const std::string today = RunOnceDate(now);
    if (runOnce && store.ReadRunOnce(line.path) == today)
        return {false, true, "already run today"};

    bool start = (line.timeWindow.empty() && line.dayList.empty()) || runOnce;
    if (!line.timeWindow.empty()) {
        const std::optional<TimeWindow> window = ParseTimeWindow(line.timeWindow);
        if (!window)
            return notStarted("(" + line.timeWindow + ") is not two times of day");
        const long long moment = MillisecondsOfDay(now);
        if (window->startMinutes * 60000LL >= moment || window->endMinutes * 60000LL <= moment)
            return notStarted("outside " + ClockText(window->startMinutes) + " to " +
                              ClockText(window->endMinutes));
        start = true;
    }
    if (!line.dayList.empty() && line.dayList != "R") {
        const char today = static_cast<char>('0' + now.dayOfWeek);
        start = now.dayOfWeek >= 1 && now.dayOfWeek <= 7 &&
                line.dayList.find(today) != std::string::npos;
        if (!start && now.dayOfWeek >= 1 && now.dayOfWeek <= 7)
            return notStarted("not on " + std::string(WeekDayNames[now.dayOfWeek - 1]));
    }
    if (!start)
        return notStarted("not today");
    if (runOnce)
        store.WriteRunOnce(line.path, today);
    return {true, false, {}};
}

bool IsShortcutPath(std::string_view path) {
    return Contains(UpperCase(path), ".LNK");
}

LaunchRequest MakeLaunchRequest(const LoadLine& line) {
    LaunchRequest request;
    request.file = line.path;
    request.parameters = line.parameters;
    request.showCode = ShowCode(line.windowState);
    request.wait = line.wait;
    if (!IsShortcutPath(line.path) || line.windowState != WindowState::Normal)
        request.folder = ExtractFilePath(line.path);
    return request;
}

LaunchRoute ChooseLaunchRoute(std::string_view file, bool wait) {
    if (wait)
        return LaunchRoute::Waited;
    // A web address names no program, whatever its host name ends in.
    if (Contains(file, "://"))
        return LaunchRoute::Shell;
    const std::string_view name = PathFileName(file);
    const std::size_t dot = name.rfind('.');
    const std::string extension =
        dot == std::string_view::npos ? std::string() : LowerCase(name.substr(dot));
    return extension == ".exe" || extension == ".com" ? LaunchRoute::ProgramStart
                                                      : LaunchRoute::Shell;
}

std::string ProgramCommandLine(std::string_view file, std::string_view parameters) {
    std::string commandLine = "\"";
    commandLine += file;
    commandLine += "\" ";
    commandLine += parameters;
    return commandLine;
}

std::string LoadingStatusText(std::string_view path) {
    const std::string_view caption =
        IsShortcutPath(path) ? "Loading Shortcut..." : "Loading File...";
    return std::string(caption) + "\r" + ShortenPath(path, LoadingPathWidth);
}

} // namespace qv::logic
