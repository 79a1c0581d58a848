#pragma once
// A host for the real interpreter core that changes nothing: time is virtual, dialogs answer as
// told, the file system is only read, and every effect a command would have is reported
// instead ("would start ...").
#include "interpreter/core/Host.h"
#include "interpreter/core/RunObserver.h"
#include "interpreter/core/Services.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qv::whatif {

struct Options {
    std::string script;
    interp::DateTime at; // the virtual clock's start
    std::string user = "USER";
    std::string computer = "COMPUTER";
    int answer = interp::IdYes;   // to "Are you sure you wish to Execute"
    std::optional<int> menuEntry; // the menu entry chosen; default: the menu's own
    // The run-once records read (never written): the interpreter's folder in the user's data,
    // where it keeps its own QVRUN.INI, and the file that stands for QVRUN.INI in the Windows
    // folder. Empty and none: no record.
    std::string userDataFolder;
    std::optional<std::string> windowsIni;
    std::string windowsFolder = "C:\\WINDOWS";
    // A run still going after this much virtual time waits for something no run without a
    // user brings.
    long long virtualLimitMs = 7LL * 24 * 60 * 60 * 1000;
    // The compiled script's bytes, when they do not come from the file `script`.
    std::optional<std::string> scriptBytes;
};

// Runs `options.script` as a command-line script; prints a line per command and then the error
// report as the "Error Log" dialog would show it. Returns the report (empty when none).
std::string RunWhatIf(const Options& options, std::ostream& out);

// A moment as "YYYY-MM-DD HH:MM"; nothing for any other form or a date that does not exist.
std::optional<interp::DateTime> ParseMoment(const std::string& text);
// The moment in the form ParseMoment reads.
std::string FormatMoment(const interp::DateTime& moment);
// This computer's local time now.
interp::DateTime LocalNow();
// The run-once records this machine's interpreter reads, as the environment names them: the
// user's QVRUN.INI beside the run log, then the one in the Windows folder that earlier versions
// wrote; where the environment names neither, there is no record.
void ReadRunOnceWhereTheInterpreterKeepsIt(Options& options);

} // namespace qv::whatif
