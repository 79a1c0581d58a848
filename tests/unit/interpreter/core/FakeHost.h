#pragma once
// A host for the runner with a virtual clock: timers fire in time order by their intervals when
// the test advances the clock, dialogs answer from queues, files live in memory.
#include "interpreter/core/Host.h"
#include "interpreter/core/Runner.h"
#include "interpreter/core/VirtualTimers.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv::interp::testing {

struct MessageBoxCall {
    std::string text;
    std::string title;
    std::uint32_t flags;
    long long at;
};

class FakeHost : public TimerPort,
                 public ProgressView,
                 public Dialogs,
                 public SystemPort,
                 public ApplicationPort {
  public:
    FakeHost();

    Host Ports() { return Host{*this, *this, *this, *this, *this}; }
    Runner* AttachedRunner() { return runner_; }
    void Attach(Runner& runner) { runner_ = &runner; }

    // The virtual clock, in ms since start.
    long long Clock() const { return timers_.Now(); }
    // Runs every timer period and scheduled action due up to Clock() + ms, in time order.
    void Advance(long long ms);
    // Advances in small steps until the application has ended or `limitMs` have passed;
    // returns whether it ended.
    bool RunUntilEnded(long long limitMs = 600000);
    // Advances until `condition` holds (checked every 10 ms) or `limitMs` pass.
    bool AdvanceUntil(const std::function<bool()>& condition, long long limitMs = 600000);
    // Runs `action` at the virtual moment `at`.
    void At(long long at, std::function<void()> action);

    // Files: scripts are compiled with the fixed key, as the editor does.
    void AddScript(const std::string& path, const std::vector<std::string>& lines);
    void AddFile(const std::string& path, std::string bytes);
    // A folder: the file test does not find it, and it cannot be read.
    void AddFolder(const std::string& path);

    // Answers, taken in order; an unexpected dialog fails the test.
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::vector<bool>>> promptAnswers;
    // Called inside ShowMessageBox after recording it; may press buttons.
    std::function<void()> onMessageBox;
    // Called inside ProcessMessages; may advance the clock or press buttons.
    std::function<void()> onProcessMessages;

    // What the runner did.
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<std::string> errorLogs;
    std::vector<std::vector<std::string>> promptEntries;
    std::vector<std::string> statusHistory;
    std::vector<std::string> countHistory;
    std::vector<bool> copyLayoutHistory;
    std::vector<bool> copyAnimationHistory;
    std::vector<CommandIcon> icons;
    std::string status;
    std::string title;
    bool terminated = false;
    bool visible = false;
    int showCentredCalls = 0;
    int bringToFrontCalls = 0;
    bool trayIcon = false;
    bool clockVisible = false;
    bool countVisible = false;
    std::optional<std::pair<int, int>> movedTo;
    std::map<Button, bool> buttonEnabled;
    std::map<Button, std::string> buttonCaption;
    // The five timers, then the menu window's TimeOutTimer.
    static constexpr int MenuTimerSlot = VirtualTimers::MenuSlot;
    struct ArmedSlots {
        const VirtualTimers* timers;
        bool operator[](int slot) const { return timers->Armed(slot); }
    };
    const ArmedSlots armed{&timers_};
    void ArmMenuTimer(int intervalMs);
    void DisarmMenuTimer();
    int callsAfterTerminate = 0;

    std::string windowsFolder = "C:\\WINDOWS";
    std::string programFolder = "C:\\QV\\";
    std::string userName = "alice";
    std::string computerName = "PC1";
    // The local date and time the host reports (the clock's milliseconds are added).
    DateTime today{2026, 12, 9, 8, 0, 0, 0, 3};
    Size screen{800, 600};
    Size window{391, 111};

    // TimerPort
    void StartTimer(TimerId id, int intervalMs) override;
    void StopTimer(TimerId id) override;
    // ProgressView
    void SetStatusText(const std::string& text) override;
    void SetTitle(const std::string& text) override;
    void ShowCommandIcon(const CommandIcon& icon) override;
    void SetClockFrame(int) override { Touch(); }
    void SetClockVisible(bool v) override;
    void SetCountText(const std::string& text) override;
    void SetCountVisible(bool v) override;
    void SetButtonCaption(Button button, const std::string& caption) override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void ShowCentred() override;
    void Show() override;
    void Hide() override;
    void Minimize() override { Touch(); }
    void MoveTo(int left, int top) override;
    Size WindowSize() override { return window; }
    Size ScreenSize() override { return screen; }
    void BringToFront() override {
        Touch();
        ++bringToFrontCalls;
    }
    void HideTaskbarButton() override { Touch(); }
    void SetTrayIcon(bool active) override;
    void SetCopyLayout(bool copying) override;
    void SetCopyAnimation(bool running) override {
        Touch();
        copyAnimationHistory.push_back(running);
    }
    void ProcessMessages() override;
    // Dialogs
    int ShowMessageBox(const std::string& text, const std::string& title,
                       MessageBoxKind kind) override;
    void ShowErrorLog(const std::string& text) override;
    std::optional<std::vector<bool>>
    PromptPendingCommands(const std::vector<std::string>& entries) override;
    // SystemPort
    bool FileExists(const std::string& path) override;
    bool ReadFileBytes(const std::string& path, std::string& bytes) override;
    std::string WindowsFolder() override { return windowsFolder; }
    std::string UserName() override { return userName; }
    std::string ComputerName() override { return computerName; }
    std::string ProgramFolder() override { return programFolder; }
    DateTime Now() override;
    // ApplicationPort
    void Terminate() override;

  private:
    struct Scheduled {
        long long at;
        long long order;
        std::function<void()> action;
    };
    void Touch() {
        if (terminated)
            ++callsAfterTerminate;
    }
    static std::string Key(const std::string& path);

    Runner* runner_ = nullptr;
    VirtualTimers timers_;
    std::vector<Scheduled> scheduled_;
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_;
};

} // namespace qv::interp::testing
