#include "interpreter/core/Session.h"

#include "interpreter/logic/CtlPending.h"
#include "language/CompiledScript.h"

#include <algorithm>
#include <string>

namespace qv::interp {

Session::Session(Host h, Services s) : host(h), services(s) {
    Timer(TimerId::WaitTimer).Interval = WaitTimerDesignInterval;
    Timer(TimerId::Digits).Interval = 100;
    Timer(TimerId::Digits).Counter = DigitsStartCounter;
    Timer(TimerId::CountDownTimer).Interval = 100;
    Timer(TimerId::WaitForWindow).Interval = 100;
    Timer(TimerId::WaitforClose).Interval = 500;
}

void Session::SetTimerEnabled(TimerId id, bool enabled) {
    TimerState& timer = Timer(id);
    if (ended_ || timer.Enabled == enabled)
        return;
    timer.Enabled = enabled;
    if (enabled)
        host.timers.StartTimer(id, timer.Interval);
    else
        host.timers.StopTimer(id);
}

void Session::SetTimerInterval(TimerId id, int intervalMs) {
    TimerState& timer = Timer(id);
    if (ended_ || timer.Interval == intervalMs)
        return;
    timer.Interval = intervalMs;
    if (timer.Enabled)
        host.timers.StartTimer(id, intervalMs);
}

void Session::StopAllTimers() {
    for (int id = 0; id < TimerCount; ++id)
        SetTimerEnabled(static_cast<TimerId>(id), false);
    SetMenuTimerEnabled(false);
}

CountdownHold Session::HoldCountdown() {
    const CountdownHold hold{TimerEnabled(TimerId::Digits), TimerEnabled(TimerId::CountDownTimer)};
    SetTimerEnabled(TimerId::Digits, false);
    SetTimerEnabled(TimerId::CountDownTimer, false);
    return hold;
}

void Session::ReleaseCountdown(const CountdownHold& hold) {
    if (hold.Digits)
        SetTimerEnabled(TimerId::Digits, true);
    if (hold.CountDownTimer)
        SetTimerEnabled(TimerId::CountDownTimer, true);
}

void Session::SetMenuTimerEnabled(bool enabled) {
    if (ended_ || menuTimerOn_ == enabled)
        return;
    menuTimerOn_ = enabled;
    if (enabled)
        services.menus.StartMenuTimer(logic::MenuTimeOutIntervalMs);
    else
        services.menus.StopMenuTimer();
}

void Session::SetStatus(const std::string& text) {
    if (ended_)
        return;
    controls.StatusText = text;
    host.view.SetStatusText(text);
}

void Session::AppendStatus(const std::string& text) {
    SetStatus(controls.StatusText + text);
}

void Session::SetTitle(const std::string& text) {
    if (ended_)
        return;
    controls.Title = text;
    host.view.SetTitle(text);
}

void Session::SetClockFrame(int frame) {
    if (ended_)
        return;
    controls.ClockFrame = frame;
    host.view.SetClockFrame(frame);
}

void Session::SetNextCaption(std::string_view caption) {
    if (ended_)
        return;
    controls.NextCaption = caption;
    host.view.SetButtonCaption(Button::Button1, controls.NextCaption);
}

void Session::SetPauseCaption(std::string_view caption) {
    if (ended_)
        return;
    controls.PauseCaption = caption;
    host.view.SetButtonCaption(Button::cmdPause, controls.PauseCaption);
}

void Session::SetButtonEnabled(Button button, bool enabled) {
    if (ended_)
        return;
    if (button == Button::CancelBut)
        controls.CancelEnabled = enabled;
    else if (button == Button::Button1)
        controls.NextEnabled = enabled;
    host.view.SetButtonEnabled(button, enabled);
}

void Session::ShowWindowCentred() {
    if (ended_)
        return;
    controls.Visible = true;
    host.view.ShowCentred();
}

void Session::ShowWindow() {
    if (ended_)
        return;
    controls.Visible = true;
    host.view.Show();
}

void Session::HideWindow() {
    if (ended_)
        return;
    controls.Visible = false;
    host.view.Hide();
}

void Session::SetTrayIcon(bool active) {
    if (ended_)
        return;
    controls.TrayIconActive = active;
    host.view.SetTrayIcon(active);
}

void Session::AddErrorEntry(std::string_view message, std::string_view lineText) {
    std::string entry(message);
    entry += state.CurrentScript;
    entry += "\r\n\t Line : ";
    entry += std::to_string(state.NextLine);
    entry += " '";
    entry += lineText;
    entry += "'\r\n";
    AppendReport(entry);
}

void Session::AppendReport(std::string_view entries) {
    if (entries.empty())
        return;
    state.ErrorReport += entries;
    if (observer_)
        observer_->ErrorEntry(std::string(entries));
}

void Session::Note(NoteKind kind, const std::string& text) {
    if (observer_)
        observer_->LineNote(kind, text);
}

void Session::AddReportedError(std::string_view message, std::string_view lineText) {
    if (state.ErrorsOn)
        AddErrorEntry(message, lineText);
}

void Session::SetScriptKey() {
    cipher_.SetKey(ScriptKey);
}

ReadResult Session::ReadScript(const std::string& path) {
    std::string bytes;
    if (ended_ || !host.system.ReadFileBytes(path, bytes))
        return {};
    return ReadCompiledScript(bytes, cipher_);
}

bool Session::LoadCompiledScript(const std::string& path) {
    return AdoptScript(path, ReadScript(path));
}

bool Session::AdoptScript(const std::string& path, ReadResult result) {
    if (ended_)
        return false;
    state.NextLine = 1;
    if (result.status == ReadResult::Status::Ok) {
        state.ScriptLines = std::move(result.lines);
        if (observer_)
            observer_->ScriptLoaded(path);
        return true;
    }
    state.ScriptLines.clear();
    if (result.status == ReadResult::Status::NewerVersion) {
        StopAllTimers();
        host.dialogs.ShowMessageBox(std::string(NewerVersionMessage), std::string(AppTitle),
                                    MessageBoxKind::NewerVersion);
    }
    EndApplication();
    return false;
}

void Session::EndRun() {
    if (ended_)
        return;
    std::string shown;
    if (!state.ErrorReport.empty()) {
        // A modal dialog still delivers timer messages; nothing may tick behind it.
        StopAllTimers();
        shown = "An Error Has Occurred Whilst Processing the Script(s)\r\n" + state.ErrorReport;
        host.dialogs.ShowErrorLog(shown);
    }
    EndApplication(shown);
}

void Session::EndApplication(const std::string& shownReport) {
    if (ended_)
        return;
    StopAllTimers();
    if (observer_)
        observer_->RunEnded(shownReport);
    host.application.Terminate();
    ended_ = true;
}

void Session::Cancel() {
    if (ended_)
        return;
    state.StopRequested = true;
    EndRun();
}

void Session::SelectPendingCommands() {
    if (ended_)
        return;
    // Only a countdown that ran goes on afterwards: a window or program wait keeps the clock off
    // and resumes the runner itself.
    const CountdownHold hold = HoldCountdown();
    const std::vector<std::string> entries =
        logic::PendingEntries(state.ScriptLines, state.NextLine);
    const std::optional<std::vector<bool>> checked = host.dialogs.PromptPendingCommands(entries);
    if (ended_)
        return;
    logic::RemoveUncheckedLines(state.ScriptLines, state.NextLine, entries, checked);
    ReleaseCountdown(hold);
}

} // namespace qv::interp
