#include "FakeHost.h"

#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::interp::testing {

FakeHost::FakeHost() = default;

void FakeHost::Advance(long long ms) {
    const long long target = now_ + ms;
    // Enough for hours of 10 ms timers; more means a runaway loop in the runner.
    long long budget = 10'000'000;
    while (!terminated) {
        int timer = -1;
        long long at = target + 1;
        long long order = 0;
        for (int id = 0; id <= MenuTimerSlot; ++id) {
            if (!armed[id])
                continue;
            if (due_[id] < at || (due_[id] == at && dueOrder_[id] < order)) {
                at = due_[id];
                order = dueOrder_[id];
                timer = id;
            }
        }
        std::size_t event = scheduled_.size();
        for (std::size_t i = 0; i < scheduled_.size(); ++i) {
            const Scheduled& s = scheduled_[i];
            if (s.at < at || (s.at == at && s.order < order)) {
                at = s.at;
                order = s.order;
                event = i;
            }
        }
        if (at > target)
            break;
        if (--budget == 0) {
            ADD_FAILURE() << "runaway timers at " << now_ << " ms";
            return;
        }
        now_ = at;
        if (event < scheduled_.size()) {
            std::function<void()> action = std::move(scheduled_[event].action);
            scheduled_.erase(scheduled_.begin() + static_cast<std::ptrdiff_t>(event));
            action();
            continue;
        }
        due_[timer] = now_ + armedInterval[timer];
        dueOrder_[timer] = ++order_;
        if (runner_ && timer == MenuTimerSlot)
            runner_->TimeOutTimer();
        else if (runner_)
            runner_->OnTimer(static_cast<TimerId>(timer));
    }
    if (!terminated)
        now_ = std::max(now_, target);
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
    const long long end = now_ + limitMs;
    while (!condition()) {
        if (now_ >= end || terminated)
            return condition();
        Advance(10);
    }
    return true;
}

void FakeHost::At(long long at, std::function<void()> action) {
    scheduled_.push_back({at, ++order_, std::move(action)});
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
    Arm(static_cast<int>(id), intervalMs);
}

void FakeHost::Arm(int slot, int intervalMs) {
    armed[slot] = true;
    armedInterval[slot] = intervalMs;
    due_[slot] = now_ + intervalMs;
    dueOrder_[slot] = ++order_;
}

void FakeHost::ArmMenuTimer(int intervalMs) {
    Touch();
    Arm(MenuTimerSlot, intervalMs);
}

void FakeHost::DisarmMenuTimer() {
    Touch();
    armed[MenuTimerSlot] = false;
}

void FakeHost::StopTimer(TimerId id) {
    Touch();
    armed[static_cast<int>(id)] = false;
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
                             std::uint32_t flags) {
    Touch();
    messageBoxes.push_back({text, boxTitle, flags, now_});
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
    moment.millisecond = static_cast<int>(now_ % 1000);
    return moment;
}

void FakeHost::Terminate() {
    Touch();
    terminated = true;
}

} // namespace qv::interp::testing
