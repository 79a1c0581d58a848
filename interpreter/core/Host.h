#pragma once
// The ports through which the interpreter core reaches the world. The core owns all run state,
// the hidden controls' state and the timers' enabled/interval semantics; a host only carries out
// what it is told and reports events back through Runner (see Runner.h). Every call is made on
// the one window thread.
#include "interpreter/logic/LocalMoment.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::interp {

// The interpreter window's five timers.
enum class TimerId { WaitTimer, Digits, CountDownTimer, WaitForWindow, WaitforClose };
inline constexpr int TimerCount = 5;

class TimerPort {
  public:
    virtual ~TimerPort() = default;
    // (Re)arm the timer to fire every `intervalMs` from now on; the host then calls
    // Runner::OnTimer(id) at each period until StopTimer.
    virtual void StartTimer(TimerId id, int intervalMs) = 0;
    // Disarm the timer; no further OnTimer(id) until the next StartTimer.
    virtual void StopTimer(TimerId id) = 0;
};

// The three buttons of the progress window.
enum class Button { CancelBut, Button1, cmdPause };

// What IconHolder shows.
struct CommandIcon {
    enum class Source {
        Associated,     // the associated icon of the file or folder `path`
        FileIndex,      // icon number `index` inside the file `path` (e.g. "shell32.dll", 39)
        Application,    // the program's own icon
        Window,         // the progress window's own icon
        ClockFrame,     // clock frame `index` (0 to 8) of IconTimers
        NetworkPicture, // picture `index` of AdvIcons (0 printer, 2 drive)
    };
    Source source = Source::Application;
    std::string path;
    int index = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

class ProgressView {
  public:
    virtual ~ProgressView() = default;
    // LoadingAppName's whole text; lines are separated by CR.
    virtual void SetStatusText(const std::string& text) = 0;
    // The window's title bar text.
    virtual void SetTitle(const std::string& text) = 0;
    // The picture in IconHolder.
    virtual void ShowCommandIcon(const CommandIcon& icon) = 0;
    // The clock frame (0 to 8) shown in TimeIcon.
    virtual void SetClockFrame(int frame) = 0;
    // Shows or hides TimeIcon.
    virtual void SetClockVisible(bool visible) = 0;
    // The Count label's text.
    virtual void SetCountText(const std::string& text) = 0;
    // Shows or hides the Count label.
    virtual void SetCountVisible(bool visible) = 0;
    // A button's caption (with its "&" accelerator mark).
    virtual void SetButtonCaption(Button button, const std::string& caption) = 0;
    // A button's enabled state.
    virtual void SetButtonEnabled(Button button, bool enabled) = 0;
    // Shows the window centred on the screen (start-up).
    virtual void ShowCentred() = 0;
    // Shows the window where it is (restored if minimised).
    virtual void Show() = 0;
    // Hides the window and its task-bar button.
    virtual void Hide() = 0;
    // Minimises the window.
    virtual void Minimize() = 0;
    // Moves the window's top-left corner to screen coordinates.
    virtual void MoveTo(int left, int top) = 0;
    // The window's outer size in pixels.
    virtual Size WindowSize() = 0;
    // The screen's size in pixels.
    virtual Size ScreenSize() = 0;
    // Brings the window to the foreground.
    virtual void BringToFront() = 0;
    // Hides the application's task-bar button.
    virtual void HideTaskbarButton() = 0;
    // Adds (true) or removes (false) the notification-area icon TrayIcon1.
    virtual void SetTrayIcon(bool active) = 0;
    // Switches the copy layout (taller window, Anim running) on or off.
    virtual void SetCopyLayout(bool copying) = 0;
    // Stops or restarts Anim's clip within the copy layout (a paused copy keeps its layout).
    virtual void SetCopyAnimation(bool running) = 0;
    // Dispatches pending window messages (repaint, buttons, keys, timers) and returns.
    virtual void ProcessMessages() = 0;
};

// Results of MessageBox, as the system returns them.
inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;

// The core's message boxes; each value is the MB_* bits its Part gives it.
enum class MessageBoxKind : std::uint32_t {
    MissingScript = 0x1010, // stop icon, system-modal: the command-line script does not exist
    NewerVersion = 0x10,    // error icon: the script needs a later interpreter
    ConfirmLine = 0x1023,   // Yes, No, Cancel, question icon, system-modal: prompt mode
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A system message box of the given kind; returns the pressed button (Id*).
    // (Not named MessageBox: windows.h defines that name as a macro.)
    virtual int ShowMessageBox(const std::string& text, const std::string& title,
                               MessageBoxKind kind) = 0;
    // The modal "Error Log" dialog holding `text`.
    virtual void ShowErrorLog(const std::string& text) = 0;
    // The modal "Prompt On" check list over `entries` (all unchecked at first). Returns the
    // checked state of every entry when closed with "&Run", nothing when cancelled.
    virtual std::optional<std::vector<bool>>
    PromptPendingCommands(const std::vector<std::string>& entries) = 0;
};

// The local date and time; the week day numbered 1 Monday ... 7 Sunday.
using DateTime = logic::LocalMoment;

class SystemPort {
  public:
    virtual ~SystemPort() = default;
    // True when a file exists at `path`; a folder is no file, whatever its name.
    virtual bool FileExists(const std::string& path) = 0;
    // Reads a whole file; false when it cannot be read.
    virtual bool ReadFileBytes(const std::string& path, std::string& bytes) = 0;
    // The Windows folder, without a trailing backslash.
    virtual std::string WindowsFolder() = 0;
    // The logged-on user's name; empty when the system cannot say.
    virtual std::string UserName() = 0;
    // The computer's network name; empty when the system cannot say.
    virtual std::string ComputerName() = 0;
    // The folder of the interpreter's executable, with its trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The local date and time.
    virtual DateTime Now() = 0;
};

class ApplicationPort {
  public:
    virtual ~ApplicationPort() = default;
    // Ends the application: the message loop stops once the current handler returns. The core
    // makes no host call after this one.
    virtual void Terminate() = 0;
};

// The ports one runner uses; all must outlive it.
struct Host {
    TimerPort& timers;
    ProgressView& view;
    Dialogs& dialogs;
    SystemPort& system;
    ApplicationPort& application;
};

} // namespace qv::interp
