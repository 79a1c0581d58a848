#pragma once
// TStartFrm: the interpreter's progress window. It shows what it is told (status text, command
// icon, clock, count, button captions), arms its five timers, previews F5/F8/Enter/Escape, and
// reports every event to the runner; it decides nothing about the run itself.
#include "common/win32/Form.h"
#include "interpreter/core/Host.h"
#include "interpreter/core/Runner.h"
#include "interpreter/win32/ProgramPictures.h"
#include "interpreter/win32/TrayIcon.h"

#include <array>
#include <string>

namespace qv::win32 {

// What the window reports; the application forwards it to the runner.
class StartFrmEvents {
  public:
    virtual ~StartFrmEvents() = default;
    virtual void OnTimer(interp::TimerId id) = 0;
    virtual void CancelButClick() = 0;
    virtual void Button1Click() = 0;
    virtual void cmdPauseClick() = 0;
    virtual void TrayIcon1Click() = 0;
    virtual void FormKeyDown(interp::Key key) = 0;
    // Whether the window may close (system menu).
    virtual bool FormCloseQuery() = 0;
    // Whether Windows may end the session; and that it now ends.
    virtual bool QueryEndSession() = 0;
    virtual void EndSession() = 0;
};

// The runner as the window's listener.
class RunnerEvents : public StartFrmEvents {
  public:
    explicit RunnerEvents(interp::Runner& runner) : runner_(runner) {}
    void OnTimer(interp::TimerId id) override { runner_.OnTimer(id); }
    void CancelButClick() override { runner_.CancelButClick(); }
    void Button1Click() override { runner_.Button1Click(); }
    void cmdPauseClick() override { runner_.cmdPauseClick(); }
    void TrayIcon1Click() override { runner_.TrayIcon1Click(); }
    void FormKeyDown(interp::Key key) override { runner_.FormKeyDown(key); }
    bool FormCloseQuery() override { return runner_.FormCloseQuery(); }
    bool QueryEndSession() override { return runner_.QueryEndSession(); }
    void EndSession() override { runner_.EndSession(); }

  private:
    interp::Runner& runner_;
};

inline constexpr const char* StartFrmTitle = "Trevanta's - Quorvel v2.0";
inline constexpr int StartFrmClientWidth = 385;
inline constexpr int StartFrmClientHeight = 84;
// The copy layout adds room for the animation below the text.
inline constexpr int StartFrmCopyExtraHeight = 46;

class TStartFrm : public Form, public interp::ProgressView, public interp::TimerPort {
  public:
    // Created hidden; `owner` is the hidden application window, which keeps the progress
    // window off the task bar.
    TStartFrm(MessageLoop& loop, HWND owner);
    ~TStartFrm() override;

    void SetEvents(StartFrmEvents* events) { events_ = events; }
    TTrayIcon& TrayIcon1() { return tray_; }
    bool TimerRunning(interp::TimerId id) const { return timers_[Index(id)].running; }
    int TimerInterval(interp::TimerId id) const { return timers_[Index(id)].interval; }

    // TimerPort
    void StartTimer(interp::TimerId id, int intervalMs) override;
    void StopTimer(interp::TimerId id) override;

    // ProgressView
    void SetStatusText(const std::string& text) override;
    void SetTitle(const std::string& text) override;
    void ShowCommandIcon(const interp::CommandIcon& icon) override;
    void SetClockFrame(int frame) override;
    void SetClockVisible(bool visible) override;
    void SetCountText(const std::string& text) override;
    void SetCountVisible(bool visible) override;
    void SetButtonCaption(interp::Button button, const std::string& caption) override;
    void SetButtonEnabled(interp::Button button, bool enabled) override;
    void ShowCentred() override;
    void Show() override;
    void Hide() override;
    void Minimize() override;
    void MoveTo(int left, int top) override;
    interp::Size WindowSize() override;
    interp::Size ScreenSize() override;
    void BringToFront() override;
    void HideTaskbarButton() override;
    void SetTrayIcon(bool active) override;
    void SetCopyLayout(bool copying) override;
    void SetCopyAnimation(bool running) override;
    void ProcessMessages() override;

  protected:
    void OnCommand(int id, int code) override;
    bool PreviewMessage(MSG& message) override;
    void OnClose() override;
    void OnDpiApplied() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    struct TimerSlot {
        bool running = false;
        int interval = 0;
    };
    static std::size_t Index(interp::TimerId id) { return static_cast<std::size_t>(id); }

    void OnTimerMessage(UINT_PTR timerId);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void ApplyLayout();
    void ResolveCommandIcon();
    void Redraw(int id);

    StartFrmEvents* events_ = nullptr;
    UniqueFont boldFont_;
    ProgramPictures pictures_;
    TTrayIcon tray_;
    std::array<TimerSlot, interp::TimerCount> timers_{};

    interp::CommandIcon commandIcon_;
    UniqueIcon extractedIcon_; // the command icon when it comes from a file
    HICON shownIcon_ = nullptr;
    int clockFrame_ = 0;
    bool clockVisible_ = false;
    bool copyLayout_ = false;
    bool shownOnce_ = false;
    bool copied_ = false; // a copy has run: the text sits one pixel further right
};

} // namespace qv::win32
