#pragma once
// The interpreter's public entry points: the progress window forwards its events here.
#include "interpreter/core/Host.h"
#include "interpreter/core/RunObserver.h"
#include "interpreter/core/RunState.h"

#include <memory>
#include <optional>
#include <string>

namespace qv::interp {

class Session;
struct Services;
class NullServices;

// Keys the window previews before its controls.
enum class Key { F5, F8, Other };

class Runner {
  public:
    // A host without the command families' ports: their calls do nothing and report failure.
    explicit Runner(Host host);
    Runner(Host host, Services services);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Start-up: chooses and loads the first script (or the command-line one), runs its leading
    // configuration lines, shows the window and starts the runner. May end the application.
    void FormCreate(const std::optional<std::string>& commandLinePath);
    // A timer armed through TimerPort has fired.
    void OnTimer(TimerId id);
    // The menu window's TimeOutTimer has fired.
    void TimeOutTimer();
    // Cancel button, Enter and Escape.
    void CancelButClick();
    // The Next / Minimize button.
    void Button1Click();
    // The Pause / Resume button.
    void cmdPauseClick();
    // A click on the notification-area icon.
    void TrayIcon1Click();
    // A key pressed while the window is active (F5 cancels, F8 opens the prompt list).
    void FormKeyDown(Key key);
    // A request to close the window (system menu). Returns whether the close is allowed; when
    // it is, the script cipher has been wiped.
    bool FormCloseQuery();
    // Windows asks whether the session may end (shutdown or log-off). Nothing is wiped yet:
    // another program may still refuse, and then the run goes on.
    bool QueryEndSession();
    // The session really ends: the script cipher is wiped.
    void EndSession();

    // Lets `observer` (or nobody, with nullptr) watch the run; it must outlive the runner.
    void SetObserver(RunObserver* observer);

    // The keyword dispatch, as commands and start-up use it.
    void ProcessLine(const std::string& line);

    // For the window and tests: the run state and whether the application has been ended.
    const RunState& State() const;
    const ControlState& Controls() const;
    bool Ended() const;

  private:
    std::unique_ptr<NullServices> nullServices_;
    std::unique_ptr<Session> session_;
};

} // namespace qv::interp
