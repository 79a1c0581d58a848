#pragma once
// The ports the command families need beyond Host.h: windows of other programs, key events,
// files, program starts, network connections, the clock and the other system settings, and the
// menu and replace dialogs. As with Host, the core decides and a host only carries out; every
// call is made on the one window thread. The ports reach Runner as a struct of references
// (Services); a host that has none of these passes nothing and gets NullServices, whose calls
// do nothing and report failure.
#include "interpreter/logic/CtlDate.h"
#include "interpreter/logic/CtlMenu.h"
#include "interpreter/logic/OpsCopy.h"
#include "interpreter/logic/OpsFileSystem.h"
#include "interpreter/logic/OpsNetwork.h"
#include "interpreter/logic/OpsSendKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::interp {

// A top-level window as the window list holds it; `handle` is opaque to the core.
struct WindowEntry {
    std::string title;
    std::uintptr_t handle = 0;
};

class WindowListPort {
  public:
    virtual ~WindowListPort() = default;
    // The top-level windows from the topmost down the z-order, untitled ones too (titles cut to
    // 255 characters); only the visible ones when `visibleOnly`.
    virtual std::vector<WindowEntry> TopLevelWindows(bool visibleOnly) = 0;
    // Posts WM_SYSCOMMAND with `command` (SC_CLOSE, SC_MINIMIZE) and does not wait.
    virtual void PostSysCommand(std::uintptr_t handle, std::uint32_t command) = 0;
    // Makes the window the foreground window and gives it the focus; false when the handle is
    // no longer a window. Windows may refuse the foreground, and say nothing.
    virtual bool BringWindowToFront(std::uintptr_t handle) = 0;
    // Whether the window (or a window it owns) is the foreground window, which takes the keys.
    virtual bool IsForeground(std::uintptr_t handle) = 0;
    // Whether the window's program runs at a higher integrity level than the interpreter (an
    // elevated program): the system drops keys sent to it without a word.
    virtual bool RunsAboveOwnLevel(std::uintptr_t handle) = 0;
};

class KeyboardPort {
  public:
    virtual ~KeyboardPort() = default;
    // Synthesised key events, handed to the system as one input array (SendInput), so that no
    // other input falls between them.
    virtual void SendKeyEvents(const std::vector<logic::KeyEvent>& events) = 0;
    // VkKeyScanA on the current layout: key code in the low byte, shift state in the high
    // byte; -1 when the layout has no key for the character.
    virtual std::int16_t KeyScan(char c) = 0;
    // MapVirtualKeyA(virtualKey, 0): the scan code of a virtual key.
    virtual std::uint32_t ScanCodeOf(std::uint32_t virtualKey) = 0;
    // Loads "FW32SNDKEY.Dll" on first use; false when it cannot be loaded.
    virtual bool LoadKeyLibrary() = 0;
    // Calls the loaded library's ordinal 1 with the key text; its result.
    virtual int CallKeyLibrary(const std::string& keyText) = 0;
};

// The file system as the file and launching commands use it; the copy walk's calls come from
// CopyFileSystem.
class FilePort : public logic::CopyFileSystem {
  public:
    // Lists a folder's entries matching `mask` ("*.bmp"), in the system's enumeration order.
    virtual std::vector<logic::FolderEntry> ListMatching(const std::string& folder,
                                                         const std::string& mask) = 0;
    // MoveFileA: renames or moves a file; false on failure.
    virtual bool MoveOrRename(const std::string& oldName, const std::string& newName) = 0;
    // The shell's file operation on the NUL-separated, double-NUL-ended `pathList`: each path
    // made absolute (the Recycle Bin takes only whole paths), those that match nothing passed
    // over, the rest deleted to the Recycle Bin without any question or error dialog. 0 when
    // done or when nothing matched, else the shell's code.
    virtual std::uint32_t RecycleDelete(const std::string& pathList) = 0;
};

// What the shell reads from a shortcut (.LNK) through its link object.
struct ShortcutInfo {
    std::string target;
    std::string iconLocation;
    int iconIndex = 0;
};

class ProgramPort {
  public:
    virtual ~ProgramPort() = default;
    // ShellExecuteA with the default verb; `ownedByWindow` passes the interpreter window as
    // owner, else none. False when the shell reports a failure.
    virtual bool ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& folder, int showCode, bool ownedByWindow) = 0;
    // Starts a program as WinExec does, but in `folder` (none: the interpreter's own folder),
    // which becomes the program's working folder; the interpreter's current folder is left as
    // it is. False when it could not be started.
    virtual bool StartProgram(const std::string& commandLine, const std::string& folder,
                              int showCode) = 0;
    // ShellExecuteEx with the default verb, keeping the process the shell starts for `file` (a
    // program, document or shortcut) so that WaitedProgramRunning can watch it; a process kept
    // before is let go. NoProcess: the shell handed the file to a program that was already
    // running and names none.
    enum class WaitedStart { Started, NoProcess, Failed };
    virtual WaitedStart StartWaited(const std::string& file, const std::string& parameters,
                                    const std::string& folder, int showCode) = 0;
    // Whether the process StartWaited kept still runs; false once it has ended (it is then let
    // go) or when none is kept.
    virtual bool WaitedProgramRunning() = 0;
    // Reads a shortcut; nothing when it cannot be read.
    virtual std::optional<ShortcutInfo> ReadShortcut(const std::string& path) = 0;
};

class IniPort {
  public:
    virtual ~IniPort() = default;
    // GetPrivateProfileStringA with an empty default; a file named without a folder is in the
    // Windows folder. Surrounding double quotes are removed, as the system does.
    virtual std::string ReadIniString(const std::string& file, const std::string& section,
                                      const std::string& key) = 0;
    // WritePrivateProfileStringA, making the file's folder first when it is missing; false when
    // the value could not be written.
    virtual bool WriteIniString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& value) = 0;
    // The interpreter's folder in the user's local application data, with its backslash: the
    // run log and the user's run-once record live there. Empty when the system names none.
    virtual std::string UserDataFolder() = 0;
};

// WNetAddConnection2A and WNetCancelConnection2A, as TNetConnection calls them: 0 or the
// system's error code.
class NetworkPort : public logic::NetApi {};

// The clock's two calls (the local time with its day of week, GetTimeZoneInformation) come
// from DateClockPort.
class SystemSettingsPort : public logic::DateClockPort {
  public:
    // SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, SPIF_SENDWININICHANGE).
    virtual bool SetWallpaper(const std::string& path) = 0;
    // The user's short date format ("dd/MM/yyyy").
    virtual std::string ShortDateFormat() = 0;
    // SetSystemTime with a universal time; false when refused.
    virtual bool SetSystemTime(const logic::DateAndTime& universal) = 0;
    // Enables the named privilege ("SeShutdownPrivilege", "SeSystemtimePrivilege") in the
    // process token when the user holds it; false otherwise.
    virtual bool EnablePrivilege(const std::string& name) = 0;
    // ExitWindowsEx(flags, reason); false when refused.
    virtual bool ExitWindowsWith(unsigned flags, unsigned reason) = 0;
    // SetEnvironmentVariableA in the interpreter's own environment; false when refused.
    virtual bool SetEnvironmentValue(const std::string& name, const std::string& value) = 0;
    // A whole number from 0 to count - 1, from a generator seeded from the clock.
    virtual int RandomBelow(int count) = 0;
};

struct WindowPoint {
    int left = 0;
    int top = 0;
};

class MenuDialogPort {
  public:
    virtual ~MenuDialogPort() = default;
    // Shows the menu window modally over `menu`: it draws the entries and the TimeOut text,
    // hides "&Quit Script" and refuses its close box when `quitHidden`, passes the user's
    // choices, character keys, minimising and F8 (with `promptMode`) to the model, and returns
    // true for "&Ok", false for "&Quit Script" or the close box. It also returns true once
    // CloseMenu is called.
    virtual bool ShowMenu(logic::MenuModel& menu, bool quitHidden, bool promptMode) = 0;
    // The model's texts changed outside a user event; redraw them.
    virtual void RefreshMenu(const logic::MenuModel& menu) = 0;
    // Ends the shown menu's modal loop with "&Ok".
    virtual void CloseMenu() = 0;
    // Arms the menu window's TimeOutTimer: Runner::TimeOutTimer every `intervalMs` until
    // StopMenuTimer. It runs whether or not the menu is shown.
    virtual void StartMenuTimer(int intervalMs) = 0;
    virtual void StopMenuTimer() = 0;
    // The progress window's top-left corner, so that it can be put back after the menu.
    virtual WindowPoint ProgressWindowPosition() = 0;
};

class ReplaceDialogPort {
  public:
    virtual ~ReplaceDialogPort() = default;
    // TfrmReplace, modal: "Confirm File Replace" with both files' sizes and dates.
    virtual logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion& question) = 0;
};

class IdlePort {
  public:
    virtual ~IdlePort() = default;
    // Blocks until a window message is waiting (WaitMessage), so that a command holding still
    // while the run is paused does not spin between rounds of ProcessMessages.
    virtual void WaitForMessage() = 0;
};

// The ports the command families use, each its own small interface; all must outlive the
// runner.
struct Services {
    WindowListPort& windows;
    KeyboardPort& keyboard;
    FilePort& files;
    ProgramPort& programs;
    IniPort& ini;
    NetworkPort& network;
    SystemSettingsPort& settings;
    MenuDialogPort& menus;
    ReplaceDialogPort& replace;
    IdlePort& idle;
};

// Every port in one class, for a host that implements them all in one object (a fake, the
// null host, the what-if host).
class AllServicePorts : public WindowListPort,
                        public KeyboardPort,
                        public FilePort,
                        public ProgramPort,
                        public IniPort,
                        public NetworkPort,
                        public SystemSettingsPort,
                        public MenuDialogPort,
                        public ReplaceDialogPort,
                        public IdlePort {
  public:
    Services Ports() {
        return {*this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
    }
};

// Does nothing and reports failure everywhere, so a host without these ports never hangs:
// no windows are found, no file exists, dialogs answer as if cancelled.
class NullServices final : public AllServicePorts {
  public:
    // ERROR_NO_NETWORK.
    static constexpr std::uint32_t NoNetworkCode = 1222;

    std::vector<WindowEntry> TopLevelWindows(bool) override { return {}; }
    void PostSysCommand(std::uintptr_t, std::uint32_t) override {}
    bool BringWindowToFront(std::uintptr_t) override { return false; }
    bool IsForeground(std::uintptr_t) override { return false; }
    bool RunsAboveOwnLevel(std::uintptr_t) override { return false; }

    void SendKeyEvents(const std::vector<logic::KeyEvent>&) override {}
    std::int16_t KeyScan(char) override { return -1; }
    std::uint32_t ScanCodeOf(std::uint32_t) override { return 0; }
    bool LoadKeyLibrary() override { return false; }
    int CallKeyLibrary(const std::string&) override { return -1; }

    bool IsFolder(const std::string&) override { return false; }
    bool Exists(const std::string&) override { return false; }
    std::optional<std::int64_t> LastWriteTime(const std::string&) override { return {}; }
    std::string FileVersionText(const std::string&) override { return {}; }
    void ClearReadOnly(const std::string&) override {}
    std::vector<logic::FolderEntry> ListFolder(const std::string&) override { return {}; }
    void CreateFolder(const std::string&) override {}
    std::uint32_t CopyOneFile(const std::string&, const std::string&) override { return 1; }
    std::vector<logic::FolderEntry> ListMatching(const std::string&, const std::string&) override {
        return {};
    }
    bool MoveOrRename(const std::string&, const std::string&) override { return false; }
    std::uint32_t RecycleDelete(const std::string&) override { return 0; }

    bool ShellOpen(const std::string&, const std::string&, const std::string&, int, bool) override {
        return false;
    }
    bool StartProgram(const std::string&, const std::string&, int) override { return false; }
    WaitedStart StartWaited(const std::string&, const std::string&, const std::string&,
                            int) override {
        return WaitedStart::Failed;
    }
    bool WaitedProgramRunning() override { return false; }
    std::optional<ShortcutInfo> ReadShortcut(const std::string&) override { return {}; }

    std::string ReadIniString(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool WriteIniString(const std::string&, const std::string&, const std::string&,
                        const std::string&) override {
        return false;
    }
    std::string UserDataFolder() override { return {}; }

    std::uint32_t AddConnection(const logic::NetResourceRequest&) override { return NoNetworkCode; }
    std::uint32_t CancelConnection(const std::string&, std::uint32_t, bool) override {
        return NoNetworkCode;
    }

    bool SetWallpaper(const std::string&) override { return false; }
    logic::DateAndTime LocalNow() override { return {}; }
    logic::TimeZoneInformation TimeZone() override { return {}; }
    std::string ShortDateFormat() override { return "dd/MM/yyyy"; }
    bool SetSystemTime(const logic::DateAndTime&) override { return false; }
    bool EnablePrivilege(const std::string&) override { return false; }
    bool ExitWindowsWith(unsigned, unsigned) override { return false; }
    bool SetEnvironmentValue(const std::string&, const std::string&) override { return false; }
    int RandomBelow(int) override { return 0; }

    // The default entry runs, as when the time-out runs out.
    bool ShowMenu(logic::MenuModel&, bool, bool) override { return true; }
    void RefreshMenu(const logic::MenuModel&) override {}
    void CloseMenu() override {}
    void StartMenuTimer(int) override {}
    void StopMenuTimer() override {}
    WindowPoint ProgressWindowPosition() override { return {}; }

    logic::ReplaceAnswer AskReplace(const logic::ReplaceQuestion&) override {
        return logic::ReplaceAnswer::Cancel;
    }

    void WaitForMessage() override {}
};

} // namespace qv::interp
