#pragma once
// The run's state. RunState is the runner's own table; StartupState holds what start-up fetches
// and the pending next-script steps; ControlState is what the progress window's hidden controls
// and button states carry, kept here so that the window holds no logic.
#include "interpreter/core/Host.h"

#include <array>
#include <string>
#include <vector>

namespace qv::interp {

struct RunState {
    std::vector<std::string> ScriptLines; // element 0 the header, last the empty end element
    int NextLine = 1;
    std::string CurrentScript;
    std::vector<std::string> ScriptStack;
    std::vector<std::string> LineStack; // the caller's NextLine as decimal text
    std::string ErrorReport;
    bool ErrorsOn = true;
    bool PromptMode = false;
    bool Paused = false;
    bool StopRequested = false;
    bool SkipRequested = false;
};

struct StartupState {
    std::string WindowsFolder;
    std::string UserName;
    std::string ComputerName;
    std::string ProgramFolder;
    DateTime StartMoment;
    bool ComputerStepPending = true;
    bool UserStepPending = true;
    bool CommandLineScript = false; // a script named on the command line runs alone
};

struct TimerState {
    bool Enabled = false;
    int Interval = 0;
    int Counter = 0;
};

// Which of the countdown's two timers Pause or the F8 dialog switched off, so that the countdown
// goes on as it was and nothing that was off starts.
struct CountdownHold {
    bool Digits = false;
    bool CountDownTimer = false;
};

struct ControlState {
    std::string LoadTypeCap; // the menu's chosen script
    std::string CheckWind;   // the awaited window title
    int CancelTag = 0;       // 1: F8 switched off
    bool CancelEnabled = true;
    bool NextEnabled = true;
    std::string NextCaption = "&Next >>";
    std::string PauseCaption = "&Pause";
    std::string StatusText = "Loading Quorvel";
    std::string Title = "Trevanta's - Quorvel v2.0";
    bool Visible = false;
    bool TrayIconActive = false;
    int ClockFrame = 0;
    CountdownHold PausedCountdown; // what Pause held
    std::array<TimerState, TimerCount> Timers{};
};

} // namespace qv::interp
