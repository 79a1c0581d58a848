#pragma once
// What the runner and every command family share: the run state, the hidden controls, the
// timers with the window timers' semantics, the cipher, and the helpers that keep the texts and
// entries in one place.
#include "interpreter/core/Host.h"
#include "interpreter/core/RunObserver.h"
#include "interpreter/core/RunState.h"
#include "interpreter/core/Services.h"
#include "interpreter/logic/CtlMenu.h"
#include "interpreter/logic/CtlWindows.h"
#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::interp {

inline constexpr int WaitTimerDesignInterval = 500;
inline constexpr int WaitTimerQuickInterval = 10;
inline constexpr int DigitsStartCounter = 9;
inline constexpr std::string_view AppTitle = "Quorvel";
inline constexpr std::string_view WindowTitle = "Trevanta's - Quorvel v2.0";
inline constexpr std::string_view NextCaption = "&Next >>";
inline constexpr std::string_view MinimizeCaption = "&Minimize";
inline constexpr std::string_view PauseCaption = "&Pause";
inline constexpr std::string_view ResumeCaption = "&Resume";

class Session {
  public:
    Session(Host host, Services services);

    // What the command handlers work with: the ports, the run's state, the hidden controls and
    // the menus. The session's own bookkeeping (whether the run has ended, the observer, the
    // cipher, the tick in progress) stays private behind the calls below.
    Host host;
    Services services;
    RunState state;
    StartupState startup;
    ControlState controls;
    logic::MenuSession menus;
    std::optional<logic::WaitForWindowPoll> windowPoll;

    // The application has been ended: no host call may follow.
    bool Ended() const { return ended_; }
    // Lets `observer` (or nobody) watch the commands and entries (run log, what-if runs).
    void SetObserver(RunObserver* observer) { observer_ = observer; }
    // The line number the observer is told for the next dispatch, when it is not NextLine - 1
    // (the leading configuration lines run before NextLine moves).
    void ObserveNextLineAs(int lineNumber) { observedLine_ = lineNumber; }
    // The cipher's key schedule, run once at start-up; wiped when the window may close.
    void SetScriptKey();
    void WipeCipher() { cipher_.Burn(); }
    // Runs `tick` unless a tick is already running (a command that pumps messages after PROMPT
    // switched the runner on must not start a second tick inside this one).
    template <class Tick> void RunTickOnce(Tick tick) {
        if (inTick_)
            return;
        inTick_ = true;
        tick();
        inTick_ = false;
    }
    bool MenuTimerOn() const { return menuTimerOn_; }

    // Timers behave like the window's timer components: switching on a running timer changes
    // nothing, a new interval restarts a running timer's period.
    void SetTimerEnabled(TimerId id, bool enabled);
    void SetTimerInterval(TimerId id, int intervalMs);
    // Every timer, the menu's TimeOutTimer included.
    void StopAllTimers();
    // Switches the countdown's timers off, CountDownTimer too: an armed tick of it would switch
    // Digits on again. Returns what was on, for ReleaseCountdown.
    CountdownHold HoldCountdown();
    void ReleaseCountdown(const CountdownHold& hold);
    void SetMenuTimerEnabled(bool enabled);
    TimerState& Timer(TimerId id) { return controls.Timers[static_cast<int>(id)]; }
    bool TimerEnabled(TimerId id) const { return controls.Timers[static_cast<int>(id)].Enabled; }

    void SetStatus(const std::string& text);
    void AppendStatus(const std::string& text);
    void SetTitle(const std::string& text);
    void SetClockFrame(int frame);
    void SetNextCaption(std::string_view caption);
    void SetPauseCaption(std::string_view caption);
    void SetButtonEnabled(Button button, bool enabled);
    void ShowWindowCentred();
    void ShowWindow();
    void HideWindow();
    void SetTrayIcon(bool active);

    // Appends an entry in the report's format: message, script, CR LF, TAB, line number, line.
    void AddErrorEntry(std::string_view message, std::string_view lineText);
    // Appends finished entries to the report (the commands that format their own).
    void AppendReport(std::string_view entries);
    // Tells the observer, if any, what the current command did.
    void Note(NoteKind kind, const std::string& text);
    // The same, only while ErrorsOn.
    void AddReportedError(std::string_view message, std::string_view lineText);

    // Reads `path` into ScriptLines with NextLine 1. On a file valid in neither form the
    // application ends (after the newer-version message when that is the cause); returns false.
    bool LoadCompiledScript(const std::string& path);
    // Reads and checks a compiled script without making it current: a missing, unreadable or
    // damaged file, or a folder, is Invalid.
    ReadResult ReadScript(const std::string& path);
    // Makes a script read with ReadScript current, as LoadCompiledScript does.
    bool AdoptScript(const std::string& path, ReadResult result);

    // Shows the error report when it holds entries, then ends the application.
    void EndRun();
    // Ends the application at once; `shownReport` is the error report the user was shown.
    void EndApplication(const std::string& shownReport = {});

    // Cancel button and F5: stop and end the run.
    void Cancel();

    // The prompt check list over the lines still to run; Run removes the unchecked lines.
    void SelectPendingCommands();

    void ProcessLine(const std::string& line);

  private:
    void Dispatch(const std::string& trimmedLine);
    int dispatchDepth = 0;
    TDiamond cipher_;
    bool ended_ = false;
    bool inTick_ = false;
    RunObserver* observer_ = nullptr;
    int observedLine_ = -1;
    bool menuTimerOn_ = false;
};

} // namespace qv::interp
