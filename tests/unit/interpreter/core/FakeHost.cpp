#include "FakeHost.h"

#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::interp::testing {

FakeHost::FakeHost() = default;

void FakeHost::Advance(long long ms) {
    const long long target = timers_.Now() + ms;
    // Enough for hours of 10 ms timers; more means a runaway loop in the runner.
    long long budget = 10'000'000;
    while (!terminated) {
        std::optional<VirtualTimers::Due> timer = timers_.Next();
        if (timer && !runner_)
            timer.reset();
        const Scheduled* first = nullptr;
        std::size_t event = scheduled_.size();
        for (std::size_t i = 0; i < scheduled_.size(); ++i) {
            const Scheduled& s = scheduled_[i];
            if (!first || s.at < first->at || (s.at == first->at && s.order < first->order)) {
                first = &s;
                event = i;
            }
        }
        if (first && timer &&
            (timer->at < first->at || (timer->at == first->at && timer->order < first->order)))
            event = scheduled_.size();
        const long long at = event < scheduled_.size() ? scheduled_[event].at
                             : timer                   ? timer->at
                                                       : target + 1;
        if (at > target)
            break;
        if (--budget == 0) {
            ADD_FAILURE() << "runaway timers at " << timers_.Now() << " ms";
            return;
        }
        if (event < scheduled_.size()) {
            timers_.SetNow(at);
            std::function<void()> action = std::move(scheduled_[event].action);
            scheduled_.erase(scheduled_.begin() + static_cast<std::ptrdiff_t>(event));
            action();
            continue;
        }
        timers_.Fire(*timer, *runner_);
    }
    if (!terminated)
        timers_.SetNow(std::max(timers_.Now(), target));
}

void FakeHost::SetCopyLayout(bool copying) {
    Touch();
    copyLayoutHistory.push_back(copying);
}

void FakeHost::ShowCommandIcon(const CommandIcon& icon) {
    Touch();
    icons.push_back(icon);
}

void FakeHost::ProcessMessages() {
    Touch();
    if (onProcessMessages)
        onProcessMessages();
}

bool FakeHost::RunUntilEnded(long long limitMs) {
    return AdvanceUntil([this] { return terminated; }, limitMs);
}

bool FakeHost::AdvanceUntil(const std::function<bool()>& condition, long long limitMs) {
    const long long end = timers_.Now() + limitMs;
    while (!condition()) {
        if (timers_.Now() >= end || terminated)
            return condition();
        Advance(10);
    }
    return true;
}

void FakeHost::At(long long at, std::function<void()> action) {
    scheduled_.push_back({at, timers_.NextOrder(), std::move(action)});
}

std::string FakeHost::Key(const std::string& path) {
    return UpperCase(path);
}

void FakeHost::AddScript(const std::string& path, const std::vector<std::string>& lines) {
    const TDiamond cipher(ScriptKey);
    AddFile(path, CompileScriptText(lines, cipher) + "\r\n");
}

void FakeHost::AddFile(const std::string& path, std::string bytes) {
    files_[Key(path)] = std::move(bytes);
}

void FakeHost::StartTimer(TimerId id, int intervalMs) {
    Touch();
    timers_.Arm(static_cast<int>(id), intervalMs);
}

void FakeHost::ArmMenuTimer(int intervalMs) {
    Touch();
    timers_.Arm(MenuTimerSlot, intervalMs);
}

void FakeHost::DisarmMenuTimer() {
    Touch();
    timers_.Disarm(MenuTimerSlot);
}

void FakeHost::StopTimer(TimerId id) {
    Touch();
    timers_.Disarm(static_cast<int>(id));
}

void FakeHost::SetStatusText(const std::string& text) {
    Touch();
    status = text;
    statusHistory.push_back(text);
}

void FakeHost::SetTitle(const std::string& text) {
    Touch();
    title = text;
}

void FakeHost::SetClockVisible(bool v) {
    Touch();
    clockVisible = v;
}

void FakeHost::SetCountText(const std::string& text) {
    Touch();
    countHistory.push_back(text);
}

void FakeHost::SetCountVisible(bool v) {
    Touch();
    countVisible = v;
}

void FakeHost::SetButtonCaption(Button button, const std::string& caption) {
    Touch();
    buttonCaption[button] = caption;
}

void FakeHost::SetButtonEnabled(Button button, bool enabled) {
    Touch();
    buttonEnabled[button] = enabled;
}

void FakeHost::ShowCentred() {
    Touch();
    visible = true;
    ++showCentredCalls;
}

void FakeHost::Show() {
    Touch();
    visible = true;
}

void FakeHost::Hide() {
    Touch();
    visible = false;
}

void FakeHost::MoveTo(int left, int top) {
    Touch();
    movedTo = std::make_pair(left, top);
}

void FakeHost::SetTrayIcon(bool active) {
    Touch();
    trayIcon = active;
}

int FakeHost::ShowMessageBox(const std::string& text, const std::string& boxTitle,
                             MessageBoxKind kind) {
    Touch();
    messageBoxes.push_back({text, boxTitle, static_cast<std::uint32_t>(kind), timers_.Now()});
    if (onMessageBox)
        onMessageBox();
    if (messageBoxAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << text;
        return IdCancel;
    }
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void FakeHost::ShowErrorLog(const std::string& text) {
    Touch();
    errorLogs.push_back(text);
}

std::optional<std::vector<bool>>
FakeHost::PromptPendingCommands(const std::vector<std::string>& entries) {
    Touch();
    promptEntries.push_back(entries);
    if (promptAnswers.empty()) {
        ADD_FAILURE() << "unexpected prompt list";
        return std::nullopt;
    }
    std::optional<std::vector<bool>> answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
}

bool FakeHost::FileExists(const std::string& path) {
    Touch();
    return files_.count(Key(path)) != 0;
}

void FakeHost::AddFolder(const std::string& path) {
    folders_.insert(Key(path));
}

bool FakeHost::ReadFileBytes(const std::string& path, std::string& bytes) {
    Touch();
    const auto found = files_.find(Key(path));
    if (found == files_.end())
        return false;
    bytes = found->second;
    return true;
}

DateTime FakeHost::Now() {
    Touch();
    DateTime moment = today;
    moment.millisecond = static_cast<int>(timers_.Now() % 1000);
    return moment;
}

void FakeHost::Terminate() {
    Touch();
    terminated = true;
}

} // namespace qv::interp::testing
