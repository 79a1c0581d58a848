#pragma once
// LOAD and LOAD AND WAIT: the line's pieces, the decision whether to start now (time window,
// week days, once a day) and the request handed to the program starter.
#include "interpreter/logic/LocalMoment.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::logic {

enum class WindowState { Normal, Min, Max, Hide };

// The show code passed to the system: normal 4, MIN 7, MAX 3, HIDE 0.
int ShowCode(WindowState state);

struct LoadLine {
    bool wait = false;      // LOAD AND WAIT
    std::string path;       // upper-cased; the run-once key too
    std::string parameters; // as written: programs may care about the case of their arguments
    std::string windowWord; // upper-cased text between [ and ]
    WindowState windowState = WindowState::Normal;
    std::string timeWindow; // upper-cased text between ( and )
    std::string dayList;    // upper-cased text between < and >
};

// Reads a trimmed LOAD or LOAD AND WAIT line through the grammar (ParseLoad): only well-formed
// mark groups count, any other mark is part of the path. Path, window word and day list are
// upper-cased; the parameters stay as written, since programs may care about their case.
LoadLine ParseLoadLine(std::string_view line);

// A time window (HHMMHHMM) in minutes of the day.
struct TimeWindow {
    int startMinutes = 0;
    int endMinutes = 0;
};

// Exactly eight digits forming two times of day (hours 00-23, minutes 00-59); nothing else.
std::optional<TimeWindow> ParseTimeWindow(std::string_view text);

// The local moment the decision is made at; the caller reads the clock.
using LoadMoment = LocalMoment;

// The run-once record's date form, "YYYYMMDD".
std::string RunOnceDate(const LoadMoment& moment);

inline constexpr std::string_view RunOnceIniFile = "QVRUN.INI";
inline constexpr std::string_view RunOnceSection = "Run Once A Day";

// The once-a-day record: QVRUN.INI, section "Run Once A Day", one key per upper-cased path. The
// interpreter writes it in the user's own data folder, where a standard user may write, and
// still reads the one in the Windows folder that earlier versions wrote.
class RunOnceStore {
  public:
    virtual ~RunOnceStore() = default;
    // The stored date for `key`, without its quotes; empty when there is none.
    virtual std::string ReadRunOnce(const std::string& key) = 0;
    // Stores `date` for `key` (the INI value is the date between double quotes).
    virtual void WriteRunOnce(const std::string& key, const std::string& date) = 0;
};

struct LoadDecision {
    bool start = false;
    // Switch the runner's WaitTimer on at once: a LOAD AND WAIT that starts nothing must not
    // leave the runner suspended, and a run-once line already run today does it in any form.
    bool resumeRunner = false;
    // Why nothing starts, for the run log and what-if runs ("outside 08:00 to 12:30").
    std::string skipReason;
};

// Whether the line starts its program now. The run-once record is read when the day list
// holds "R" and written only when the program is actually started, so a line tried outside
// its time window or on another week day still runs later that day. A time window that is not
// two times of day starts nothing.
LoadDecision DecideLoad(const LoadLine& line, const LoadMoment& now, RunOnceStore& store);

// True when the path names a shortcut (contains ".LNK" in any case).
bool IsShortcutPath(std::string_view path);

struct LaunchRequest {
    std::string file;
    std::string parameters;
    std::string folder; // the starting folder; empty passes none
    int showCode = 4;
    bool wait = false;
};

// The LaunchFile arguments of a started line: the path's own folder, except that a shortcut
// with a window state other than MIN, MAX or HIDE passes no folder.
LaunchRequest MakeLaunchRequest(const LoadLine& line);

enum class LaunchRoute {
    Waited,       // LOAD AND WAIT: the shell starts it and its process tells its end
    ProgramStart, // a program (its file name ends in ".exe" or ".com"): WinExec
    Shell,        // anything else: ShellExecute with the default verb
};

// LOAD AND WAIT starts the program in the normal window state whatever the line's window word
// says, as it always has: a hidden installer that asks a question would hold the logon.
inline constexpr int WaitedShowCode = 1;

// How LaunchFile starts `file`.
LaunchRoute ChooseLaunchRoute(std::string_view file, bool wait);

// The program-start command line: the file in double quotes, a blank, the parameters.
std::string ProgramCommandLine(std::string_view file, std::string_view parameters);

// "Loading File..." (or "Loading Shortcut...") CR + ShortenPath(path, 35).
std::string LoadingStatusText(std::string_view path);

// Appended to the status text while a waited program runs.
inline constexpr std::string_view WaitingForCloseText = "\r\nWaiting for the program to Close...";

// The icon shown for a path that names nothing: number 39 of this file.
inline constexpr std::string_view MissingFileIconFile = "shell32.dll";
inline constexpr int MissingFileIconIndex = 39;

} // namespace qv::logic
