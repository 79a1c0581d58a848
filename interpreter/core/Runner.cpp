#include "interpreter/core/Runner.h"

#include "interpreter/core/Session.h"
#include "interpreter/core/Startup.h"
#include "interpreter/core/commands/CommandHandlers.h"
#include "language/Keywords.h"
#include "language/Text.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

namespace qv::interp {

namespace {

int ParseLineNumber(const std::string& text) {
    int value = 1;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

class RunnerSteps {
  public:
    explicit RunnerSteps(Session& s) : s_(s) {}

    void WaitOutTimer();
    void DigitsTimer();
    void CountDownTimerTick();

  private:
    bool RunPromptedLine(const std::string& line);
    void ReturnToCaller();

    Session& s_;
};

void RunnerSteps::WaitOutTimer() {
    ProgressView& view = s_.host.view;
    RunState& state = s_.state;
    view.BringToFront();
    view.HideTaskbarButton();
    s_.Timer(TimerId::CountDownTimer).Counter = -1;
    s_.SetTimerEnabled(TimerId::CountDownTimer, false);
    s_.SetClockFrame(0);
    s_.SetTimerEnabled(TimerId::WaitTimer, false);

    while (state.NextLine >= 0 &&
           static_cast<std::size_t>(state.NextLine) < state.ScriptLines.size()) {
        if (state.Paused && !state.PromptMode)
            return;
        const std::string line = state.ScriptLines[static_cast<std::size_t>(state.NextLine)];
        ++state.NextLine;
        if (IsIgnoredLine(line))
            continue;
        if (state.StopRequested) {
            s_.EndRun();
            return;
        }
        if (!state.PromptMode) {
            s_.ProcessLine(line);
            if (s_.Ended() || IsWaitingLine(line))
                return;
            continue;
        }
        if (!RunPromptedLine(line))
            return;
    }

    // After a shutdown or log-off line no further script is loaded.
    if (state.StopRequested)
        s_.EndRun();
    else if (!state.ScriptStack.empty())
        ReturnToCaller();
    else if (s_.startup.CommandLineScript || !NextScriptStep(s_))
        s_.EndRun();
}

// Prompt mode: nothing waits; returns false when the run is over.
bool RunnerSteps::RunPromptedLine(const std::string& line) {
    s_.SetTimerEnabled(TimerId::WaitTimer, false);
    if (IsWaitingLine(line))
        return true;
    const std::string upper = UpperCase(NormaliseLine(line));
    if (StartsWith(upper, KeywordText(Keyword::Prompt)) &&
        upper.substr(KeywordText(Keyword::Prompt).size()) == "OFF") {
        s_.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
        s_.state.PromptMode = false;
        s_.ProcessLine(line);
        return !s_.Ended();
    }
    const int answer =
        s_.host.dialogs.ShowMessageBox("Are you sure you wish to Execute\r" + line,
                                       std::string(AppTitle), MessageBoxKind::ConfirmLine);
    if (s_.Ended())
        return false;
    if (answer == IdYes) {
        s_.ProcessLine(line);
        return !s_.Ended();
    }
    if (answer == IdNo)
        return true;
    // Cancel ends at once, without the error report.
    s_.SetTimerEnabled(TimerId::WaitTimer, false);
    s_.EndApplication();
    return false;
}

void RunnerSteps::ReturnToCaller() {
    RunState& state = s_.state;
    s_.SetTimerInterval(TimerId::WaitTimer, WaitTimerDesignInterval);
    state.CurrentScript = state.ScriptStack.back();
    s_.SetStatus("Returning to\r" + state.CurrentScript);
    if (!s_.LoadCompiledScript(state.CurrentScript))
        return;
    state.NextLine = ParseLineNumber(state.LineStack.back());
    s_.SetTimerEnabled(TimerId::WaitTimer, true);
    state.ScriptStack.pop_back();
    state.LineStack.pop_back();
    s_.host.view.ShowCommandIcon({CommandIcon::Source::ClockFrame, {}, s_.controls.ClockFrame});
}

void RunnerSteps::DigitsTimer() {
    TimerState& digits = s_.Timer(TimerId::Digits);
    --digits.Counter;
    if (digits.Counter < 0 || digits.Counter > 8)
        digits.Counter = 0;
    s_.SetClockFrame(digits.Counter);
    if (digits.Counter == 0) {
        if (s_.controls.Visible)
            s_.host.view.BringToFront();
        s_.SetTimerEnabled(TimerId::CountDownTimer, true);
        digits.Counter = DigitsStartCounter;
    }
}

void RunnerSteps::CountDownTimerTick() {
    s_.SetTimerEnabled(TimerId::Digits, true);
    s_.SetTimerEnabled(TimerId::CountDownTimer, false);
    TimerState& countdown = s_.Timer(TimerId::CountDownTimer);
    --countdown.Counter;
    s_.host.view.SetCountText(std::to_string(countdown.Counter));
    if (countdown.Counter < 1) {
        s_.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
        s_.SetTimerEnabled(TimerId::WaitTimer, true);
        s_.host.view.SetClockVisible(false);
        s_.host.view.SetCountVisible(false);
        s_.SetTimerEnabled(TimerId::Digits, false);
    }
}

} // namespace

Runner::Runner(Host host)
    : nullServices_(std::make_unique<NullServices>()),
      session_(std::make_unique<Session>(host, nullServices_->Ports())) {}

Runner::Runner(Host host, Services services)
    : session_(std::make_unique<Session>(host, services)) {}

Runner::~Runner() = default;

void Runner::SetObserver(RunObserver* observer) {
    session_->SetObserver(observer);
}

void Runner::FormCreate(const std::optional<std::string>& commandLinePath) {
    if (!session_->Ended())
        qv::interp::FormCreate(*session_, commandLinePath);
}

void Runner::OnTimer(TimerId id) {
    Session& s = *session_;
    // A message already queued for a timer that has since been switched off is dropped.
    if (s.Ended() || !s.TimerEnabled(id))
        return;
    switch (id) {
    case TimerId::WaitTimer:
        // A command that pumps messages after PROMPT switched the timer on must not start a
        // second tick inside this one; the timer stays on and fires again afterwards.
        s.RunTickOnce([&s] { RunnerSteps(s).WaitOutTimer(); });
        break;
    case TimerId::Digits:
        RunnerSteps(s).DigitsTimer();
        break;
    case TimerId::CountDownTimer:
        RunnerSteps(s).CountDownTimerTick();
        break;
    case TimerId::WaitForWindow:
        WaitForWindowTimer(s);
        break;
    case TimerId::WaitforClose:
        WaitforCloseTimer(s);
        break;
    }
}

void Runner::TimeOutTimer() {
    MenuTimeOutTimer(*session_);
}

void Runner::CancelButClick() {
    Session& s = *session_;
    if (!s.Ended() && s.controls.CancelEnabled)
        s.Cancel();
}

void Runner::Button1Click() {
    Session& s = *session_;
    if (s.Ended() || !s.controls.NextEnabled)
        return;
    if (s.controls.NextCaption == NextCaption) {
        s.controls.LoadTypeCap.clear();
        s.SetTimerInterval(TimerId::WaitTimer, WaitTimerQuickInterval);
        s.Timer(TimerId::CountDownTimer).Counter = -1;
        s.state.SkipRequested = true;
    } else if (s.controls.NextCaption == MinimizeCaption) {
        s.HideWindow();
        s.SetTrayIcon(true);
    }
}

void Runner::cmdPauseClick() {
    Session& s = *session_;
    if (s.Ended())
        return;
    if (s.controls.PauseCaption == PauseCaption) {
        s.state.Paused = true;
        s.controls.PausedCountdown = s.HoldCountdown();
        s.SetTimerEnabled(TimerId::WaitTimer, false);
        s.SetTitle(std::string(WindowTitle) + " - Script Paused");
        s.SetPauseCaption(ResumeCaption);
        s.SetNextCaption(MinimizeCaption);
    } else {
        s.SetNextCaption(NextCaption);
        s.controls.LoadTypeCap.clear();
        s.SetPauseCaption(PauseCaption);
        // A window or program wait still running resumes the runner itself when it ends;
        // otherwise the clock takes the run on, from the count it had.
        CountdownHold hold = std::exchange(s.controls.PausedCountdown, {});
        if (!s.TimerEnabled(TimerId::WaitForWindow) && !s.TimerEnabled(TimerId::WaitforClose))
            hold.Digits = true;
        s.ReleaseCountdown(hold);
        s.state.Paused = false;
        s.SetTitle(std::string(WindowTitle) + " - Resumed");
    }
}

void Runner::TrayIcon1Click() {
    Session& s = *session_;
    if (s.Ended())
        return;
    s.ShowWindow();
    s.SetTrayIcon(false);
}

void Runner::FormKeyDown(Key key) {
    Session& s = *session_;
    if (s.Ended())
        return;
    if (key == Key::F5 && s.controls.CancelEnabled)
        s.Cancel();
    else if (key == Key::F8 && s.controls.CancelTag == 0)
        s.SelectPendingCommands();
}

bool Runner::FormCloseQuery() {
    if (!QueryEndSession())
        return false;
    session_->WipeCipher();
    return true;
}

bool Runner::QueryEndSession() {
    const Session& s = *session_;
    return s.Ended() || s.controls.CancelEnabled;
}

void Runner::EndSession() {
    session_->WipeCipher();
}

void Runner::ProcessLine(const std::string& line) {
    session_->ProcessLine(line);
}

const RunState& Runner::State() const {
    return session_->state;
}

const ControlState& Runner::Controls() const {
    return session_->controls;
}

bool Runner::Ended() const {
    return session_->Ended();
}

} // namespace qv::interp
